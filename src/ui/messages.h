#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;
class QDialog;

// Every message box and every modal window of the program passes through
// here, so tests can answer them and read what was shown.
namespace Messages {

inline const QString kAppTitle = QStringLiteral("OS - Meridel");

enum class Kind { Information, Confirmation, Error, Warning };

struct Shown {
    Kind kind;
    QString title;
    QString text;
};

// A plain message with an OK button, titled "OS - Meridel" unless told otherwise.
void inform(QWidget *parent, const QString &text, const QString &title = kAppTitle);
// A plain message with a warning icon and an OK button.
void warn(QWidget *parent, const QString &text, const QString &title = kAppTitle);
// A warning box with Yes and No; true for Yes.
bool confirm(QWidget *parent, const QString &title, const QString &text);
// An error box showing the error's own text.
void error(QWidget *parent, const QString &text, const QString &title = kAppTitle);

// Shows a modal window and returns its result (QDialog::Accepted/Rejected).
int execModal(QDialog *dialog);

// Test seam. While a Script is alive, boxes are not shown: each is recorded,
// and confirmations are answered from the queue (Yes when it is empty);
// modal windows are handed to the modal handler, which drives them and
// closes them (if there is no handler the window is rejected at once).
class Script
{
public:
    Script();
    ~Script();
    Script(const Script &) = delete;
    Script &operator=(const Script &) = delete;

    void answerNextConfirmation(bool yes);
    void onModal(std::function<void(QDialog *)> handler);

    const QList<Shown> &shown() const { return m_shown; }
    QStringList texts() const;
    Shown last() const { return m_shown.isEmpty() ? Shown{Kind::Information, {}, {}} : m_shown.last(); }
    void clear() { m_shown.clear(); }

private:
    friend void inform(QWidget *, const QString &, const QString &);
    friend bool confirm(QWidget *, const QString &, const QString &);
    friend void error(QWidget *, const QString &, const QString &);
    friend void warn(QWidget *, const QString &, const QString &);
    friend int execModal(QDialog *);
    QList<Shown> m_shown;
    QList<bool> m_answers;
    std::function<void(QDialog *)> m_modalHandler;
    Script *m_previous = nullptr;
};

} // namespace Messages
