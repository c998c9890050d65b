// The client picker as the point of sale, the service order editor and the
// cheque window use it: the protocol around it, its search, and what choosing
// a client does for each caller tag.

#include "clientesfornecedorestest.h"
#include "clientespicker.h"

namespace {

const QString kAllClients = QStringLiteral("select * from clientes");

} // namespace

class TestClientesPicker : public QObject
{
    Q_OBJECT

    std::unique_ptr<Shop> m_shop;

    Dataset *clients() { return m_shop->dm.ClientesQuery; }

    // Three clients entered out of name order, each with service orders.
    void addClientsAndOrders()
    {
        m_shop->addClient(1, QStringLiteral("ZECA"));
        m_shop->addClient(2, QStringLiteral("BIA \"BIBI\" ROCHA"));
        m_shop->addClient(3, QStringLiteral("JOANA"));
        for (const auto &[order, client] : {std::pair{1, 1}, {2, 3}, {3, 3}, {4, 2}})
            m_shop->run(QStringLiteral("insert into ordemserv (idordem, idcliente, descricao) values (%1, %2, \"TV\")")
                            .arg(order)
                            .arg(client));
        // The caller's screen had the clients by name, standing on the first.
        clients()->reopen(QStringLiteral("select * from clientes order by nome"));
    }

    static DBGrid *gridOf(QDialog *picker) { return picker->findChild<DBGrid *>(); }

private Q_SLOTS:
    void init() { m_shop = std::make_unique<Shop>(); }
    void cleanup() { m_shop.reset(); }

    void noClientNoPicker()
    {
        clients()->reopen(kAllClients);
        Messages::Script script;
        bool opened = false;
        script.onModal([&](QDialog *) { opened = true; });
        QWidget caller;
        QVERIFY(!TClientesForm2::pick(&caller, QStringLiteral("ordem")));
        QVERIFY(!opened);
        QCOMPARE(script.texts(), QStringList{QStringLiteral("Não existe cliente cadastrado!")});
        QCOMPARE(script.last().title, Messages::kAppTitle);
    }

    void choosingActsForTheCaller_data()
    {
        QTest::addColumn<QString>("tag");
        QTest::addColumn<bool>("withOk");

        QTest::newRow("vendas, OK") << "vendas" << true;
        QTest::newRow("vendas, double click") << "vendas" << false;
        QTest::newRow("ordem, OK") << "ordem" << true;
        QTest::newRow("ordem, double click") << "ordem" << false;
        QTest::newRow("cheque, OK") << "cheque" << true;
        QTest::newRow("cheque, double click") << "cheque" << false;
        QTest::newRow("another caller") << "outro" << true;
    }

    void choosingActsForTheCaller()
    {
        QFETCH(QString, tag);
        QFETCH(bool, withOk);
        addClientsAndOrders();

        // The callers have their record being entered before they open the picker.
        Dataset *sales = m_shop->dm.VendasQuery;
        Dataset *cheques = m_shop->dm.ChequesQuery;
        Dataset *orders = m_shop->dm.OrdensQuery;
        sales->append();
        sales->field(QStringLiteral("VENDEDOR")).setString(QStringLiteral("CAIXA 1"));
        cheques->append();
        cheques->field(QStringLiteral("NCHEQUE")).setString(QStringLiteral("000123"));
        orders->reopen(QStringLiteral("select * from ordemserv"));

        Messages::Script script;
        QString title, statementShown;
        QStringList namesShown;
        script.onModal([&](QDialog *picker) {
            title = picker->windowTitle();
            statementShown = clients()->sql();
            DBGrid *grid = gridOf(picker);
            namesShown = columnTexts(grid, 1);
            const int row = rowOfKey(grid, 3);
            if (withOk) {
                clickRow(grid, row);
                QVERIFY(click(picker, QStringLiteral("OK")));
            } else {
                doubleClickRow(grid, row);
            }
        });
        QWidget caller;
        const bool chosen = TClientesForm2::pick(&caller, tag);

        QVERIFY(chosen);
        QCOMPARE(script.texts(), QStringList());
        QCOMPARE(title, QStringLiteral("Clientes"));
        // Every client, in the database's own order.
        QCOMPARE(statementShown, kAllClients);
        QCOMPARE(namesShown.size(), 3);
        // The clients dataset stays on the chosen client.
        QCOMPARE(clients()->field(QStringLiteral("IDCLIENTE")).asInteger(), 3);

        const bool vendas = tag == QLatin1String("vendas");
        const bool ordem = tag == QLatin1String("ordem");
        const bool cheque = tag == QLatin1String("cheque");
        QCOMPARE(sales->field(QStringLiteral("IDCLIENTE")).asInteger(), vendas ? 3 : 0);
        QCOMPARE(sales->field(QStringLiteral("NOMECLI")).asString(), vendas ? QStringLiteral("JOANA") : QString());
        QCOMPARE(sales->field(QStringLiteral("VENDEDOR")).asString(), QStringLiteral("CAIXA 1"));
        QCOMPARE(sales->state(), Dataset::State::Insert);
        QCOMPARE(cheques->field(QStringLiteral("NOMECLIENTE")).asString(), cheque ? QStringLiteral("JOANA") : QString());
        QCOMPARE(cheques->field(QStringLiteral("NCHEQUE")).asString(), QStringLiteral("000123"));
        QCOMPARE(cheques->state(), Dataset::State::Insert);
        if (ordem) {
            QCOMPARE(orders->sql(), QStringLiteral("select * from ordemserv where idcliente=3"));
            orders->fetchMore();
            QCOMPARE(orders->rowCount(), 2);
        } else {
            QCOMPARE(orders->sql(), QStringLiteral("select * from ordemserv"));
        }
        // Nothing reached the database: the callers save their own records.
        QCOMPARE(m_shop->count("select count(*) from vendas"), 0);
        QCOMPARE(m_shop->count("select count(*) from cheques"), 0);
    }

