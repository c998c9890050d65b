#include "settingsmodule.h"

#include "configform.h"
#include "configpage.h"
#include "dm.h"
#include "messages.h"
#include "modules.h"

#include <QTabWidget>

namespace SettingsModule {

void registerWindows()
{
    Modules::registerOpener(QStringLiteral("TConfigForm"), [](QWidget *parent) {
        TConfigForm window(DM->ConfigQuery, {}, parent);
        Messages::execModal(&window);
    });
    // The client record window's shortcut opens it on its second page, "Cabeçalho OS".
    Modules::registerOpener(QStringLiteral("TConfigForm:Cabeçalho OS"), [](QWidget *parent) {
        TConfigForm window(DM->ConfigQuery, {}, parent);
        window.tabs()->setCurrentWidget(window.headerPage());
        Messages::execModal(&window);
    });
}

} // namespace SettingsModule
