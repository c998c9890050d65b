#include "fornecedoreslista.h"
#include "fornecedorespicker.h"
#include "fornecedoresrecord.h"
#include "modules.h"
#include "registerswindows.h"

#include <QLineEdit>

namespace Registers {

namespace {

// A box of the caller's window, by the caption the user sees beside it.
QLineEdit *boxNamed(QWidget *window, const QString &caption)
{
    for (QLineEdit *box : window->findChildren<QLineEdit *>())
        if (box->accessibleName() == caption)
            return box;
    return nullptr;
}

} // namespace

void registerSupplierWindows()
{
    // The main window has already reopened the suppliers in trade-name order.
    Modules::registerOpener(QStringLiteral("TForneForm"), [](QWidget *mainWindow) {
        auto *list = new TForneForm(mainWindow);
        list->show();
    });
    // The product record window's "Adicionar Fornecedor".
    Modules::registerOpener(QStringLiteral("TCadForneForm"),
                            [](QWidget *productWindow) { TCadForneForm::addFromProductWindow(productWindow); });
    // The product record window's "...": the choice goes into its two supplier boxes.
    Modules::registerOpener(QStringLiteral("TForneForm2"), [](QWidget *productWindow) {
        QLineEdit *code = boxNamed(productWindow, QStringLiteral("Cod. Fornecedor"));
        QLineEdit *name = boxNamed(productWindow, QStringLiteral("Nome do Fornecedor"));
        if (code && name)
            TForneForm2::pickInto(productWindow, code, name);
    });
}

} // namespace Registers
