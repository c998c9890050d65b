#include "orderswindows.h"

#include "dm.h"
#include "modules.h"
#include "relos.h"

namespace Orders {

void registerWindows()
{
    // "OS" › "OS em Branco": the main window has checked the user's permission.
    Modules::registerOpener(QStringLiteral("OSEmBranco"),
                            [](QWidget *mainWindow) { TRelOSForm::of(*DM).imprimirEmBranco(mainWindow); });
}

} // namespace Orders
