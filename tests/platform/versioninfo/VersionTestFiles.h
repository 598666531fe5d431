#pragma once

#include "tests/platform/versioninfo/VersionImageBuilder.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <optional>
#include <string>
#include <vector>

// Qt-side helpers shared by the version reader tests.
namespace VersionTestFiles {

using VersionImages::TBytes;

inline bool WriteFile(const QString& path, const TBytes& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size())) == qint64(bytes.size());
}

inline QByteArray Bytes(const TBytes& bytes)
{
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
}

// The three kinds of image, by the names the data-driven tests use.
inline QStringList ImageKinds()
{
    return {"PE32", "PE32+", "NE"};
}

// ROOT in an image of KIND: UTF-16 for the PE kinds, 8-bit text for NE.
inline TBytes Image(const QString& kind, const VersionImages::TNode& root)
{
    using namespace VersionImages;
    if (kind == "NE")
        return BuildNe(EncodeAnsi(root));
    const TPeKind pe = kind == "PE32+" ? TPeKind::Pe32Plus : TPeKind::Pe32;
    return BuildPe(pe, {TPeResource{0x0409, EncodeUnicode(root)}});
}

}  // namespace VersionTestFiles
