#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <functional>
#include <optional>

class QAbstractButton;
class QLineEdit;
class QWidget;

// The keys a window reacts to before its controls do: F1..F6, Esc and the
// numeric keypad's plus and minus act like a click on a button, and Enter
// in a search box starts the search. A window creates one and names its keys.
class KeyMap : public QObject
{
    Q_OBJECT
public:
    // The keys windows give a meaning to.
    enum Key { F1, F2, F3, F4, F5, F6, Esc, KeypadPlus, KeypadMinus };

    explicit KeyMap(QWidget *window);
    ~KeyMap() override;

    // The key clicks the button whether or not it is enabled.
    void press(Key key, QAbstractButton *button);
    // The key clicks the button only while `gate` is enabled (often the button itself).
    void pressWhileEnabled(Key key, QAbstractButton *button, const QAbstractButton *gate);
    // The key runs an action (Esc closing a window without a button, for instance).
    void run(Key key, std::function<void()> action);
    // Enter or Return typed in the search box clicks the search button.
    void searchOnEnter(QLineEdit *searchBox, QAbstractButton *searchButton);

    // Clicks a button the way these keys do: a disabled button still acts.
    static void clickEvenIfDisabled(QAbstractButton *button);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Binding {
        Key key;
        std::function<void()> action;
    };
    static std::optional<Key> keyOf(const class QKeyEvent &event);
    bool belongsToWindow(QObject *object) const;

    QPointer<QWidget> m_window;
    QList<Binding> m_bindings;
    QPointer<QLineEdit> m_searchBox;
    QPointer<QAbstractButton> m_searchButton;
};
