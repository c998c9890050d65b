#include "keymap.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWidget>

// The window sees keys before its controls: the map watches every key the
// application delivers and keeps those aimed at a widget of its window.
KeyMap::KeyMap(QWidget *window) : QObject(window), m_window(window)
{
    qApp->installEventFilter(this);
}

KeyMap::~KeyMap()
{
    if (qApp)
        qApp->removeEventFilter(this);
}

void KeyMap::clickEvenIfDisabled(QAbstractButton *button)
{
    if (!button)
        return;
    if (button->isEnabled())
        button->click();
    else
        Q_EMIT button->clicked(button->isChecked());
}

void KeyMap::press(Key key, QAbstractButton *button)
{
    QPointer<QAbstractButton> target(button);
    m_bindings.append({key, [target] { clickEvenIfDisabled(target); }});
}

void KeyMap::pressWhileEnabled(Key key, QAbstractButton *button, const QAbstractButton *gate)
{
    QPointer<QAbstractButton> target(button);
    QPointer<const QAbstractButton> condition(gate);
    m_bindings.append({key, [target, condition] {
                           if (target && condition && condition->isEnabled())
                               target->click();
                       }});
}

void KeyMap::run(Key key, std::function<void()> action)
{
    m_bindings.append({key, std::move(action)});
}

void KeyMap::searchOnEnter(QLineEdit *searchBox, QAbstractButton *searchButton)
{
    m_searchBox = searchBox;
    m_searchButton = searchButton;
}

std::optional<KeyMap::Key> KeyMap::keyOf(const QKeyEvent &event)
{
    const bool keypad = event.modifiers() & Qt::KeypadModifier;
    switch (event.key()) {
    case Qt::Key_F1: return F1;
    case Qt::Key_F2: return F2;
    case Qt::Key_F3: return F3;
    case Qt::Key_F4: return F4;
    case Qt::Key_F5: return F5;
    case Qt::Key_F6: return F6;
    case Qt::Key_Escape: return Esc;
    case Qt::Key_Plus: return keypad ? std::optional<Key>(KeypadPlus) : std::nullopt;
    case Qt::Key_Minus: return keypad ? std::optional<Key>(KeypadMinus) : std::nullopt;
    default: return std::nullopt;
    }
}

bool KeyMap::belongsToWindow(QObject *object) const
{
    auto *widget = qobject_cast<QWidget *>(object);
    return widget && m_window && widget->window() == m_window && m_window->isEnabled();
}

bool KeyMap::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || !belongsToWindow(watched))
        return false;
    auto *keyEvent = static_cast<QKeyEvent *>(event);

    if (m_searchBox && watched == m_searchBox
        && (keyEvent->key() == Qt::Key_Return || keyEvent->key() == Qt::Key_Enter)) {
        clickEvenIfDisabled(m_searchButton);
        return true;
    }

    const std::optional<Key> key = keyOf(*keyEvent);
    if (!key)
        return false;
    QList<std::function<void()>> actions;
    for (const Binding &binding : std::as_const(m_bindings))
        if (binding.key == *key)
            actions << binding.action;
    // An action may close the window and take this map with it.
    QPointer<KeyMap> alive(this);
    for (const auto &action : actions) {
        action();
        if (!alive)
            break;
    }
    const bool handled = !actions.isEmpty();
    return handled;
}
