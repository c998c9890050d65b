// The record conventions every screen follows: search statements built from
// what the user typed, key allocation, and saves that land whole or not at all.

#include "dm.h"
#include "recordconventions.h"
#include "testdatabase.h"

#include <QtTest>

namespace {

const QString kBeginning = QStringLiteral("select * from clientes where upper(nome) like \"%");
const QString kEnd = QStringLiteral("%\" order by nome");
const QString kWhole = QStringLiteral("select * from clientes order by nome");

} // namespace

class TestRecordConventions : public QObject
{
    Q_OBJECT

    std::unique_ptr<ConnectedDatabase> m_db;

    void addClient(int id, const QString &name)
    {
        m_db->dm.Database().execute(QStringLiteral("insert into clientes (idcliente, nome) values (?, ?)"), {id, name});
        m_db->dm.commitRetaining();
    }

    QStringList namesFound(const QString &typed)
    {
        Dataset *ds = m_db->dm.ClientesQuery;
        ds->reopen(Sql::searchStatement(typed, kBeginning, kEnd, kWhole));
        ds->fetchAll();
        QStringList names;
        for (int r = 0; r < ds->rowCount(); ++r)
            names << ds->value(r, ds->columnIndex(QStringLiteral("NOME"))).toString();
        return names;
    }

private Q_SLOTS:
    void init() { m_db = std::make_unique<ConnectedDatabase>(); }
    void cleanup() { m_db.reset(); }

