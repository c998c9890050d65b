// A report's own queries on the one connection: reloaded with a statement
// for each print, read-only, their values printed with the report's masks.

#include "dm.h"
#include "pdfprobe.h"
#include "queryrowsource.h"
#include "renderer.h"
#include "report.h"
#include "testdatabase.h"

#include <QLocale>
#include <QTemporaryDir>
#include <QtTest>

using namespace report;

class TestReportQuery : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestDatabase> m_tdb;
    std::unique_ptr<TDM> m_dm;
    QObject m_owner;

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        m_tdb = std::make_unique<TestDatabase>();
        QVERIFY(m_tdb->isValid());
        m_dm = std::make_unique<TDM>();
        m_dm->connect(m_tdb->path());
        fb::Connection &db = m_dm->Database();
        db.execute(QStringLiteral("update config set cab1 = \"Eletrônica São Jorge\" where idconfig = 1"));
        db.execute(QStringLiteral("insert into contaspagar (idconta, nomeconta, ndoc, datavencto, valor, situacao) "
                                  "values (1, \"Aluguel\", \"A-1\", \"2026/03/05\", 1234.5, \"em Aberto\")"));
        db.execute(QStringLiteral("insert into contaspagar (idconta, nomeconta, ndoc, datavencto, valor, situacao) "
                                  "values (2, \"Energia\", \"E-7\", \"2026/03/20\", 87.25, \"Paga\")"));
        m_dm->commitRetaining();
    }
    void cleanupTestCase()
    {
        m_dm.reset();
        m_tdb.reset();
    }

    void printsWhatItsQueriesReadEachTime()
    {
        QueryRowSource settings(m_dm->createScratchQuery(&m_owner));
        QueryRowSource accounts(m_dm->createScratchQuery(&m_owner));
        Report payables(QStringLiteral("Relatório de Contas a Pagar"));
        payables.setFormat(Formats::a4Plus());
        Band &header = payables.addBand(BandKind::Header, 20);
        header.addField(2.1, 1.9, &settings, QStringLiteral("CAB1")).setFont(arial(18, true));
        Band &row = payables.addBand(BandKind::Detail, 5);
        row.setSource(&accounts);
        row.addFieldBox(2.1, 0, 61.6, 5, &accounts, QStringLiteral("NOMECONTA"));
        row.addField(118.0, 0, &accounts, QStringLiteral("DATAVENCTO"), QStringLiteral("dd/mm/yyyy"));
        row.addField(143.4, 0, &accounts, QStringLiteral("VALOR"), QStringLiteral("R$ 0.00"));

        const auto print = [&] {
            static QTemporaryDir dir;
            static int n = 0;
            const QString path = dir.filePath(QStringLiteral("contas%1.pdf").arg(++n));
            if (!Renderer::writePdf(payables.prepare(), path))
                qFatal("the PDF could not be written");
            return PdfProbe(path);
        };

        settings.reload(QStringLiteral("select * from config where idconfig = 1"));
        accounts.reload(QStringLiteral("select * from contaspagar order by idconta"));
        QCOMPARE(accounts.rowCount(), 2);
        PdfProbe all = print();
        const double firstRow = 10 + 20;
        QCOMPARE(all.line(0, firstRow), QStringList({"Aluguel", "05/03/2026", "R$", "1234,50"}));
        QCOMPARE(all.line(0, firstRow + 5), QStringList({"Energia", "20/03/2026", "R$", "87,25"}));
        QCOMPARE(all.line(0, 10 + 1.9), QStringList({"Eletrônica", "São", "Jorge"}));
        QCOMPARE(sum(accounts, QStringLiteral("VALOR")), 1234.5 + 87.25);

        // the next print reloads with its own statement and sees the database as it is now
        m_dm->Database().execute(QStringLiteral("update contaspagar set valor = 99 where idconta = 2"));
        m_dm->commitRetaining();
        accounts.reload(QStringLiteral("select * from contaspagar where situacao = \"Paga\""));
        PdfProbe paid = print();
        QCOMPARE(paid.line(0, firstRow), QStringList({"Energia", "20/03/2026", "R$", "99,00"}));
        QVERIFY(paid.find(QStringLiteral("Aluguel")).empty());

        // a statement that finds nothing prints no rows, and an empty settings row empty header lines
        accounts.reload(QStringLiteral("select * from contaspagar where idconta = 0"));
        settings.reload(QStringLiteral("select * from config where idconfig = 2"));
        QCOMPARE(accounts.rowCount(), 0);
        QCOMPARE(sum(accounts, QStringLiteral("VALOR")), 0.0);
        PdfProbe none = print();
        QVERIFY(none.words().empty());
    }
};

QTEST_MAIN(TestReportQuery)
#include "tst_reportquery.moc"
