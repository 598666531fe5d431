#include "platform/versioninfo/TVersionInfo.h"

namespace peglore {

void TVersionInfo::Clear()
{
    *this = TVersionInfo();
}

}  // namespace peglore
