#pragma once

#include <QObject>

class QLineEdit;

// Makes a quantity box take only the digits 0 to 9 and backspace: every
// other typed character is swallowed. Keys that type nothing (Tab, arrows,
// Esc, Enter) keep their usual meaning. The filter belongs to the box.
class DigitsOnly : public QObject
{
    Q_OBJECT
public:
    static void install(QLineEdit *box);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit DigitsOnly(QObject *parent) : QObject(parent) {}
};