    void searchStatementText_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("statement");
        QTest::newRow("ordinary") << QStringLiteral("jo")
                                  << QStringLiteral("select * from clientes where upper(nome) like \"%JO%\" order by nome");
        QTest::newRow("blanks around") << QStringLiteral("  jo \t")
                                       << QStringLiteral("select * from clientes where upper(nome) like \"%JO%\" order by nome");
        QTest::newRow("blank") << QStringLiteral("   ") << kWhole;
        QTest::newRow("double quote doubled") << QStringLiteral("tv 29\"")
                                              << QStringLiteral("select * from clientes where upper(nome) like \"%TV 29\"\"%\" order by nome");
    }

    void searchStatementText()
    {
        QFETCH(QString, typed);
        QFETCH(QString, statement);
        QCOMPARE(Sql::searchStatement(typed, kBeginning, kEnd, kWhole), statement);
    }

    void searchFindsWhatWasTyped_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("found");
        QTest::newRow("letters in any case") << QStringLiteral(" jo ")
                                             << QStringList{QStringLiteral("JOANA"), QStringLiteral("JOSÉ SILVA"), QStringLiteral("maria jorge")};
        QTest::newRow("accented lower case") << QStringLiteral("josé") << QStringList{QStringLiteral("JOSÉ SILVA")};
        QTest::newRow("blank lists all by name")
            << QString() << QStringList{QStringLiteral("JOANA"), QStringLiteral("JOSÉ SILVA"), QStringLiteral("TV 29\" LTDA"), QStringLiteral("maria jorge")};
        QTest::newRow("double quote found literally") << QStringLiteral("29\"") << QStringList{QStringLiteral("TV 29\" LTDA")};
        QTest::newRow("sql typed is only text") << QStringLiteral("\" or \"\"=\"") << QStringList{};
        QTest::newRow("statement end typed") << QStringLiteral("%\" order by idcliente; delete from clientes --") << QStringList{};
    }

    void searchFindsWhatWasTyped()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, found);
        addClient(1, QStringLiteral("maria jorge"));
        addClient(2, QStringLiteral("JOSÉ SILVA"));
        addClient(3, QStringLiteral("TV 29\" LTDA"));
        addClient(4, QStringLiteral("JOANA"));
        QCOMPARE(namesFound(typed), found);
        QCOMPARE(m_db->dm.Database().scalar(QStringLiteral("select count(*) from clientes")).toInt(), 4);
    }

    void keyAllocation()
    {
        Dataset *aux = m_db->dm.AuxQuery;
        QCOMPARE(Records::allocateKey(*aux, QStringLiteral("CLIENTES"), QStringLiteral("IDCLIENTE")), 1);
        addClient(1, QStringLiteral("A"));
        addClient(2, QStringLiteral("B"));
        QCOMPARE(Records::allocateKey(*aux, QStringLiteral("CLIENTES"), QStringLiteral("IDCLIENTE")), 3);
        m_db->dm.Database().execute(QStringLiteral("delete from clientes where idcliente = 2"));
        QCOMPARE(Records::allocateKey(*aux, QStringLiteral("CLIENTES"), QStringLiteral("IDCLIENTE")), 2);
    }

    void numbersAndDatesFromUserText()
    {
        QCOMPARE(Sql::integer(QStringLiteral(" 0000042 ")), std::optional<qint64>(42));
        QCOMPARE(Sql::integer(QStringLiteral("42 or 1=1")), std::nullopt);
        QCOMPARE(Sql::integer(QString()), std::nullopt);
        QCOMPARE(Sql::dateForComparison(QStringLiteral("05/03/2024")), std::optional<QString>(QStringLiteral("2024/03/05")));
        QCOMPARE(Sql::dateForComparison(QStringLiteral("31/02/2024")), std::nullopt);
    }

    void failedSaveLeavesNothingBehind()
    {
        // Two cached changes; the second collides with an existing key.
        addClient(5, QStringLiteral("EXISTENTE"));
        Dataset *ds = m_db->dm.ClientesQuery;
        ds->open();
        ds->append();
        ds->field(QStringLiteral("IDCLIENTE")).setInteger(6);
        ds->field(QStringLiteral("NOME")).setString(QStringLiteral("PRIMEIRO"));
        ds->post();
        ds->append();
        ds->field(QStringLiteral("IDCLIENTE")).setInteger(5);
        ds->field(QStringLiteral("NOME")).setString(QStringLiteral("SEGUNDO"));
        QVERIFY_THROWS_EXCEPTION(fb::Error, Records::saveAtomically(*ds));
        // The record is still being typed, as the user left it.
        QCOMPARE(ds->state(), Dataset::State::Insert);
        QCOMPARE(ds->field(QStringLiteral("NOME")).asString(), QStringLiteral("SEGUNDO"));
        // A later commit (another save) must not publish the first insert.
        ds->cancel();
        m_db->dm.commitRetaining();
        fb::Connection other;
        other.open(m_db->files.path());
        QCOMPARE(other.scalar(QStringLiteral("select count(*) from clientes")).toInt(), 1);
    }

    void saveThenDeleteWithDependents()
    {
        Dataset *ds = m_db->dm.ClientesQuery;
        ds->open();
        ds->append();
        ds->field(QStringLiteral("NOME")).setString(QStringLiteral("CARLOS"));
        ds->field(QStringLiteral("IDCLIENTE")).setInteger(Records::allocateKey(*m_db->dm.AuxQuery, QStringLiteral("clientes"), QStringLiteral("idcliente")));
        Records::saveAtomically(*ds);
        QCOMPARE(ds->state(), Dataset::State::Browse);
        m_db->dm.Database().execute(QStringLiteral("insert into ordemserv (idordem, idcliente) values (1, 1)"));
        m_db->dm.commitRetaining();

        QVERIFY(Records::reopenAt(*ds, QStringLiteral("select * from clientes"), QStringLiteral("IDCLIENTE"), 1));
        Records::deleteAtomically(*ds, {QStringLiteral("delete from ordemserv where idcliente=1")});
        fb::Connection other;
        other.open(m_db->files.path());
        QCOMPARE(other.scalar(QStringLiteral("select count(*) from clientes")).toInt(), 0);
        QCOMPARE(other.scalar(QStringLiteral("select count(*) from ordemserv")).toInt(), 0);
        QVERIFY(!Records::reopenAt(*ds, QStringLiteral("select * from clientes"), QStringLiteral("IDCLIENTE"), 1));
    }

    void refusedDeleteLeavesTheRowInPlace()
    {
        addClient(1, QStringLiteral("ANA"));
        addClient(2, QStringLiteral("BRUNO"));
        Dataset *ds = m_db->dm.ClientesQuery;
        QVERIFY(Records::reopenAt(*ds, QStringLiteral("select * from clientes"), QStringLiteral("IDCLIENTE"), 2));
        fb::Connection other;
        other.open(m_db->files.path());
        other.execute(QStringLiteral("update clientes set nome = \"BRUNO B\" where idcliente = 2"));
        QVERIFY_THROWS_EXCEPTION(fb::Error, Records::deleteAtomically(*ds, {QStringLiteral("delete from ordemserv where idcliente=2")}));
        QCOMPARE(ds->rowCount(), 2);
        QCOMPARE(ds->field(QStringLiteral("NOME")).asString(), QStringLiteral("BRUNO"));
        QVERIFY(!ds->hasPendingUpdates());
        other.commit();
        // The next save publishes no delete left over from the refused one.
        ds->first();
        ds->edit();
        ds->field(QStringLiteral("NOME")).setString(QStringLiteral("ANA MARIA"));
        Records::saveAtomically(*ds);
        QCOMPARE(m_db->dm.Database().scalar(QStringLiteral("select count(*) from clientes")).toInt(), 2);
    }
};

QTEST_GUILESS_MAIN(TestRecordConventions)
#include "tst_recordconventions.moc"
