// tavrel: the shop's management program.

#include "cadusuarioform.h"
#include "dm.h"
#include "loginform.h"
#include "principalform.h"
#include "shellmodules.h"
#include "skin.h"

#ifdef TAVREL_HAS_REGISTERS
#include "registerswindows.h"
#endif
#ifdef TAVREL_HAS_ORDERS
#include "orderswindows.h"
#endif

#include <QApplication>
#include <QScreen>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("OS - Meridel"));
    QApplication::setApplicationDisplayName(QStringLiteral("OS - Meridel"));
    Skin::apply(app);

    ShellModules::registerWindows();
#ifdef TAVREL_HAS_REGISTERS
    Registers::registerWindows();
#endif
#ifdef TAVREL_HAS_ORDERS
    Orders::registerWindows();
#endif

    // Created in this order, living for the whole run.
    TPrincipalForm principal;
    TDM dm;
    TLoginForm login(&principal);
    principal.setLoginForm(&login);

    // Maximized; also where no window manager maximizes it (a bare X display).
    principal.setGeometry(principal.screen()->availableGeometry());
    principal.showMaximized();
    return app.exec();
}
