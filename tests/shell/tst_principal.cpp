// The program's frame: start, the menu and icons, login and permissions, end.

#include "aboutforms.h"
#include "iconbar.h"
#include "installpaths.h"
#include "shellfixture.h"

#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>

namespace {

// The menu as the user sees it: "Menu: item, item, -, item" per menu.
QStringList menuOutline(QMenuBar *bar)
{
    QStringList outline;
    for (QAction *top : bar->actions()) {
        QStringList items;
        for (QAction *a : top->menu()->actions())
            items << (a->isSeparator() ? QStringLiteral("-") : a->text());
        outline << top->text() + QStringLiteral(": ") + items.join(QStringLiteral(", "));
    }
    return outline;
}

void writeLocalBase(const QByteArray &content)
{
    QFile f(InstallPaths::localBaseFile());
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(content);
}

const QStringList kGatedItems = {
    QStringLiteral("Arquivo/Configurações"), QStringLiteral("Cadastros/Clientes"), QStringLiteral("Cadastros/Fornecedores"),
    QStringLiteral("Cadastros/Estoque"), QStringLiteral("Cadastros/Usuários"), QStringLiteral("Vendas/VENDAS"),
    QStringLiteral("Vendas/Relatório de Vendas"), QStringLiteral("Financeiro/Contas a Pagar"),
    QStringLiteral("Financeiro/Controle de Cheques"), QStringLiteral("Financeiro/Carnês - Débitos de Clientes"),
    QStringLiteral("OS/Controle de Ordem de Serviço"), QStringLiteral("OS/Ordens de Serviço [Lista]"),
    QStringLiteral("OS/Agenda de Ordens de Serviço"), QStringLiteral("OS/OS em Branco"),
    QStringLiteral("Relatórios/Relatório de Estoque"), QStringLiteral("Relatórios/Relatório de Vendas"),
    QStringLiteral("Relatórios/Carnês Quitados (Parcelas)")};

} // namespace

