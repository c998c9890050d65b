#include "clienteslista.h"
#include "clientesrecord.h"
#include "modules.h"
#include "registerswindows.h"

namespace Registers {

void registerClientWindows()
{
    // The main window has already reopened the clients in name order.
    Modules::registerOpener(QStringLiteral("TListaClientesForm"), [](QWidget *mainWindow) {
        auto *list = new TListaClientesForm(mainWindow);
        list->show();
    });
    // "Adicionar Cliente" of the point of sale, the service order editor and the cheque window.
    Modules::registerOpener(QStringLiteral("TClientesForm"),
                            [](QWidget *opener) { TClientesForm::addFromOtherScreen(opener); });
}

} // namespace Registers
