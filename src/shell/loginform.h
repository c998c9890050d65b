#pragma once

#include <QWidget>

class QComboBox;
class QLineEdit;
class QPushButton;
class TPrincipalForm;

// "Tela de Login": the user picks a login, types the password, and the main
// window opens trimmed to that user's permissions. A window of its own, not
// a child of the main window, which stays disabled until the login succeeds.
class TLoginForm : public QWidget
{
    Q_OBJECT
public:
    explicit TLoginForm(TPrincipalForm *principal);

    // Fills the login list from UsuariosQuery (all users, as the database returns them).
    void loadLogins();

    QComboBox *loginBox() const { return m_login; }
    QLineEdit *passwordBox() const { return m_password; }

private:
    void chooseLogin(int index);
    void accessSystem();
    void showReminder();
    void closeSystem();

    TPrincipalForm *m_principal;
    QComboBox *m_login;
    QLineEdit *m_password;
};