class TestPrincipal : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void startOpensTheDatabaseAndAsksForTheLogin()
    {
        ShellFixture app;
        app.start();
        QCOMPARE(app.principal->windowTitle(), QStringLiteral("Tavrel 2.3 - Meridel"));
        QVERIFY(app.dm->Database().isOpen());
        for (Dataset *ds : {app.dm->ClientesQuery, app.dm->ForneQuery, app.dm->ConfigQuery, app.dm->OrdensQuery,
                            app.dm->ProdForneQuery, app.dm->ProdEntQuery, app.dm->ContasPagQuery, app.dm->ChequesQuery,
                            app.dm->AgendaOSQuery, app.dm->VendasQuery, app.dm->CarneQuery, app.dm->ConfigEmailQuery,
                            app.dm->UsuariosQuery})
            QVERIFY2(ds->isOpen(), qPrintable(ds->table()->name));
        QVERIFY(!app.dm->IVendasQuery->isOpen());
        QVERIFY(!app.dm->ParcelasQuery->isOpen());
        QVERIFY(!app.principal->isEnabled());
        QVERIFY(app.login->isVisible());
        QCOMPARE(app.login->windowTitle(), QStringLiteral("Tela de Login"));
        QCOMPARE(app.login->loginBox()->currentText(), QStringLiteral("ADMIN"));
        QVERIFY(app.script.shown().isEmpty());
    }

    void failedStartOffersNoLogin_data()
    {
        QTest::addColumn<bool>("fileExists");
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("no localbase.txt") << false << QByteArray();
        QTest::newRow("empty line after the string") << true << QByteArray("%1\n\n");
        QTest::newRow("a database that is not there") << true << QByteArray("/nao/existe/DADOS.GDB");
    }

    void failedStartOffersNoLogin()
    {
        QFETCH(bool, fileExists);
        QFETCH(QByteArray, content);
        ShellFixture app;
        QFile::remove(InstallPaths::localBaseFile());
        if (fileExists)
            writeLocalBase(QString::fromUtf8(content).arg(InstallPaths::databaseFile()).toUtf8());
        app.start();
        QCOMPARE(app.script.shown().size(), 1);
        QCOMPARE(app.script.last().kind, Messages::Kind::Error);
        QVERIFY(!app.script.last().text.isEmpty());
        QVERIFY(app.principal->startFailed());
        QVERIFY(!app.login->isVisible());
        QVERIFY(!app.principal->isVisible());
        QVERIFY(!app.dm->Database().isOpen());
    }

    void twoLinesOpenTheSecond()
    {
        ShellFixture app;
        writeLocalBase("/nao/existe/ANTIGO.GDB\n" + InstallPaths::databaseFile().toUtf8());
        app.start();
        QVERIFY(app.script.shown().isEmpty());
        QVERIFY(app.dm->Database().isOpen());
    }

    void menuHasEveryItemInOrder()
    {
        ShellFixture app;
        QCOMPARE(menuOutline(app.principal->menuBar()),
                 (QStringList{
                     QStringLiteral("Arquivo: Configurações, -, Sair"),
                     QStringLiteral("Cadastros: Clientes, Fornecedores, Estoque, -, Usuários"),
                     QStringLiteral("Vendas: VENDAS, -, Relatório de Vendas"),
                     QStringLiteral("Financeiro: Contas a Pagar, Controle de Cheques, -, Carnês - Débitos de Clientes"),
                     QStringLiteral("OS: Controle de Ordem de Serviço, Ordens de Serviço [Lista], Agenda de Ordens de Serviço, -, OS em Branco"),
                     QStringLiteral("Relatórios: Relatório de Estoque, Relatório de Vendas, Carnês Quitados (Parcelas)"),
                     QStringLiteral("Sobre: Meridel, Histórico das Versões, -, Sobre"),
                 }));
        QStringList popup;
        for (QAction *a : app.principal->financePopup()->actions())
            popup << (a->isSeparator() ? QStringLiteral("-") : a->text());
        QCOMPARE(popup, (QStringList{QStringLiteral("Contas à Pagar"), QStringLiteral("Controle de Cheques"), QStringLiteral("-"),
                                     QStringLiteral("Carnês - Débitos de Clientes")}));
        QCOMPARE(app.principal->iconBar()->icons().size(), 8);
        QCOMPARE(app.principal->statusPanel(0)->text(), QStringLiteral("Meridel - www.meridel.com.br"));
    }

    void passwordIsComparedExactly_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("as stored") << QStringLiteral("admin") << true;
        QTest::newRow("other case") << QStringLiteral("ADMIN") << false;
        QTest::newRow("with a blank") << QStringLiteral("admin ") << false;
        QTest::newRow("empty") << QString() << false;
    }

    void passwordIsComparedExactly()
    {
        QFETCH(QString, typed);
        QFETCH(bool, accepted);
        ShellFixture app;
        app.start();
        app.signIn(QStringLiteral("ADMIN"), typed);
        QCOMPARE(app.principal->isEnabled(), accepted);
        QCOMPARE(app.login->isVisible(), !accepted);
        QCOMPARE(app.principal->signedInLogin(), accepted ? QStringLiteral("ADMIN") : QString());
        if (!accepted)
            QCOMPARE(app.script.texts(), QStringList{QStringLiteral("Senha incorreta! Tente novamente.")});
    }

    void userWithEveryFlagDeniedSeesOnlySairAndSobre()
    {
        ShellFixture app;
        app.seed(QStringLiteral(
            "insert into usuarios (idusuario, login, senha, lembrete, tcliente, tfornecedores, tprodutos, tusuarios, "
            "tvendas, tcontas, tcheques, tcarnes, tconfigura, trelestoque, trelvendas, trelcarnes, tcontroleos, "
            "tlistaos, tagendaos, tosbranco) values (2, \"BALCAO\", \"\", \"sem senha\", 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2)"));
        app.start();
        // The reminder of the chosen user.
        app.signIn(QStringLiteral("BALCAO"), QStringLiteral("wrong"));
        QTest::mouseClick(findNamed<QPushButton>(app.login.get(), QStringLiteral("Lembrete de Senha deste Usuário")), Qt::LeftButton);
        QCOMPARE(app.script.last().text, QStringLiteral("sem senha"));
        // An empty password signs in with an empty field.
        app.signIn(QStringLiteral("BALCAO"), QString());
        QVERIFY(app.principal->isEnabled());
        QCOMPARE(app.principal->signedInLogin(), QStringLiteral("BALCAO"));
        for (const QString &path : kGatedItems)
            QVERIFY2(!app.principal->menuItem(path)->isEnabled(), qPrintable(path));
        for (const QString &path : {QStringLiteral("Arquivo/Sair"), QStringLiteral("Sobre/Meridel"),
                                    QStringLiteral("Sobre/Histórico das Versões"), QStringLiteral("Sobre/Sobre")})
            QVERIFY2(app.principal->menuItem(path)->isEnabled(), qPrintable(path));
        for (QAction *a : app.principal->financePopup()->actions())
            QVERIFY(a->isSeparator() || !a->isEnabled());

        // The finance icon still opens its pop-up, at 200, 100.
        QPoint shownAt;
        auto previous = TPrincipalForm::popupShower();
        TPrincipalForm::popupShower() = [&](QMenu *, const QPoint &at) { shownAt = at; };
        QTest::mouseClick(app.principal->icon(4), Qt::LeftButton);
        TPrincipalForm::popupShower() = previous;
        QCOMPARE(shownAt, QPoint(200, 100));
        // Every other icon says no.
        app.script.clear();
        for (int position : {1, 2, 3, 5, 6, 7, 8})
            QTest::mouseClick(app.principal->icon(position), Qt::LeftButton);
        QCOMPARE(app.script.texts(), QStringList(7, QStringLiteral("Permissão Negada!")));
    }

    void iconsReadThePermissionAnew()
    {
        ShellFixture app;
        app.start();
        app.signIn(QStringLiteral("ADMIN"), QStringLiteral("admin"));
        app.execute(QStringLiteral("update usuarios set tcliente = 2 where login = \"ADMIN\""));
        QTest::mouseClick(app.principal->icon(2), Qt::LeftButton);
        QCOMPARE(app.script.texts(), QStringList{QStringLiteral("Permissão Negada!")});
        QCOMPARE(app.dm->UsuariosQuery->sql(), QStringLiteral("select * from usuarios where login=\"ADMIN\""));
        // The menu keeps what the login gave it until the next start.
        QVERIFY(app.principal->menuItem(QStringLiteral("Cadastros/Clientes"))->isEnabled());
    }

    void iconsHighlightUnderThePointer()
    {
        ShellFixture app;
        app.start();
        app.signIn(QStringLiteral("ADMIN"), QStringLiteral("admin"));
        BarIcon *clients = app.principal->icon(2);
        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QCoreApplication::sendEvent(clients, &enter);
        QVERIFY(clients->isHighlighted());
        QCOMPARE(clients->toolTip(), QStringLiteral("Lista de Clientes"));
        QCOMPARE(clients->cursor().shape(), Qt::PointingHandCursor);
        app.principal->iconBar()->resetIcons();
        QVERIFY(!clients->isHighlighted());
    }

    void aboutHistoryAndSite()
    {
        ShellFixture app;
        QStringList seen;
        app.script.onModal([&](QDialog *dialog) {
            seen << dialog->windowTitle();
            if (auto *history = qobject_cast<THistoricoForm *>(dialog)) {
                QVERIFY(history->text()->isReadOnly());
                seen << history->text()->toPlainText().split(u'\n').mid(0, 5);
            }
            dialog->accept();
        });
        app.principal->menuItem(QStringLiteral("Sobre/Histórico das Versões"))->trigger();
        app.principal->menuItem(QStringLiteral("Sobre/Sobre"))->trigger();
        QCOMPARE(seen, (QStringList{QStringLiteral("Histórico de Versões  - Tavrel"), QStringLiteral("Histórico de Versões - Tavrel"),
                                    QString(), QStringLiteral("v2.3"), QStringLiteral("* Permissões de Usuário."),
                                    QStringLiteral("* Envio de OS por E-mail."), QStringLiteral("Sobre - Ordem de Serviço")}));
        QCOMPARE(THistoricoForm::lines().size(), 29);
        QCOMPARE(THistoricoForm::lines().last(), QStringLiteral("* Relatório de Estoque."));

        QString opened;
        auto previous = TPrincipalForm::siteOpener();
        TPrincipalForm::siteOpener() = [&](const QString &site) { opened = site; };
        app.principal->menuItem(QStringLiteral("Sobre/Meridel"))->trigger();
        TPrincipalForm::siteOpener() = previous;
        QCOMPARE(opened, QStringLiteral("www.meridel.com.br"));
    }

    void sairClosesEveryDatasetThenTheConnection()
    {
        ShellFixture app;
        app.start();
        app.signIn(QStringLiteral("ADMIN"), QStringLiteral("admin"));
        // Something saved but never committed by hand is committed at the end.
        app.dm->Database().execute(QStringLiteral("insert into clientes (idcliente, nome) values (1, \"ÚLTIMO\")"));
        app.principal->menuItem(QStringLiteral("Arquivo/Sair"))->trigger();
        QVERIFY(!app.principal->isVisible());
        QVERIFY(!app.dm->Database().isOpen());
        for (Dataset *ds : app.dm->allDatasets())
            QVERIFY(!ds->isOpen());
        fb::Connection after;
        after.open(app.database->path());
        QCOMPARE(after.scalar(QStringLiteral("select nome from clientes")).toString(), QStringLiteral("ÚLTIMO"));
    }

    void fecharSistemaEndsTheProgram()
    {
        ShellFixture app;
        app.start();
        QTest::mouseClick(findNamed<QPushButton>(app.login.get(), QStringLiteral("Fechar Sistema")), Qt::LeftButton);
        QVERIFY(!app.login->isVisible());
        QVERIFY(!app.principal->isVisible());
        QVERIFY(!app.dm->Database().isOpen());
    }
};

QTEST_MAIN(TestPrincipal)
#include "tst_principal.moc"
