#include "translations/Catalogues.h"

#include <QDir>

namespace peglore {

QStringList CatalogueLanguages()
{
    QStringList languages;
    const QStringList names = QDir(QString::fromLatin1(CatalogueFolder))
                                  .entryList({QStringLiteral("peglore_*.qm")}, QDir::Files, QDir::Name);
    for (const QString& name : names)
        languages << name.mid(8, name.size() - 8 - 3);
    return languages;
}

}  // namespace peglore
