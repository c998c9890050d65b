#include "loginform.h"

#include "artwork.h"
#include "dm.h"
#include "listwindow.h"
#include "messages.h"
#include "principalform.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TLoginForm::TLoginForm(TPrincipalForm *principal)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_principal(principal), m_login(new QComboBox(this)), m_password(new QLineEdit(this))
{
    setWindowTitle(QStringLiteral("Tela de Login"));
    setAccessibleName(QStringLiteral("Tela de Login"));

    m_password->setEchoMode(QLineEdit::Password);
    m_password->setStyleSheet(QStringLiteral("lineedit-password-character: 42")); // an asterisk per character
    auto *form = new QFormLayout;
    auto *loginLabel = new QLabel(QStringLiteral("Login:"), this);
    auto *passwordLabel = new QLabel(QStringLiteral("Senha:"), this);
    loginLabel->setBuddy(m_login);
    passwordLabel->setBuddy(m_password);
    m_login->setAccessibleName(QStringLiteral("Login:"));
    m_password->setAccessibleName(QStringLiteral("Senha:"));
    form->addRow(loginLabel, m_login);
    form->addRow(passwordLabel, m_password);

    auto *picture = new QLabel(this);
    picture->setPixmap(Artwork::loginPicture());
    auto *top = new QHBoxLayout;
    top->addWidget(picture);
    top->addLayout(form, 1);

    const auto button = [this](const QString &caption, void (TLoginForm::*handler)()) {
        auto *b = new QPushButton(caption, this);
        b->setAccessibleName(caption);
        connect(b, &QPushButton::clicked, this, handler);
        return b;
    };
    QPushButton *access = button(QStringLiteral("Acessar Sistema"), &TLoginForm::accessSystem);
    access->setDefault(true);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(access);
    buttons->addWidget(button(QStringLiteral("Fechar Sistema"), &TLoginForm::closeSystem));
    auto *column = new QVBoxLayout(this);
    column->addLayout(top);
    column->addLayout(buttons);
    column->addWidget(button(QStringLiteral("Lembrete de Senha deste Usuário"), &TLoginForm::showReminder));
    connect(m_password, &QLineEdit::returnPressed, this, &TLoginForm::accessSystem);
    connect(m_login, &QComboBox::activated, this, &TLoginForm::chooseLogin);
    setFixedSize(sizeHint().expandedTo(QSize(380, 0)));
}

void TLoginForm::loadLogins()
{
    Dataset &users = *DM->UsuariosQuery;
    const int current = users.currentRow();
    m_login->clear();
    const int column = users.columnIndex(QStringLiteral("LOGIN"));
    // The users table is short; the list shows every login.
    users.fetchAll();
    for (int row = 0; row < users.rowCount(); ++row)
        m_login->addItem(users.value(row, column).toString());
    if (current >= 0)
        users.moveTo(current);
    m_login->setCurrentIndex(users.currentRow());
    centreOnScreen(this);
}

void TLoginForm::chooseLogin(int index) { DM->UsuariosQuery->moveTo(index); }

void TLoginForm::accessSystem()
{
    Dataset &users = *DM->UsuariosQuery;
    if (users.currentRow() < 0 || m_password->text() != users.field(QStringLiteral("SENHA")).asString()) {
        Messages::inform(this, QStringLiteral("Senha incorreta! Tente novamente."));
        return;
    }
    m_principal->applyLogin();
    hide();
}

void TLoginForm::showReminder()
{
    Dataset &users = *DM->UsuariosQuery;
    Messages::inform(this, users.currentRow() < 0 ? QString() : users.field(QStringLiteral("LEMBRETE")).asString());
}

void TLoginForm::closeSystem()
{
    hide();
    m_principal->close();
}
