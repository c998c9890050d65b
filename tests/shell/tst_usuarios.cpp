// "Permissões de Usuários": adding, changing and deleting users and their flags.

#include "cadusuarioform.h"
#include "dbcontrols.h"
#include "dbgrid.h"
#include "shellfixture.h"

#include <QGroupBox>

class TestUsuarios : public QObject
{
    Q_OBJECT

    std::unique_ptr<ShellFixture> m_app;
    std::unique_ptr<TCadUsuarioForm> m_form;

    QPushButton *button(const QString &caption) { return findNamed<QPushButton>(m_form.get(), caption); }
    DBEdit *edit(const QString &caption) { return findNamed<DBEdit>(m_form.get(), caption); }
    void click(const QString &caption) { QTest::mouseClick(button(caption), Qt::LeftButton); }
    int count(const QString &sql) { return m_app->dm->Database().scalar(sql).toInt(); }

    // Selects a user in the grid with the mouse.
    void select(const QString &login)
    {
        DBGrid *grid = m_form->grid();
        for (int row = 0; row < grid->model()->rowCount(); ++row) {
            const QModelIndex index = grid->model()->index(row, 0);
            if (index.data().toString() == login) {
                QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(index).center());
                return;
            }
        }
        QFAIL(qPrintable(login + QStringLiteral(" not in the grid")));
    }

    void openWindow()
    {
        m_form.reset();
        m_form = std::make_unique<TCadUsuarioForm>(m_app->principal.get());
        m_form->show();
    }

