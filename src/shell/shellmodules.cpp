#include "shellmodules.h"

#if __has_include("settingsmodule.h")
#include "settingsmodule.h"
#define TAVREL_HAS_SETTINGS 1
#endif

namespace ShellModules {

void registerWindows()
{
#ifdef TAVREL_HAS_SETTINGS
    SettingsModule::registerWindows();
#endif
}

} // namespace ShellModules
