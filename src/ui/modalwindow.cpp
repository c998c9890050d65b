#include "modalwindow.h"

#include <QKeyEvent>

void ModalWindow::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool ignoredEsc = event->key() == Qt::Key_Escape && !m_escapeCancels;
    if (enter || ignoredEsc) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
