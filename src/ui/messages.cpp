#include "messages.h"

#include <QAbstractButton>
#include <QDialog>
#include <QMessageBox>

namespace Messages {

namespace {
Script *activeScript = nullptr;
}

Script::Script() : m_previous(activeScript) { activeScript = this; }
Script::~Script() { activeScript = m_previous; }

void Script::answerNextConfirmation(bool yes) { m_answers.append(yes); }
void Script::onModal(std::function<void(QDialog *)> handler) { m_modalHandler = std::move(handler); }

QStringList Script::texts() const
{
    QStringList list;
    for (const Shown &s : m_shown)
        list << s.text;
    return list;
}

void inform(QWidget *parent, const QString &text, const QString &title)
{
    if (activeScript) {
        activeScript->m_shown.append({Kind::Information, title, text});
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    box.exec();
}

void warn(QWidget *parent, const QString &text, const QString &title)
{
    if (activeScript) {
        activeScript->m_shown.append({Kind::Warning, title, text});
        return;
    }
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, parent);
    box.exec();
}

bool confirm(QWidget *parent, const QString &title, const QString &text)
{
    if (activeScript) {
        activeScript->m_shown.append({Kind::Confirmation, title, text});
        return activeScript->m_answers.isEmpty() ? true : activeScript->m_answers.takeFirst();
    }
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("&Sim"));
    box.button(QMessageBox::No)->setText(QStringLiteral("&Não"));
    return box.exec() == QMessageBox::Yes;
}

void error(QWidget *parent, const QString &text, const QString &title)
{
    if (activeScript) {
        activeScript->m_shown.append({Kind::Error, title, text});
        return;
    }
    QMessageBox box(QMessageBox::Critical, title, text, QMessageBox::Ok, parent);
    box.exec();
}

int execModal(QDialog *dialog)
{
    if (activeScript) {
        dialog->setModal(true);
        dialog->show();
        if (activeScript->m_modalHandler)
            activeScript->m_modalHandler(dialog);
        if (dialog->isVisible())
            dialog->reject();
        return dialog->result();
    }
    return dialog->exec();
}

} // namespace Messages
