// The cached dataset: lazy fetching, typed fields, the local change cache and
// the statements generated from every column.

#include "dataset.h"
#include "dm.h"
#include "recordconventions.h"
#include "testdatabase.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QtTest>

class TestDataset : public QObject
{
    Q_OBJECT

    std::unique_ptr<ConnectedDatabase> m_db;

    int count(const QString &sql) { return m_db->dm.Database().scalar(sql).toInt(); }

    // What another workstation sees: committed rows only.
    int countElsewhere(const QString &sql)
    {
        fb::Connection other;
        other.open(m_db->files.path());
        return other.scalar(sql).toInt();
    }

private Q_SLOTS:
    void init() { m_db = std::make_unique<ConnectedDatabase>(); }
    void cleanup() { m_db.reset(); }

    void opensLargeTableWithoutReadingIt()
    {
        m_db->dm.Database().execute(QStringLiteral(
            "execute block as declare i integer = 0; begin "
            "while (i < 100000) do begin "
            "insert into clientes (idcliente, nome, cidade) values (:i + 1, 'CLIENTE ' || cast(100000 - :i as integer), 'SANTOS'); "
            "i = i + 1; end end"));
        m_db->dm.commitRetaining();

        Dataset *ds = m_db->dm.ClientesQuery;
        QElapsedTimer timer;
        timer.start();
        ds->reopen(QStringLiteral("select * from clientes order by nome"));
        const qint64 elapsed = timer.elapsed();
        QCOMPARE(ds->rowCount(), Dataset::kFetchBatch);
        QVERIFY(!ds->allFetched());
        QCOMPARE(ds->field(QStringLiteral("NOME")).asString(), QStringLiteral("CLIENTE 1"));
        QVERIFY2(elapsed < 500, qPrintable(QStringLiteral("opening took %1 ms").arg(elapsed)));

        QSignalSpy fetched(ds, &Dataset::rowsFetched);
        QCOMPARE(ds->fetchMore(), Dataset::kFetchBatch);
        QCOMPARE(fetched.count(), 1);
        QCOMPARE(ds->rowCount(), 2 * Dataset::kFetchBatch);

        // Locating a key fetches only as far as the key.
        QVERIFY(ds->locate(QStringLiteral("NOME"), QStringLiteral("CLIENTE 1000")));
        QVERIFY(!ds->allFetched());

        // A key that is gone is known without reading the table.
        m_db->dm.Database().execute(QStringLiteral("delete from clientes where idcliente = 99999"));
        QVERIFY(!Records::reopenAt(*ds, QStringLiteral("select * from clientes"), QStringLiteral("IDCLIENTE"), 99999));
        QCOMPARE(ds->rowCount(), Dataset::kFetchBatch);
    }

    void fieldsFollowTheirColumns()
    {
        Dataset *ds = m_db->dm.ClientesQuery;
        ds->open();
        ds->append();
        QCOMPARE(ds->state(), Dataset::State::Insert);
        // A new client carries today's date, at midnight.
        QCOMPARE(ds->field(QStringLiteral("DATACADASTRO")).asDateTime(), QDate::currentDate().startOfDay());
        // Text is cut to the column's size; nulls read as empty, 0 and no date.
        ds->field(QStringLiteral("UF")).setString(QStringLiteral("SPX"));
        QCOMPARE(ds->field(QStringLiteral("UF")).asString(), QStringLiteral("SP"));
        QCOMPARE(ds->field(QStringLiteral("NOME")).asString(), QString());
        QCOMPARE(ds->field(QStringLiteral("TIPOANOT")).asInteger(), 0);
        // Text assigned to a date-time is read as dd/mm/yyyy.
        ds->field(QStringLiteral("DATACADASTRO")).setString(QStringLiteral("05/03/2024"));
        QCOMPARE(ds->field(QStringLiteral("DATACADASTRO")).asDateTime(), QDateTime(QDate(2024, 3, 5), QTime(0, 0)));
        QVERIFY_THROWS_EXCEPTION(fb::Error, ds->field(QStringLiteral("DATACADASTRO")).setString(QStringLiteral("31/02/2024")));
        ds->cancel();

        Dataset *contas = m_db->dm.ContasPagQuery;
        contas->open();
        contas->append();
        contas->field(QStringLiteral("VALOR")).setFloat(1234.5);
        contas->field(QStringLiteral("DATAVENCTO")).setString(QStringLiteral("10/01/2025"));
        QVERIFY(contas->field(QStringLiteral("VALOR")).isCurrency());
        QCOMPARE(contas->field(QStringLiteral("VALOR")).displayText(), QStringLiteral("R$ 1.234,50"));
        QCOMPARE(contas->field(QStringLiteral("VALOR")).plainText(), QStringLiteral("1234,5"));
        QCOMPARE(contas->field(QStringLiteral("DATAVENCTO")).displayFormat(), QStringLiteral("dd/mm/yyyy"));
        QCOMPARE(contas->field(QStringLiteral("DATAVENCTO")).displayText(), QStringLiteral("10/01/2025"));
        contas->cancel();
    }

