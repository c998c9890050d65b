#include "cadusuarioform.h"

#include "dbcontrols.h"
#include "dbgrid.h"
#include "dm.h"
#include "editcolours.h"
#include "messages.h"
#include "permissions.h"
#include "recordconventions.h"
#include "recordsequences.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kWholeTable = QStringLiteral("select * from usuarios");
const QString kKey = QStringLiteral("IDUSUARIO");
const QString kAdmin = QStringLiteral("ADMIN");

} // namespace

TCadUsuarioForm::TCadUsuarioForm(QWidget *parent)
    : ModalWindow(parent), m_grid(new DBGrid(this)), m_selectedKey(new QLabel(this)), m_login(new DBEdit(this)),
      m_password(new DBEdit(this)), m_reminder(new DBEdit(this))
{
    setWindowTitle(kCaption);
    Dataset *users = DM->UsuariosQuery;

    m_selectedKey->hide();
    m_grid->bind(users, {{QString(), QStringLiteral("LOGIN")}});
    m_grid->horizontalHeader()->hide();
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_grid->setTextColour(DBGrid::TextColour::BlackAll);
    m_grid->setSelectedKeyLabel(m_selectedKey, kKey);
    m_grid->setAccessibleName(QStringLiteral("Usuários"));
    m_grid->setFixedWidth(160);

    const auto button = [this](const QString &caption, void (TCadUsuarioForm::*handler)()) {
        auto *b = new QPushButton(caption, this);
        b->setAccessibleName(caption);
        connect(b, &QPushButton::clicked, this, handler);
        return b;
    };
    m_add = button(QStringLiteral("Adicionar Usuário"), &TCadUsuarioForm::addUser);
    m_edit = button(QStringLiteral("Editar Usuário"), &TCadUsuarioForm::editUser);
    m_delete = button(QStringLiteral("Excluir Usuário"), &TCadUsuarioForm::deleteUser);
    m_save = button(QStringLiteral("Gravar"), &TCadUsuarioForm::save);
    m_cancel = button(QStringLiteral("Cancelar"), &TCadUsuarioForm::cancel);

    m_login->bind(users, QStringLiteral("LOGIN"));
    m_login->setUpperCase(true);
    m_password->bind(users, QStringLiteral("SENHA"));
    m_reminder->bind(users, QStringLiteral("LEMBRETE"));
    auto *edits = new QFormLayout;
    const auto labelled = [&](const QString &caption, DBEdit *edit) {
        auto *label = new QLabel(caption, this);
        label->setBuddy(edit);
        edit->setAccessibleName(caption);
        edits->addRow(label, edit);
    };
    labelled(QStringLiteral("LOGIN"), m_login);
    labelled(QStringLiteral("SENHA"), m_password);
    labelled(QStringLiteral("Lembrete de Senha"), m_reminder);

    auto *groups = new QGridLayout;
    int groupIndex = 0;
    for (const QString &caption : Permissions::groups()) {
        auto *box = new QGroupBox(caption, this);
        box->setAccessibleName(caption);
        auto *column = new QVBoxLayout(box);
        for (const Permission &p : Permissions::all()) {
            if (p.group != caption)
                continue;
            auto *check = new DBCheckBox(p.checkCaption, box);
            check->setAccessibleName(p.checkCaption);
            check->bind(users, p.column);
            check->setValues(Permissions::kGranted, Permissions::kDenied);
            column->addWidget(check);
            m_boxes.insert(p.column, check);
        }
        column->addStretch(1);
        groups->addWidget(box, groupIndex / 3, groupIndex % 3);
        m_groups.insert(caption, box);
        ++groupIndex;
    }

    auto *upper = new QHBoxLayout;
    upper->addWidget(m_add);
    upper->addWidget(m_edit);
    upper->addWidget(m_delete);
    upper->addStretch(1);
    auto *lower = new QHBoxLayout;
    lower->addStretch(1);
    lower->addWidget(m_save);
    lower->addWidget(m_cancel);
    auto *right = new QVBoxLayout;
    right->addLayout(upper);
    right->addLayout(edits);
    right->addLayout(groups);
    right->addLayout(lower);
    auto *all = new QHBoxLayout(this);
    all->addWidget(m_grid);
    all->addLayout(right, 1);
    all->addWidget(m_selectedKey);

    browse();
}