private Q_SLOTS:
    void init()
    {
        m_app = std::make_unique<ShellFixture>();
        m_app->start();
        m_app->signIn(QStringLiteral("ADMIN"), QStringLiteral("admin"));
        m_app->dm->UsuariosQuery->reopen(QStringLiteral("select * from usuarios"));
        openWindow();
    }
    void cleanup()
    {
        m_form.reset();
        m_app.reset();
    }

    void browsingLocksTheControls()
    {
        QCOMPARE(m_form->windowTitle(), QStringLiteral("Permissões de Usuários"));
        for (const QString &caption : {QStringLiteral("LOGIN"), QStringLiteral("SENHA"), QStringLiteral("Lembrete de Senha")})
            QVERIFY(!edit(caption)->isEnabled());
        for (const QString &group : {QStringLiteral("Cadastros"), QStringLiteral("Financeiro"), QStringLiteral("Ordem de Serviço"),
                                     QStringLiteral("Relatórios"), QStringLiteral("Outros")})
            QVERIFY2(!m_form->group(group)->isEnabled(), qPrintable(group));
        QVERIFY(!button(QStringLiteral("Gravar"))->isEnabled());
        QVERIFY(button(QStringLiteral("Adicionar Usuário"))->isEnabled());
        QCOMPARE(m_form->group(QStringLiteral("Cadastros"))->findChildren<DBCheckBox *>().size(), 4);
        QCOMPARE(m_form->findChildren<DBCheckBox *>().size(), 16);
    }

    void addingTicksEveryBoxAndSavesWhatIsLeftTicked()
    {
        click(QStringLiteral("Adicionar Usuário"));
        QCOMPARE(m_form->windowTitle(), QStringLiteral("Permissões de Usuários - Cadastro"));
        for (DBCheckBox *box : m_form->findChildren<DBCheckBox *>())
            QVERIFY2(box->isChecked(), qPrintable(box->text()));
        QVERIFY(!button(QStringLiteral("Adicionar Usuário"))->isEnabled());

        // No login: refused, still adding.
        click(QStringLiteral("Gravar"));
        QCOMPARE(m_app->script.last().text, QStringLiteral("Login não pode estar em branco!"));
        QCOMPARE(m_form->windowTitle(), QStringLiteral("Permissões de Usuários - Cadastro"));

        typeText(edit(QStringLiteral("LOGIN")), QStringLiteral("joão"));
        QTest::keyClicks(edit(QStringLiteral("SENHA")), QStringLiteral("Seg1"));
        QTest::mouseClick(m_form->permissionBox(QStringLiteral("TCLIENTE")), Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseClick(m_form->permissionBox(QStringLiteral("TOSBRANCO")), Qt::LeftButton, {}, QPoint(5, 5));
        click(QStringLiteral("Gravar"));
        QCOMPARE(m_form->windowTitle(), QStringLiteral("Permissões de Usuários"));
        QCOMPARE(count(QStringLiteral("select count(*) from usuarios where idusuario = 2 and login = \"JOÃO\" and senha = \"Seg1\" "
                                      "and tcliente = 2 and tosbranco = 2 and tfornecedores = 1 and tconfigura = 1")), 1);
        QVERIFY(!edit(QStringLiteral("LOGIN"))->isEnabled());
    }

    void adminKeepsItsLoginAndPermissions()
    {
        select(QStringLiteral("ADMIN"));
        click(QStringLiteral("Editar Usuário"));
        QCOMPARE(m_form->windowTitle(), QStringLiteral("Permissões de Usuários - Alteração"));
        QVERIFY(!edit(QStringLiteral("LOGIN"))->isEnabled());
        QVERIFY(edit(QStringLiteral("SENHA"))->isEnabled());
        QVERIFY(edit(QStringLiteral("Lembrete de Senha"))->isEnabled());
        QVERIFY(!m_form->group(QStringLiteral("Cadastros"))->isEnabled());
        edit(QStringLiteral("SENHA"))->selectAll();
        QTest::keyClicks(edit(QStringLiteral("SENHA")), QStringLiteral("nova"));
        click(QStringLiteral("Gravar"));
        QCOMPARE(count(QStringLiteral("select count(*) from usuarios where login = \"ADMIN\" and senha = \"nova\"")), 1);

        select(QStringLiteral("ADMIN"));
        click(QStringLiteral("Excluir Usuário"));
        QCOMPARE(m_app->script.last().text, QStringLiteral("Não é possivel excluir o usuário ADMIN"));
        QCOMPARE(count(QStringLiteral("select count(*) from usuarios")), 1);
    }

    void deletingAsksAndFindsUsersGoneElsewhere()
    {
        m_app->execute(QStringLiteral("insert into usuarios (idusuario, login, senha) values (5, \"CAIXA\", \"1\")"));
        m_app->execute(QStringLiteral("insert into usuarios (idusuario, login, senha) values (6, \"TECNICO\", \"2\")"));
        m_app->dm->UsuariosQuery->reopen(QStringLiteral("select * from usuarios"));

        select(QStringLiteral("CAIXA"));
        m_app->script.answerNextConfirmation(false);
        click(QStringLiteral("Excluir Usuário"));
        QCOMPARE(m_app->script.last().kind, Messages::Kind::Confirmation);
        QCOMPARE(m_app->script.last().title, QStringLiteral("Excluir Usuário"));
        QCOMPARE(m_app->script.last().text, QStringLiteral("Deseja excluir o Usuário [ CAIXA ] ?"));
        QCOMPARE(count(QStringLiteral("select count(*) from usuarios where idusuario = 5")), 1);

        select(QStringLiteral("CAIXA"));
        m_app->script.answerNextConfirmation(true);
        click(QStringLiteral("Excluir Usuário"));
        QCOMPARE(count(QStringLiteral("select count(*) from usuarios where idusuario = 5")), 0);

        // Another workstation deletes the user this one shows selected.
        const auto deletedElsewhere = [&](const QString &login, const QString &action) {
            m_app->dm->UsuariosQuery->reopen(QStringLiteral("select * from usuarios"));
            select(login);
            fb::Connection other;
            other.open(m_app->database->path());
            other.execute(QStringLiteral("delete from usuarios where login = ?"), {login});
            other.commit();
            m_app->script.clear();
            click(action);
            QCOMPARE(m_app->script.texts(),
                     QStringList{QStringLiteral("Não é possivel editar o usuário, o mesmo já não se encontra mais no sistema.")});
            QCOMPARE(m_form->windowTitle(), QStringLiteral("Permissões de Usuários"));
        };
        m_app->execute(QStringLiteral("insert into usuarios (idusuario, login, senha) values (7, \"AUXILIAR\", \"3\")"));
        deletedElsewhere(QStringLiteral("TECNICO"), QStringLiteral("Editar Usuário"));
        deletedElsewhere(QStringLiteral("AUXILIAR"), QStringLiteral("Excluir Usuário"));
    }

    void enterAndEscMeanNothingHere()
    {
        click(QStringLiteral("Adicionar Usuário"));
        QTest::keyClicks(edit(QStringLiteral("LOGIN")), QStringLiteral("CAIXA"));
        QTest::keyClick(edit(QStringLiteral("LOGIN")), Qt::Key_Return);
        QTest::keyClick(edit(QStringLiteral("LOGIN")), Qt::Key_Escape);
        QVERIFY(m_form->isVisible());
        QCOMPARE(m_form->windowTitle(), QStringLiteral("Permissões de Usuários - Cadastro"));
        QCOMPARE(edit(QStringLiteral("LOGIN"))->text(), QStringLiteral("CAIXA"));
        click(QStringLiteral("Cancelar"));
        // Browsing: Enter on the grid adds no user.
        QTest::keyClick(m_form->grid(), Qt::Key_Return);
        QCOMPARE(m_form->windowTitle(), QStringLiteral("Permissões de Usuários"));
        QVERIFY(!m_app->dm->UsuariosQuery->isEditing());
    }

    void cancelAndClosingDropTheChange()
    {
        select(QStringLiteral("ADMIN"));
        click(QStringLiteral("Editar Usuário"));
        QTest::keyClicks(edit(QStringLiteral("Lembrete de Senha")), QStringLiteral(" mudado"));
        click(QStringLiteral("Cancelar"));
        QVERIFY(!m_app->dm->UsuariosQuery->isEditing());
        click(QStringLiteral("Adicionar Usuário"));
        QTest::keyClicks(edit(QStringLiteral("LOGIN")), QStringLiteral("TEMP"));
        m_form->close();
        QVERIFY(!m_app->dm->UsuariosQuery->isEditing());
        m_app->dm->commitRetaining();
        QCOMPARE(count(QStringLiteral("select count(*) from usuarios")), 1);
        QCOMPARE(count(QStringLiteral("select count(*) from usuarios where lembrete like \"%mudado%\"")), 0);
    }
};

QTEST_MAIN(TestUsuarios)
#include "tst_usuarios.moc"
