#pragma once

#include <QString>
#include <functional>

class QWidget;

// The windows the main window opens, by class name ("TListaClientesForm"),
// registered by the subsystem that builds them. The shell knows the menu and
// its preparation; the subsystem knows how to make its window.
namespace Modules {

using Opener = std::function<void(QWidget *mainWindow)>;

void registerOpener(const QString &windowClass, Opener opener);
bool isRegistered(const QString &windowClass);
// Opens the window; false when no subsystem registered it.
bool open(const QString &windowClass, QWidget *mainWindow);

} // namespace Modules
