#include "settingsmodule.h"

#include "configform.h"
#include "dm.h"
#include "messages.h"
#include "modules.h"

namespace SettingsModule {

void registerWindows()
{
    Modules::registerOpener(QStringLiteral("TConfigForm"), [](QWidget *parent) {
        TConfigForm window(DM->ConfigQuery, {}, parent);
        Messages::execModal(&window);
    });
}

} // namespace SettingsModule
