#include "resources/pictures/Pictures.h"

#include <QtCore/qglobal.h>

// Q_INIT_RESOURCE must be expanded outside any namespace.
static void InitPictureResources()
{
    Q_INIT_RESOURCE(pictures);
}

namespace peglore {

void InitPictures()
{
    InitPictureResources();
}

}  // namespace peglore
