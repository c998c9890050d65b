#pragma once

#include <QObject>
#include <QPointer>

class QAction;
class QToolBar;
class QWidget;

// The main window's bottom tool bar as the place minimized module windows go:
// each gets a text button with its caption and hides; clicking the button
// shows the window again and removes that button only. The button belongs
// to its window, so closing the window removes it too.
// The main window creates it as its child; ListWindow finds it there.
class ToolbarMinimizer : public QObject
{
    Q_OBJECT
public:
    ToolbarMinimizer(QToolBar *toolBar, QObject *parent);

    QToolBar *toolBar() const;
    // Puts the window's button on the tool bar and hides the window.
    void minimize(QWidget *window);
    // Shows the window of a button again and removes the button.
    void restore(QAction *button);
    // The button of a window, or nullptr when it is not on the tool bar.
    QAction *buttonOf(const QWidget *window) const;

    // The minimizer a main window owns, or nullptr.
    static ToolbarMinimizer *of(const QWidget *mainWindow);

private:
    QPointer<QToolBar> m_toolBar;
};
