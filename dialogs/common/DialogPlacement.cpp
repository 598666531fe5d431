#include "dialogs/common/DialogPlacement.h"

#include "components/widgets/TWindowPlacement.h"

namespace peglore {

QPoint FirstDialogPlace(const QRect& screen, const QSize& outer)
{
    return TWindowPlacement::CentredOn(screen, outer, DialogCentring);
}

}  // namespace peglore
