#include "registerswindows.h"

namespace Registers {

void registerWindows()
{
    registerClientWindows();
    registerSupplierWindows();
    registerProductWindows();
}

} // namespace Registers