bool TCadUsuarioForm::findSelected()
{
    const int key = selectedKey();
    if (key == 0) // an empty list
        return false;
    // The same message for editing and deleting a user gone meanwhile.
    return RecordSequences::findSelected(this, *DM->UsuariosQuery, kWholeTable, kKey, key,
                                         QStringLiteral("Não é possivel editar o usuário, o mesmo já não se encontra mais no sistema."));
}

int TCadUsuarioForm::selectedKey() const { return m_selectedKey->text().toInt(); }

void TCadUsuarioForm::setEditing(bool editing, bool loginAndPermissions)
{
    m_save->setEnabled(editing);
    m_cancel->setEnabled(editing);
    for (QPushButton *b : {m_add, m_edit, m_delete})
        b->setEnabled(!editing);
    EditColours::setEditable({m_password, m_reminder}, editing);
    EditColours::setEditable(m_login, editing && loginAndPermissions);
    for (QGroupBox *g : std::as_const(m_groups))
        g->setEnabled(editing && loginAndPermissions);
    m_grid->setEnabled(!editing);
}

void TCadUsuarioForm::browse()
{
    setWindowTitle(kCaption);
    setEditing(false, false);
}

void TCadUsuarioForm::addUser()
{
    Dataset &users = *DM->UsuariosQuery;
    try {
        users.append();
        setWindowTitle(kNewCaption);
        setEditing(true, true);
        for (const Permission &p : Permissions::all())
            users.field(p.column).setInteger(Permissions::kGranted);
        m_login->setFocus();
    } catch (const fb::Error &e) {
        Messages::error(this, e.message());
    }
}

void TCadUsuarioForm::editUser()
{
    if (!findSelected())
        return;
    Dataset &users = *DM->UsuariosQuery;
    try {
        users.refresh();
        users.edit();
        setWindowTitle(kChangeCaption);
        setEditing(true, users.field(QStringLiteral("LOGIN")).asString() != kAdmin);
    } catch (const fb::Error &e) {
        Messages::error(this, e.message());
    }
}

void TCadUsuarioForm::deleteUser()
{
    if (!findSelected())
        return;
    Dataset &users = *DM->UsuariosQuery;
    try {
        const QString login = users.field(QStringLiteral("LOGIN")).asString();
        if (login == kAdmin) {
            Messages::inform(this, QStringLiteral("Não é possivel excluir o usuário ADMIN"));
            return;
        }
        if (!Messages::confirm(this, QStringLiteral("Excluir Usuário"),
                               QStringLiteral("Deseja excluir o Usuário [ ") + login + QStringLiteral(" ] ?")))
            return;
        Records::deleteAtomically(users);
    } catch (const fb::Error &e) {
        Messages::error(this, e.message());
    }
}

void TCadUsuarioForm::save()
{
    Dataset &users = *DM->UsuariosQuery;
    if (users.field(QStringLiteral("LOGIN")).asString().isEmpty()) {
        Messages::inform(this, QStringLiteral("Login não pode estar em branco!"));
        return;
    }
    try {
        if (windowTitle() == kNewCaption)
            users.field(kKey).setInteger(Records::allocateKey(*DM->AuxQuery12, QStringLiteral("usuarios"), QStringLiteral("idusuario")));
        const int key = users.field(kKey).asInteger();
        Records::saveAtomically(users);
        Records::reopenAt(users, kWholeTable, kKey, key);
    } catch (const fb::Error &e) {
        Messages::error(this, e.message());
        return;
    }
    browse();
}

void TCadUsuarioForm::cancel()
{
    DM->UsuariosQuery->cancel();
    browse();
}

void TCadUsuarioForm::done(int result)
{
    // Closing the window in any way drops what was being typed.
    if (DM && DM->UsuariosQuery->isEditing())
        DM->UsuariosQuery->cancel();
    ModalWindow::done(result);
}
