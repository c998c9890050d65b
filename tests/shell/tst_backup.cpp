// "Fazer Backup agora" on the settings window's first tab: the progress, the
// dated folder, a copy of the install folder's DADOS.GDB that opens as it is
// and passes Firebird's validation even while another workstation writes,
// and the messages for success and failure.

#include "backupfolder.h"
#include "configform.h"
#include "dm.h"
#include "installpaths.h"
#include "messages.h"
#include "testdatabase.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>

#include <atomic>
#include <thread>

namespace {

const QDateTime kMoment(QDate(2008, 12, 9), QTime(14, 5, 33));

// What gfix's full validation prints about a database file: nothing when
// the file is sound. (gfix ends with 0 even when it finds errors.)
QString validationReport(const QString &file)
{
    QProcess gfix;
    gfix.setProcessChannelMode(QProcess::MergedChannels);
    gfix.start(QStringLiteral("gfix"), {QStringLiteral("-v"), QStringLiteral("-full"), QStringLiteral("-user"),
                                        QLatin1String(fb::Connection::kUser), QStringLiteral("-password"),
                                        QLatin1String(fb::Connection::kPassword), file});
    if (!gfix.waitForFinished(120000))
        return QStringLiteral("gfix did not finish: ") + gfix.errorString();
    const QString output = QString::fromLocal8Bit(gfix.readAll()).trimmed();
    if (gfix.exitStatus() != QProcess::NormalExit || gfix.exitCode() != 0)
        return QStringLiteral("gfix failed (%1): %2").arg(gfix.exitCode()).arg(output);
    return output;
}

class PaintCounter : public QObject
{
public:
    int count = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::NoDotAndDotDot);
}

} // namespace

class TestBackup : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestDatabase> m_files;
    std::unique_ptr<TDM> m_dm;
    std::unique_ptr<TConfigForm> m_form;
    QList<int> m_progressShown;
    std::function<void()> m_duringProgress;
    QDateTime m_now = kMoment;

    // The workstation: its data module on `database` and the settings
    // window, whose clock stands at m_now and whose progress is instant.
    void openWindow(const QString &database)
    {
        m_dm = std::make_unique<TDM>();
        m_dm->connect(database);
        m_dm->ConfigQuery->open();
        BackupServices services;
        services.now = [this] { return m_now; };
        services.progressPause = [this] {
            m_progressShown << progressBar()->value();
            if (m_duringProgress)
                m_duringProgress();
        };
        m_form = std::make_unique<TConfigForm>(m_dm->ConfigQuery, services);
        m_form->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    }

    QPushButton *backupButton() const
    {
        for (auto *button : m_form->findChildren<QPushButton *>())
            if (button->accessibleName() == QLatin1String("Fazer Backup agora"))
                return button;
        return nullptr;
    }

    QProgressBar *progressBar() const { return m_form->findChild<QProgressBar *>(); }

    void clickBackup(Messages::Script &script)
    {
        QPushButton *button = backupButton();
        QVERIFY(button && button->isVisible());
        script.clear();
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(script.shown().size(), 1);
        QCOMPARE(script.last().kind, Messages::Kind::Information);
        QCOMPARE(script.last().title, Messages::kAppTitle);
    }

    QString expectedCopy() const { return BackupFolder::databaseIn(BackupFolder::pathFor(m_now)); }

    QString failureText() const
    {
        return QStringLiteral("Erro ao copiar ") + InstallPaths::databaseFile() + QStringLiteral(" para ") + expectedCopy();
    }

    static QVariant readFrom(const QString &database, const QString &sql)
    {
        fb::Connection copy;
        copy.open(database);
        const QVariant value = copy.scalar(sql);
        copy.close();
        return value;
    }

