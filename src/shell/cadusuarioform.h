#pragma once

#include "modalwindow.h"

#include <QHash>

class DBCheckBox;
class DBEdit;
class DBGrid;
class QGroupBox;
class QLabel;
class QPushButton;

// "Permissões de Usuários": the users, their passwords and reminders, and the
// sixteen permissions, added, changed and deleted inside the one window.
class TCadUsuarioForm : public ModalWindow
{
    Q_OBJECT
public:
    static inline const QString kCaption = QStringLiteral("Permissões de Usuários");
    static inline const QString kNewCaption = QStringLiteral("Permissões de Usuários - Cadastro");
    static inline const QString kChangeCaption = QStringLiteral("Permissões de Usuários - Alteração");

    explicit TCadUsuarioForm(QWidget *parent = nullptr);

    DBGrid *grid() const { return m_grid; }
    DBCheckBox *permissionBox(const QString &column) const { return m_boxes.value(column); }
    QGroupBox *group(const QString &caption) const { return m_groups.value(caption); }

    void done(int result) override;

private:
    void addUser();
    void editUser();
    void deleteUser();
    void save();
    void cancel();
    void browse();
    void setEditing(bool editing, bool loginAndPermissions);
    int selectedKey() const;
    // Reopens the users at the selected row; false when there is none or it is gone.
    bool findSelected();

    DBGrid *m_grid;
    QLabel *m_selectedKey;
    DBEdit *m_login;
    DBEdit *m_password;
    DBEdit *m_reminder;
    QPushButton *m_add;
    QPushButton *m_edit;
    QPushButton *m_delete;
    QPushButton *m_save;
    QPushButton *m_cancel;
    QHash<QString, DBCheckBox *> m_boxes;
    QHash<QString, QGroupBox *> m_groups;
};
