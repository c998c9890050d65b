#include "application.h"

#include "firebird.h"
#include "messages.h"

TavrelApplication::TavrelApplication(int &argc, char **argv) : QApplication(argc, argv) {}

bool TavrelApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const fb::Error &e) {
        Messages::error(activeWindow(), e.message());
    }
    return true;
}
