// Two workstations on one database: through the embedded engine in one
// process, and through a real Firebird server on loopback ("host:path").

#include "dm.h"
#include "firebirdserver.h"
#include "recordconventions.h"
#include "testdatabase.h"

#include <QElapsedTimer>
#include <QtTest>

class TestServerRoad : public QObject
{
    Q_OBJECT

    std::unique_ptr<FirebirdServer> m_server;
    std::unique_ptr<TestDatabase> m_local;
    int m_serverDatabases = 0;

    QString databaseFor(const QString &road)
    {
        if (road == QLatin1String("server"))
            return m_server->createDatabase(QStringLiteral("DADOS%1.GDB").arg(++m_serverDatabases));
        m_local = std::make_unique<TestDatabase>();
        return m_local->path();
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_server = std::make_unique<FirebirdServer>();
        QVERIFY2(m_server->isRunning(), qPrintable(m_server->error()));
    }
    void cleanupTestCase() { m_server.reset(); }

    void roads_data()
    {
        QTest::addColumn<QString>("road");
        QTest::newRow("embedded") << QStringLiteral("embedded");
        QTest::newRow("server") << QStringLiteral("server");
    }

    void roads()
    {
        QFETCH(QString, road);
        const QString name = databaseFor(road);
        TDM here;
        here.connect(name);
        fb::Connection there;
        there.open(name);

        // Workstation A saves a client; B sees it once committed.
        Dataset *ds = here.ClientesQuery;
        ds->open();
        ds->append();
        ds->field(QStringLiteral("NOME")).setString(QStringLiteral("MARIA"));
        ds->field(QStringLiteral("IDCLIENTE")).setInteger(Records::allocateKey(*here.AuxQuery, QStringLiteral("clientes"), QStringLiteral("idcliente")));
        Records::saveAtomically(*ds);
        QCOMPARE(there.scalar(QStringLiteral("select nome from clientes where idcliente = 1")).toString(), QStringLiteral("MARIA"));
        there.commitRetaining();

        // B changes the row without committing: A's change fails at once (nowait).
        there.execute(QStringLiteral("update clientes set nome = \"MARIA B\" where idcliente = 1"));
        QVERIFY(Records::reopenAt(*ds, QStringLiteral("select * from clientes"), QStringLiteral("IDCLIENTE"), 1));
        ds->edit();
        ds->field(QStringLiteral("NOME")).setString(QStringLiteral("MARIA A"));
        QElapsedTimer timer;
        timer.start();
        try {
            Records::saveAtomically(*ds);
            QFAIL("a change over another workstation's uncommitted change must fail");
        } catch (const fb::Error &e) {
            QVERIFY2(e.isUpdateConflict(), qPrintable(e.message()));
            QVERIFY(!e.message().isEmpty());
        }
        QVERIFY(timer.elapsed() < 3000);
        QCOMPARE(ds->state(), Dataset::State::Edit);
        ds->cancel();
        there.commitRetaining();

        // B deletes it; A's edit and delete sequences find it gone.
        there.execute(QStringLiteral("delete from clientes where idcliente = 1"));
        there.commitRetaining();
        QVERIFY(!Records::reopenAt(*ds, QStringLiteral("select * from clientes"), QStringLiteral("IDCLIENTE"), 1));

        // Keys: B's highest key counts for A's next one.
        there.execute(QStringLiteral("insert into clientes (idcliente, nome) values (9, \"B\")"));
        there.commitRetaining();
        QCOMPARE(Records::allocateKey(*here.AuxQuery, QStringLiteral("clientes"), QStringLiteral("idcliente")), 10);
        there.close();
        here.closeAll();
    }
};

QTEST_GUILESS_MAIN(TestServerRoad)
#include "tst_serverroad.moc"
