#include "modules.h"

#include <QHash>

namespace Modules {

namespace {
QHash<QString, Opener> &openers()
{
    static QHash<QString, Opener> all;
    return all;
}
} // namespace

void registerOpener(const QString &windowClass, Opener opener) { openers().insert(windowClass, std::move(opener)); }
bool isRegistered(const QString &windowClass) { return openers().contains(windowClass); }

bool open(const QString &windowClass, QWidget *mainWindow)
{
    const auto it = openers().constFind(windowClass);
    if (it == openers().constEnd())
        return false;
    (*it)(mainWindow);
    return true;
}

} // namespace Modules
