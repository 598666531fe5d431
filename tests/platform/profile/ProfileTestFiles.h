#pragma once

#include "platform/profile/TProfileError.h"
#include "platform/profile/TProfileFile.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QMetaType>
#include <QString>
#include <QStringList>

#include <string>
#include <string_view>

// Small file helpers shared by the profile tests.
namespace ProfileTestFiles {

using namespace peglore;

inline bool WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A null array when the file cannot be opened.
inline QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray bytes = file.readAll();
    if (bytes.isNull())
        bytes = QByteArray("");  // an empty file is not a missing one
    return bytes;
}

// Every name in FOLDER, hidden ones included.
inline QStringList Entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

inline std::string Std(const QByteArray& bytes)
{
    return bytes.toStdString();
}
inline std::string Std(const QString& text)
{
    return text.toStdString();
}
inline QByteArray Bytes(std::string_view text)
{
    return QByteArray(text.data(), qsizetype(text.size()));
}

// One-call forms of TProfileFile(path).ReadString and .WriteString.
inline std::string ReadProfileString(const std::string& path, std::string_view section, std::string_view key,
                                     std::string_view defaultValue)
{
    return TProfileFile(path).ReadString(section, key, defaultValue);
}
inline bool WriteProfileString(const std::string& path, std::string_view section, std::string_view key,
                               std::string_view value, TProfileError* error = nullptr)
{
    TProfileFile file(path);
    const bool written = file.WriteString(section, key, value);
    if (error)
        *error = file.LastError();
    return written;
}

}  // namespace ProfileTestFiles

Q_DECLARE_METATYPE(peglore::TProfileError)
