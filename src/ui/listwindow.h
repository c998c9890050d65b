#pragma once

#include <QWidget>

class QLabel;

// A module window opened from the main window without blocking: owned by the
// main window, destroyed when closed, centred on the screen, Tahoma 8.
// Minimizing it puts a button on the main window's tool bar instead
// (ToolbarMinimizer) and hides it until that button is clicked.
class ListWindow : public QWidget
{
    Q_OBJECT
public:
    explicit ListWindow(QWidget *mainWindow, const QString &caption = {});

    // Some windows offer no minimize button.
    void setMinimizable(bool minimizable);
    // Most module windows keep the size they open with and cannot be maximized;
    // the client, supplier and product lists can be resized.
    void setResizable(bool resizable);

    // The hidden label that keeps the key of the row the list shows as selected.
    QLabel *selectedKeyLabel() const { return m_selectedKey; }
    // Its value as a key; 0 when empty.
    int selectedKey() const;

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    QLabel *m_selectedKey;
    bool m_centred = false;
    bool m_resizable = true;
};

// Centres a window on the screen it is shown on.
void centreOnScreen(QWidget *window);
