#include "toolbarminimizer.h"

#include "skin.h"

#include <QAction>
#include <QApplication>
#include <QToolBar>
#include <QWidget>

ToolbarMinimizer::ToolbarMinimizer(QToolBar *toolBar, QObject *parent) : QObject(parent), m_toolBar(toolBar)
{
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    const QColor from = Skin::menuHighlight();
    const QColor to = QApplication::palette().color(QPalette::Highlight);
    m_toolBar->setStyleSheet(QStringLiteral(
        "QToolButton { color: white; font-weight: bold; padding: 2px 10px; margin: 1px;"
        " border: 1px solid %2;"
        " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 %1, stop:1 %2); }")
        .arg(from.name(), to.name()));
}

QToolBar *ToolbarMinimizer::toolBar() const
{
    return m_toolBar;
}

ToolbarMinimizer *ToolbarMinimizer::of(const QWidget *mainWindow)
{
    return mainWindow ? mainWindow->findChild<ToolbarMinimizer *>() : nullptr;
}

QAction *ToolbarMinimizer::buttonOf(const QWidget *window) const
{
    if (!m_toolBar)
        return nullptr;
    for (QAction *action : m_toolBar->actions())
        if (action->parent() == window)
            return action;
    return nullptr;
}

void ToolbarMinimizer::minimize(QWidget *window)
{
    if (!m_toolBar || !window)
        return;
    if (!buttonOf(window)) {
        // The button belongs to the window: destroying the window takes it off the bar.
        auto *button = new QAction(window->windowTitle(), window);
        connect(button, &QAction::triggered, this, [this, button] { restore(button); });
        m_toolBar->addAction(button);
    }
    window->hide();
}

void ToolbarMinimizer::restore(QAction *button)
{
    if (auto *window = qobject_cast<QWidget *>(button->parent())) {
        window->showNormal();
        window->raise();
        window->activateWindow();
    }
    if (m_toolBar)
        m_toolBar->removeAction(button);
    button->deleteLater();
}
