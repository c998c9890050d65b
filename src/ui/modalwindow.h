#pragma once

#include <QDialog>

// A modal window of the system. Enter presses no default button, and Esc
// closes it only where the window gives Esc that meaning: elsewhere these
// keys mean nothing, so what the user typed is never thrown away by a key.
class ModalWindow : public QDialog
{
    Q_OBJECT
public:
    explicit ModalWindow(QWidget *parent = nullptr) : QDialog(parent) {}

    void setEscapeCancels(bool cancels) { m_escapeCancels = cancels; }
    bool escapeCancels() const { return m_escapeCancels; }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    bool m_escapeCancels = false;
};