private Q_SLOTS:
    void init()
    {
        m_files = std::make_unique<TestDatabase>();
        QVERIFY(m_files->isValid());
        m_progressShown.clear();
        m_duringProgress = nullptr;
        m_now = kMoment;
    }

    void cleanup()
    {
        m_form.reset();
        m_dm.reset();
        m_files.reset();
    }

    void folderIsNamedByDateAndTime_data()
    {
        QTest::addColumn<QDateTime>("when");
        QTest::addColumn<QString>("name");
        QTest::newRow("afternoon") << kMoment << QStringLiteral("09.12.08 - 14h05m33s");
        QTest::newRow("midnight") << QDateTime(QDate(2010, 1, 1), QTime(0, 0, 0)) << QStringLiteral("01.01.10 - 00h00m00s");
        QTest::newRow("last second") << QDateTime(QDate(2026, 12, 31), QTime(23, 59, 59)) << QStringLiteral("31.12.26 - 23h59m59s");
    }

    void folderIsNamedByDateAndTime()
    {
        QFETCH(QDateTime, when);
        QFETCH(QString, name);
        QCOMPARE(BackupFolder::nameFor(when), name);
        QCOMPARE(BackupFolder::pathFor(when), QDir::toNativeSeparators(InstallPaths::backupRootFolder() + u'/' + name));
    }

    void backupCopiesTheDatabaseIntoTheDatedFolder()
    {
        openWindow(m_files->path());
        m_dm->Database().execute(QStringLiteral("update config set cab1 = \"OFICINA DO ZE\" where idconfig = 1"));
        m_dm->commitRetaining();
        QVERIFY(!QFileInfo::exists(InstallPaths::backupRootFolder()));

        Messages::Script script;
        clickBackup(script);
        QCOMPARE(script.last().text, expectedCopy() + QStringLiteral("\nBackup feito com sucesso!"));

        // The bar went through 1 to 100 one step at a time and stands at 0 again.
        QList<int> steps;
        for (int i = 1; i <= 100; ++i)
            steps << i;
        QCOMPARE(m_progressShown, steps);
        QCOMPARE(progressBar()->value(), 0);

        // The folder holds the database alone; it opens as it is and is sound.
        QCOMPARE(filesIn(BackupFolder::pathFor(kMoment)), QStringList{QStringLiteral("DADOS.GDB")});
        QCOMPARE(readFrom(expectedCopy(), QStringLiteral("select cab1 from config where idconfig = 1")).toString(),
                 QStringLiteral("OFICINA DO ZE"));
        QCOMPARE(validationReport(expectedCopy()), QString());

        // The program's own connection stayed open and keeps working.
        m_dm->Database().execute(QStringLiteral("insert into clientes (idcliente, nome) values (1, \"ANA\")"));
        m_dm->commitRetaining();

        // A second backup in the same second goes to the same folder and
        // replaces the first copy.
        clickBackup(script);
        QCOMPARE(script.last().text, expectedCopy() + QStringLiteral("\nBackup feito com sucesso!"));
        QCOMPARE(filesIn(BackupFolder::pathFor(kMoment)), QStringList{QStringLiteral("DADOS.GDB")});
        QCOMPARE(readFrom(expectedCopy(), QStringLiteral("select nome from clientes where idcliente = 1")).toString(),
                 QStringLiteral("ANA"));
    }

    // Without the test's clock and pause: about five seconds of progress,
    // the bar repainting as it goes, and the folder named by the moment.
    void progressTakesAboutFiveSecondsAndRepaints()
    {
        m_dm = std::make_unique<TDM>();
        m_dm->connect(m_files->path());
        m_dm->ConfigQuery->open();
        m_form = std::make_unique<TConfigForm>(m_dm->ConfigQuery);
        m_form->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
        PaintCounter paints;
        progressBar()->installEventFilter(&paints);

        Messages::Script script;
        const QDateTime before = QDateTime::currentDateTime();
        QElapsedTimer timer;
        timer.start();
        clickBackup(script);
        QVERIFY2(timer.elapsed() >= 5000, qPrintable(QString::number(timer.elapsed())));
        QVERIFY(paints.count > 50);
        QCOMPARE(progressBar()->value(), 0);

        // The folder is named by a moment between the click and the copy.
        const QStringList folders = QDir(InstallPaths::backupRootFolder()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        QCOMPARE(folders.size(), 1);
        QDateTime named;
        for (QDateTime t = before.addMSecs(-before.time().msec()); t <= QDateTime::currentDateTime(); t = t.addSecs(1))
            if (BackupFolder::nameFor(t) == folders.first())
                named = t;
        QVERIFY2(named.isValid(), qPrintable(folders.first()));
        QCOMPARE(script.last().text, BackupFolder::databaseIn(BackupFolder::pathFor(named))
                                         + QStringLiteral("\nBackup feito com sucesso!"));
    }

    void failedBackupNamesBothFiles_data()
    {
        QTest::addColumn<QString>("situation");
        QTest::newRow("no database file in the install folder") << QStringLiteral("missing");
        QTest::newRow("install folder's file is not a database") << QStringLiteral("damaged");
        QTest::newRow("localbase.txt names a server") << QStringLiteral("server");
        QTest::newRow("backup folder cannot be made") << QStringLiteral("blocked");
    }

    void failedBackupNamesBothFiles()
    {
        QFETCH(QString, situation);
        QString database = m_files->path();
        if (situation == QLatin1String("missing")) {
            // This workstation works on a database kept elsewhere.
            database = m_files->root() + QStringLiteral("/elsewhere.gdb");
            QVERIFY(QFile::rename(m_files->path(), database));
        } else if (situation == QLatin1String("damaged")) {
            database = m_files->root() + QStringLiteral("/elsewhere.gdb");
            QVERIFY(QFile::rename(m_files->path(), database));
            QFile damaged(m_files->path());
            QVERIFY(damaged.open(QIODevice::WriteOnly));
            damaged.write(QByteArray(64 * 1024, '\xA5'));
        } else if (situation == QLatin1String("server")) {
            // Even a file lying in the install folder is not this
            // workstation's database when localbase.txt names a server.
            QFile localBase(InstallPaths::localBaseFile());
            QVERIFY(localBase.open(QIODevice::WriteOnly | QIODevice::Truncate));
            localBase.write("SERVIDOR:C:\\Tavrel - Meridel\\DADOS.GDB");
        } else {
            QFile blocker(InstallPaths::backupRootFolder());
            QVERIFY(blocker.open(QIODevice::WriteOnly));
        }
        openWindow(database);

        Messages::Script script;
        clickBackup(script);
        QCOMPARE(script.last().text, failureText());
        QVERIFY(!QFileInfo::exists(expectedCopy()));
        QCOMPARE(filesIn(BackupFolder::pathFor(m_now)), QStringList());
        QCOMPARE(m_progressShown.size(), 100);
        QCOMPARE(progressBar()->value(), 0);
    }

    // Another workstation keeps saving while the backup runs: the copy must
    // still be one consistent moment of the database.
    void backupWhileAnotherWorkstationWritesIsConsistent()
    {
        openWindow(m_files->path());
        // Enough data that copying it takes a while.
        m_dm->Database().execute(QStringLiteral(
            "execute block as declare i integer = 100000; begin "
            "while (i < 130000) do begin "
            "insert into clientes (idcliente, nome, end1, anota) values (:i, 'FREGUES ' || :i, "
            "rpad('RUA ', 100, 'X'), rpad('NADA CONSTA ', 300, 'Y')); i = i + 1; end end"));
        m_dm->commitRetaining();

        // The other workstation: each of its saves adds a client and writes
        // that client's number into the settings row, in one transaction.
        std::atomic<bool> stop = false;
        std::atomic<int> saved = 0;
        std::atomic<bool> failed = false;
        QString writerError;
        std::thread writer([&] {
            try {
                fb::Connection other;
                other.open(m_files->path());
                for (int id = 1; !stop; ++id) {
                    other.execute(QStringLiteral("insert into clientes (idcliente, nome, anota) values (?, ?, ?)"),
                                  {id, QStringLiteral("CLIENTE %1").arg(id), QString(250, u'Z')});
                    other.execute(QStringLiteral("update config set cab4 = ? where idconfig = 1"), {QString::number(id)});
                    other.commitRetaining();
                    saved = id;
                }
                other.close();
            } catch (const fb::Error &e) {
                writerError = e.message();
                failed = true;
            }
        });
        QTRY_VERIFY(saved > 50 || failed);

        // Backups a second apart, each into its own folder.
        struct Copy { QString file; int savedBefore; int savedAfter; };
        QList<Copy> copies;
        int savedWhenCopyStarts = 0;
        m_duringProgress = [&] { savedWhenCopyStarts = saved; };
        Messages::Script script;
        for (int round = 0; round < 3 && !failed; ++round) {
            m_now = kMoment.addSecs(round);
            clickBackup(script);
            copies.append({expectedCopy(), savedWhenCopyStarts, saved});
            QCOMPARE(script.last().text, expectedCopy() + QStringLiteral("\nBackup feito com sucesso!"));
        }
        stop = true;
        writer.join();
        QVERIFY2(writerError.isEmpty(), qPrintable(writerError));

        for (const Copy &c : std::as_const(copies)) {
            QVERIFY2(c.savedAfter > c.savedBefore, "the other workstation saved nothing while the copy was made");
            // The copy opens as it is and holds whole saves only: the
            // clients 1..n of some n, and n in the settings row.
            fb::Connection copy;
            copy.open(c.file);
            const int count = copy.scalar(QStringLiteral("select count(*) from clientes where idcliente < 100000")).toInt();
            const int highest = copy.scalar(QStringLiteral("select max(idcliente) from clientes where idcliente < 100000")).toInt();
            const QString inSettings = copy.scalar(QStringLiteral("select cab4 from config where idconfig = 1")).toString();
            const int bulk = copy.scalar(QStringLiteral("select count(*) from clientes where idcliente >= 100000")).toInt();
            copy.close();
            QVERIFY(count >= c.savedBefore);
            QVERIFY(count <= c.savedAfter);
            QCOMPARE(highest, count);
            QCOMPARE(inSettings, QString::number(count));
            QCOMPARE(bulk, 30000);
            QCOMPARE(validationReport(c.file), QString());
        }

        // The check above does speak up about a damaged file.
        const QString damaged = m_files->root() + QStringLiteral("/damaged.gdb");
        QVERIFY(QFile::copy(copies.first().file, damaged));
        QFile file(damaged);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.seek(file.size() / 2));
        file.write(QByteArray(64 * 1024, '\xA5'));
        file.close();
        QVERIFY(!validationReport(damaged).isEmpty());

        // And the database itself was left in its normal state, taking saves.
        m_dm->Database().execute(QStringLiteral("update config set cab1 = \"DEPOIS\" where idconfig = 1"));
        m_dm->commitRetaining();
        QCOMPARE(m_dm->Database().scalar(QStringLiteral("select mon$backup_state from mon$database")).toInt(), 0);
    }
};

QTEST_MAIN(TestBackup)
#include "tst_backup.moc"