    void closeBoxChoosesNothing()
    {
        addClientsAndOrders();
        Dataset *sales = m_shop->dm.VendasQuery;
        sales->append();
        Messages::Script script;
        script.onModal([&](QDialog *picker) {
            clickRow(gridOf(picker), rowOfKey(gridOf(picker), 2));
            picker->close();
        });
        QWidget caller;
        QVERIFY(!TClientesForm2::pick(&caller, QStringLiteral("vendas")));
        QCOMPARE(sales->field(QStringLiteral("IDCLIENTE")).asInteger(), 0);
        QVERIFY(sales->field(QStringLiteral("NOMECLI")).isNull());
        // The clients dataset stays where the selection was last.
        QCOMPARE(clients()->field(QStringLiteral("IDCLIENTE")).asInteger(), 2);
    }

    void enterAndEscDoNothing()
    {
        addClientsAndOrders();
        Messages::Script script;
        bool stillOpen = false;
        QString statement;
        script.onModal([&](QDialog *picker) {
            QVERIFY(typeInto(picker, QStringLiteral("Busca por cliente:"), QStringLiteral("joa")));
            pressKey(picker, Qt::Key_Return);
            statement = clients()->sql();
            pressKey(picker, Qt::Key_Escape);
            stillOpen = picker->isVisible();
        });
        QWidget caller;
        TClientesForm2::pick(&caller, QStringLiteral("ordem"));
        QCOMPARE(statement, kAllClients);
        QVERIFY(stillOpen);
    }

    void searches_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("statement");
        QTest::addColumn<QStringList>("names");

        QTest::newRow("blank: everyone, unordered") << "  " << kAllClients << QStringList{"ZECA", "BIA \"BIBI\" ROCHA", "JOANA"};
        QTest::newRow("part of the name, by name")
            << " a " << "select * from clientes where upper(nome) like \"%A%\" order by nome"
            << QStringList{"BIA \"BIBI\" ROCHA", "JOANA", "ZECA"};
        QTest::newRow("a double quote finds literally")
            << "\"bibi\"" << "select * from clientes where upper(nome) like \"%\"\"BIBI\"\"%\" order by nome"
            << QStringList{"BIA \"BIBI\" ROCHA"};
    }

    void searches()
    {
        QFETCH(QString, typed);
        QFETCH(QString, statement);
        QFETCH(QStringList, names);
        addClientsAndOrders();

        Messages::Script script;
        QString searched;
        QStringList shown;
        script.onModal([&](QDialog *picker) {
            QVERIFY(typeInto(picker, QStringLiteral("Busca por cliente:"), typed));
            QVERIFY(click(picker, QStringLiteral("Procurar")));
            searched = clients()->sql();
            shown = columnTexts(gridOf(picker), 1);
            // Choosing from a search result takes the row chosen there.
            clickRow(gridOf(picker), int(shown.size()) - 1);
            QVERIFY(click(picker, QStringLiteral("OK")));
        });
        QWidget caller;
        QVERIFY(TClientesForm2::pick(&caller, QStringLiteral("ordem")));
        QCOMPARE(script.texts(), QStringList());
        QCOMPARE(searched, statement);
        QCOMPARE(shown, names);
        QCOMPARE(clients()->field(QStringLiteral("NOME")).asString(), names.last());
    }

    void okWithNothingFoundChoosesNothing()
    {
        addClientsAndOrders();
        Dataset *orders = m_shop->dm.OrdensQuery;
        orders->reopen(QStringLiteral("select * from ordemserv"));
        Messages::Script script;
        script.onModal([&](QDialog *picker) {
            QVERIFY(typeInto(picker, QStringLiteral("Busca por cliente:"), QStringLiteral("ninguem")));
            QVERIFY(click(picker, QStringLiteral("Procurar")));
            QVERIFY(click(picker, QStringLiteral("OK")));
        });
        QWidget caller;
        QVERIFY(!TClientesForm2::pick(&caller, QStringLiteral("ordem")));
        QCOMPARE(orders->sql(), QStringLiteral("select * from ordemserv"));
        QCOMPARE(script.texts(), QStringList());
    }
};

QTEST_MAIN(TestClientesPicker)
#include "tst_clientespicker.moc"
