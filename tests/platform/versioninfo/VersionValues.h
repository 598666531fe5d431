#pragma once

#include "platform/versioninfo/TVersionInfo.h"

#include <QString>
#include <QStringList>

// The fifteen values in their published order, for comparing all at once.
inline QStringList AllValues(const peglore::TVersionInfo& info)
{
    QStringList values;
    for (const std::string* value :
         {&info.Comment(), &info.CompanyName(), &info.FileDescription(), &info.FileVersion(), &info.InternalName(),
          &info.LegalCopyright(), &info.LegalTradeMarks(), &info.OriginalFileName(), &info.PrivateBuild(),
          &info.ProductName(), &info.ProductVersion(), &info.SpecialBuild(), &info.FileOS(), &info.FileType(),
          &info.FileSubType()})
        values << QString::fromStdString(*value);
    return values;
}

inline QStringList NoValues()
{
    QStringList values;
    for (int i = 0; i < 15; ++i)
        values << QString();
    return values;
}
