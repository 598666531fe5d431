#pragma once

#include <QString>
#include <QStringList>

namespace peglore {

// The game's catalogues, compiled into the program: peglore_LANG.qm in the
// resource folder below, one for each language the game ships.
inline constexpr const char* CatalogueFolder = ":/translations/";

// The languages of the catalogues the program holds, as the catalogues
// name them ("de", "pt_BR"), in name order.
QStringList CatalogueLanguages();

}  // namespace peglore
