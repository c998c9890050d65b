#pragma once

#include <QList>
#include <QWidget>

// Finds a control the way a user or a screen reader does: by the words it
// shows, its accessible name. nullptr when there is none.
template <typename T = QWidget>
T *findNamed(const QWidget *root, const QString &name)
{
    if (!root)
        return nullptr;
    const QList<T *> all = root->findChildren<T *>();
    for (T *w : all)
        if (w->accessibleName() == name)
            return w;
    return nullptr;
}

#include <QtTest>

// Types text key by key, accented letters included (QTest::keyClicks takes
// only ASCII).
inline void typeText(QWidget *widget, const QString &text)
{
    for (QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(widget, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}
