#include "registerswindows.h"

#include "modules.h"
#include "produtoslista.h"
#include "relestoque.h"

namespace Registers {

// The product list and the stock report window, opened from the main window
// after it has prepared their datasets.
void registerProductWindows()
{
    Modules::registerOpener(QStringLiteral("TProdForm"), [](QWidget *mainWindow) {
        auto *window = new TProdForm(mainWindow);
        window->show();
    });
    Modules::registerOpener(QStringLiteral("TRelForm"), [](QWidget *mainWindow) {
        auto *window = new TRelForm(mainWindow);
        window->show();
    });
}

} // namespace Registers