    void changesStayInTheCacheUntilApplied()
    {
        Dataset *ds = m_db->dm.ClientesQuery;
        ds->open();
        ds->append();
        ds->field(QStringLiteral("IDCLIENTE")).setInteger(7);
        ds->field(QStringLiteral("NOME")).setString(QStringLiteral("JOSÉ DA CONCEIÇÃO"));
        ds->post();
        QCOMPARE(count(QStringLiteral("select count(*) from clientes")), 0);
        ds->applyUpdates();
        QCOMPARE(count(QStringLiteral("select count(*) from clientes")), 1);
        QCOMPARE(countElsewhere(QStringLiteral("select count(*) from clientes")), 0); // not committed yet
        m_db->dm.commitRetaining();
        QCOMPARE(countElsewhere(QStringLiteral("select count(*) from clientes")), 1);

        // Accented text makes the round trip through Windows-1252.
        ds->reopen(QStringLiteral("select * from clientes"));
        QCOMPARE(ds->field(QStringLiteral("NOME")).asString(), QStringLiteral("JOSÉ DA CONCEIÇÃO"));

        // Changing the key itself: the row is found by its old key.
        ds->edit();
        ds->field(QStringLiteral("IDCLIENTE")).setInteger(8);
        ds->applyUpdates();
        QCOMPARE(count(QStringLiteral("select count(*) from clientes where idcliente = 8")), 1);
        QCOMPARE(count(QStringLiteral("select count(*) from clientes where idcliente = 7")), 0);

        // Cancel restores what the row held; a cancelled insertion leaves no row.
        ds->edit();
        ds->field(QStringLiteral("NOME")).setString(QStringLiteral("OUTRO"));
        ds->cancel();
        QCOMPARE(ds->field(QStringLiteral("NOME")).asString(), QStringLiteral("JOSÉ DA CONCEIÇÃO"));
        ds->append();
        QCOMPARE(ds->rowCount(), 2);
        ds->cancel();
        QCOMPARE(ds->rowCount(), 1);
        QVERIFY(!ds->hasPendingUpdates());

        ds->deleteRecord();
        QCOMPARE(count(QStringLiteral("select count(*) from clientes")), 1);
        ds->applyUpdates();
        QCOMPARE(count(QStringLiteral("select count(*) from clientes")), 0);
    }

    void generatedStatementsNameEveryColumn()
    {
        Dataset *ds = m_db->dm.ChequesQuery;
        QCOMPARE(ds->deleteSql(), QStringLiteral("delete from CHEQUES where IDCHEQUE = :OLD_IDCHEQUE"));
        QVERIFY(ds->modifySql().startsWith(QStringLiteral("update CHEQUES set IDCHEQUE = :IDCHEQUE, TIPO = :TIPO,")));
        QVERIFY(ds->modifySql().endsWith(QStringLiteral("NOMECLIENTE = :NOMECLIENTE where IDCHEQUE = :OLD_IDCHEQUE")));
        QCOMPARE(m_db->dm.IVendasQuery->deleteSql(), QStringLiteral("delete from IVENDAS where IDVENDAS = :OLD_IDVENDAS"));
        QCOMPARE(m_db->dm.ClientesQuery->sql(), QStringLiteral("select * from CLIENTES"));

        // A cheque is changed by its number alone, even when its date changes.
        m_db->dm.Database().execute(QStringLiteral(
            "insert into cheques (idcheque, data, valor) values (1, \"2025/01/10\", 100)"));
        ds->open();
        ds->edit();
        ds->field(QStringLiteral("DATA")).setString(QStringLiteral("20/01/2025"));
        ds->field(QStringLiteral("VALOR")).setFloat(150);
        ds->applyUpdates();
        QCOMPARE(count(QStringLiteral("select count(*) from cheques where idcheque = 1 and data = \"2025/01/20\" and valor = 150")), 1);
    }

    void refreshReadsWhatAnotherWorkstationCommitted()
    {
        m_db->dm.Database().execute(QStringLiteral("insert into clientes (idcliente, nome) values (1, \"ANA\")"));
        m_db->dm.commitRetaining();
        Dataset *ds = m_db->dm.ClientesQuery;
        ds->open();
        QSignalSpy changed(ds, &Dataset::rowChanged);
        {
            fb::Connection other;
            other.open(m_db->files.path());
            other.execute(QStringLiteral("update clientes set nome = \"ANA MARIA\" where idcliente = 1"));
            other.commit();
        }
        QCOMPARE(ds->field(QStringLiteral("NOME")).asString(), QStringLiteral("ANA"));
        ds->refresh();
        QCOMPARE(ds->field(QStringLiteral("NOME")).asString(), QStringLiteral("ANA MARIA"));
        QCOMPARE(changed.count(), 1);
    }

    void textWithoutCharacterSetStaysReadable()
    {
        // Older databases keep their text in columns without a character set.
        fb::Connection &db = m_db->dm.Database();
        db.execute(QStringLiteral("create table antiga (nome varchar(20) character set none)"));
        db.commitRetaining();
        db.execute(QStringLiteral("insert into antiga values (?)"), {QStringLiteral("JOSÉ ÇÃO €")});
        db.execute(QStringLiteral("insert into antiga values (\"ação\")"));
        Dataset *aux = m_db->dm.AuxQuery;
        aux->reopen(QStringLiteral("select nome from antiga"));
        QCOMPARE(aux->field(QStringLiteral("NOME")).asString(), QStringLiteral("JOSÉ ÇÃO €"));
        aux->next();
        QCOMPARE(aux->field(QStringLiteral("NOME")).asString(), QStringLiteral("ação"));
    }

    void scratchQueryTakesItsColumnsFromTheStatement()
    {
        Dataset *aux = m_db->dm.AuxQuery;
        aux->reopen(QStringLiteral("select max(idcliente)as cod, \"x\" as letra from clientes"));
        QCOMPARE(aux->columnCount(), 2);
        QVERIFY(aux->field(QStringLiteral("cod")).isNull());
        QCOMPARE(aux->field(QStringLiteral("cod")).asInteger(), 0);
        QCOMPARE(aux->field(QStringLiteral("LETRA")).asString(), QStringLiteral("x"));
    }
};

QTEST_GUILESS_MAIN(TestDataset)
#include "tst_dataset.moc"
