#include "listwindow.h"

#include "toolbarminimizer.h"

#include <QEvent>
#include <QLabel>
#include <QPointer>
#include <QScreen>

ListWindow::ListWindow(QWidget *mainWindow, const QString &caption)
    : QWidget(mainWindow, Qt::Window), m_selectedKey(new QLabel(this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(caption);
    setFont(QFont(QStringLiteral("Tahoma"), 8));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint
                   | Qt::WindowCloseButtonHint);
    m_selectedKey->setObjectName(QStringLiteral("selectedKey"));
    m_selectedKey->hide();
}

void ListWindow::setMinimizable(bool minimizable)
{
    setWindowFlag(Qt::WindowMinimizeButtonHint, minimizable);
}

void ListWindow::setResizable(bool resizable)
{
    m_resizable = resizable;
    setWindowFlag(Qt::WindowMaximizeButtonHint, resizable);
    if (resizable) {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    } else if (isVisible()) {
        setFixedSize(size());
    }
}

int ListWindow::selectedKey() const
{
    return m_selectedKey->text().trimmed().toInt();
}

void ListWindow::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange || !(windowState() & Qt::WindowMinimized))
        return;
    // Minimized module windows wait on the main window's tool bar, not in the
    // task bar. Done once the minimize itself is over, so that a minimize that
    // goes on to show the window (showMinimized) cannot bring it back.
    if (ToolbarMinimizer *minimizer = ToolbarMinimizer::of(parentWidget())) {
        QPointer<ToolbarMinimizer> target(minimizer);
        QMetaObject::invokeMethod(this, [this, target] {
            if (!target || !(windowState() & Qt::WindowMinimized))
                return;
            setWindowState(windowState() & ~Qt::WindowMinimized);
            target->minimize(this);
        }, Qt::QueuedConnection);
    }
}

void ListWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_centred) {
        m_centred = true;
        if (!m_resizable)
            setFixedSize(size());
        centreOnScreen(this);
    }
}

void centreOnScreen(QWidget *window)
{
    const QScreen *screen = window->screen();
    if (!screen)
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}
