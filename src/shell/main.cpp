// tavrel: the shop's management program.

#include "application.h"
#include "dm.h"
#include "loginform.h"
#include "principalform.h"
#include "programwindows.h"
#include "skin.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char **argv)
{
    TavrelApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("OS - Meridel"));
    QApplication::setApplicationDisplayName(QStringLiteral("OS - Meridel"));
    Skin::apply(app);

    registerProgramWindows();

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
