#include "estoquedigitos.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpressionValidator>

void DigitsOnly::install(QLineEdit *box)
{
    box->installEventFilter(new DigitsOnly(box));
    // Whatever way text arrives (the context menu's paste, a drop), only digits stay.
    box->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), box));
}

bool DigitsOnly::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Escape || key->key() == Qt::Key_Return
        || key->key() == Qt::Key_Enter || key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)
        return false;
    // Pasting would bring letters in just the same.
    if (key->matches(QKeySequence::Paste))
        return true;
    // Only characters that would be typed count; Delete, Ctrl+A and the
    // like type nothing and keep working.
    for (const QChar c : key->text())
        if (c.isPrint() && (c < u'0' || c > u'9'))
            return true;
    return false;
}
