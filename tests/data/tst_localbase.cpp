// localbase.txt: which database this workstation opens.

#include "firebird.h"
#include "localbase.h"

#include <QtTest>

class TestLocalBase : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void lastLineIsTheConnectionString_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("expected");
        QTest::newRow("one line") << QByteArray("/srv/DADOS.GDB") << QStringLiteral("/srv/DADOS.GDB");
        QTest::newRow("one line with its line break") << QByteArray("/srv/DADOS.GDB\n") << QStringLiteral("/srv/DADOS.GDB");
        QTest::newRow("windows line break") << QByteArray("SERVIDOR:C:\\Tavrel - Meridel\\DADOS.GDB\r\n")
                                            << QStringLiteral("SERVIDOR:C:\\Tavrel - Meridel\\DADOS.GDB");
        QTest::newRow("two lines: the second") << QByteArray("/old/A.GDB\n/new/B.GDB") << QStringLiteral("/new/B.GDB");
        QTest::newRow("empty line after the string") << QByteArray("/srv/DADOS.GDB\n\n") << QString();
        QTest::newRow("empty file") << QByteArray() << QString();
        QTest::newRow("accented folder") << QByteArray("/srv/Relat\xF3rios/DADOS.GDB")
                                         << QStringLiteral("/srv/Relatórios/DADOS.GDB");
    }

    void lastLineIsTheConnectionString()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        QFile f(dir.filePath(QStringLiteral("localbase.txt")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
        f.close();
        QCOMPARE(LocalBase::readConnectionString(f.fileName()), expected);
    }

    void missingFileIsAnError()
    {
        QTemporaryDir dir;
        QVERIFY_THROWS_EXCEPTION(fb::Error, LocalBase::readConnectionString(dir.filePath(QStringLiteral("localbase.txt"))));
    }

    void serverOrLocal_data()
    {
        QTest::addColumn<QString>("connection");
        QTest::addColumn<bool>("server");
        QTest::newRow("plain path") << QStringLiteral("/home/loja/Tavrel - Meridel/DADOS.GDB") << false;
        QTest::newRow("windows drive") << QStringLiteral("C:\\Tavrel - Meridel\\DADOS.GDB") << false;
        QTest::newRow("host and windows path") << QStringLiteral("SERVIDOR:C:\\Tavrel - Meridel\\DADOS.GDB") << true;
        QTest::newRow("host and port") << QStringLiteral("127.0.0.1/3050:/srv/DADOS.GDB") << true;
    }

    void serverOrLocal()
    {
        QFETCH(QString, connection);
        QFETCH(bool, server);
        QCOMPARE(LocalBase::namesServer(connection), server);
    }
};

QTEST_GUILESS_MAIN(TestLocalBase)
#include "tst_localbase.moc"
