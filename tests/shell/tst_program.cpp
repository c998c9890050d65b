// The program's windows opened the way the shop opens them: from the menu
// and the icons of the main window, each prepared as its item says.

#include "iconbar.h"
#include "listwindow.h"
#include "shellfixture.h"
#include "programwindows.h"
#include "toolbarminimizer.h"


#include <QDialog>
#include <QToolBar>
#include <QToolButton>

namespace {

ListWindow *openedWindow(TPrincipalForm *principal, const QString &caption)
{
    for (ListWindow *w : principal->findChildren<ListWindow *>())
        if (w->windowTitle() == caption && w->isVisible())
            return w;
    return nullptr;
}

QStringList toolBarCaptions(TPrincipalForm *principal)
{
    QStringList captions;
    for (QAction *a : principal->minimizer()->toolBar()->actions())
        captions << a->text();
    return captions;
}

} // namespace

class TestProgram : public QObject
{
    Q_OBJECT

    std::unique_ptr<ShellFixture> m_app;

private Q_SLOTS:
    void initTestCase()
    {
        registerProgramWindows();
    }

    void init()
    {
        m_app = std::make_unique<ShellFixture>();
        m_app->start();
        m_app->signIn(QStringLiteral("ADMIN"), QStringLiteral("admin"));
    }
    void cleanup() { m_app.reset(); }

#ifdef TAVREL_HAS_REGISTERS
    void listsOpenPreparedFromMenuAndIcons()
    {
        m_app->principal->menuItem(QStringLiteral("Cadastros/Clientes"))->trigger();
        QCOMPARE(m_app->dm->ClientesQuery->sql(), QStringLiteral("select * from clientes order by nome"));
        QVERIFY(openedWindow(m_app->principal.get(), QStringLiteral("Lista de Clientes")));

        QTest::mouseClick(m_app->principal->icon(3), Qt::LeftButton);
        QCOMPARE(m_app->dm->ForneQuery->sql(), QStringLiteral("select * from fornecedores order by nomefantasia"));
        QVERIFY(openedWindow(m_app->principal.get(), QStringLiteral("Lista de Fornecedores")));

        QTest::mouseClick(m_app->principal->icon(7), Qt::LeftButton);
        QCOMPARE(m_app->dm->ProdForneQuery->sql(), QStringLiteral("select * from prodforne order by descricao"));
        QVERIFY(m_app->script.shown().isEmpty());
    }

    void twoListsWaitOnTheToolBar()
    {
        m_app->principal->menuItem(QStringLiteral("Cadastros/Clientes"))->trigger();
        m_app->principal->menuItem(QStringLiteral("Cadastros/Fornecedores"))->trigger();
        ListWindow *clients = openedWindow(m_app->principal.get(), QStringLiteral("Lista de Clientes"));
        ListWindow *suppliers = openedWindow(m_app->principal.get(), QStringLiteral("Lista de Fornecedores"));
        QVERIFY(clients && suppliers);
        clients->showMinimized();
        suppliers->showMinimized();
        QTRY_VERIFY(!clients->isVisible());
        QTRY_VERIFY(!suppliers->isVisible());
        QCOMPARE(toolBarCaptions(m_app->principal.get()),
                 (QStringList{QStringLiteral("Lista de Clientes"), QStringLiteral("Lista de Fornecedores")}));

        QAction *button = m_app->principal->minimizer()->buttonOf(clients);
        QTest::mouseClick(m_app->principal->minimizer()->toolBar()->widgetForAction(button), Qt::LeftButton);
        QTRY_VERIFY(clients->isVisible());
        QCOMPARE(toolBarCaptions(m_app->principal.get()), QStringList{QStringLiteral("Lista de Fornecedores")});
        QVERIFY(!suppliers->isVisible());
    }

    void stockReportsOpenWithMovementsOpen()
    {
        m_app->dm->ProdEntQuery->close();
        QTest::mouseClick(m_app->principal->icon(8), Qt::LeftButton);
        QVERIFY(m_app->dm->ProdEntQuery->isOpen());
        QVERIFY(m_app->principal->findChild<QWidget *>(QStringLiteral("TRelForm")));
    }

    void ordersOfTheCurrentClient()
    {
        m_app->execute(QStringLiteral("insert into clientes (idcliente, nome) values (3, \"CARLA\")"));
        m_app->dm->ClientesQuery->reopen(QStringLiteral("select * from clientes"));
        m_app->principal->menuItem(QStringLiteral("OS/Controle de Ordem de Serviço"))->trigger();
        QCOMPARE(m_app->dm->OrdensQuery->sql(), QStringLiteral("select * from ordemserv where idcliente=3"));
        m_app->principal->menuItem(QStringLiteral("OS/Ordens de Serviço [Lista]"))->trigger();
        QCOMPARE(m_app->dm->OrdensQuery->sql(), QStringLiteral("select * from ordemserv"));
    }
#endif

    void modalWindowsFromTheMenu()
    {
        QStringList titles;
        m_app->script.onModal([&](QDialog *dialog) {
            titles << dialog->windowTitle();
            dialog->reject();
        });
        m_app->principal->menuItem(QStringLiteral("Cadastros/Usuários"))->trigger();
        QCOMPARE(m_app->dm->UsuariosQuery->sql(), QStringLiteral("select * from usuarios"));
        m_app->principal->menuItem(QStringLiteral("Arquivo/Configurações"))->trigger();
        QVERIFY(m_app->dm->ConfigQuery->isOpen());
        QStringList expected{QStringLiteral("Permissões de Usuários"), QStringLiteral("Configurações")};
#ifdef TAVREL_HAS_ORDERS
        m_app->principal->menuItem(QStringLiteral("OS/OS em Branco"))->trigger();
        QCOMPARE(titles.size(), 3); // the blank order form's preview
#endif
        QCOMPARE(titles.mid(0, 2), expected);
        QVERIFY(m_app->script.texts().isEmpty());
    }
};

QTEST_MAIN(TestProgram)
#include "tst_program.moc"
