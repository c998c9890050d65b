#pragma once

// Every window the main window opens, registered by the subsystem that builds
// it. The program and its tests register the same set, as their build has it.

#include "shellmodules.h"

#ifdef TAVREL_HAS_REGISTERS
#include "registerswindows.h"
#endif
#ifdef TAVREL_HAS_ORDERS
#include "orderswindows.h"
#endif

inline void registerProgramWindows()
{
    ShellModules::registerWindows();
#ifdef TAVREL_HAS_REGISTERS
    Registers::registerWindows();
#endif
#ifdef TAVREL_HAS_ORDERS
    Orders::registerWindows();
#endif
}
