// The two programs together: what the set-up wizard writes into
// localbase.txt is what the application's start opens.

#include <QAbstractButton>
#include <QDir>
#include <QLineEdit>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "databasecreator.h"
#include "dm.h"
#include "firebird.h"
#include "firebirdserver.h"
#include "installpaths.h"
#include "localbase.h"
#include "messages.h"
#include "wizardform.h"

#include <memory>

class TestWizardThenApplication : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void singleUserWorkstationOpensItsOwnDatabase();
    void clientWorkstationOpensTheServersDatabase();

private:
    void click(TForm1 &form, const QString &caption);
    void markDatabase(const QString &databaseName);
    void startApplicationAndCheckTheMark();

    std::unique_ptr<QTemporaryDir> m_root;
    std::unique_ptr<Messages::Script> m_messages;
    QString m_mark;
};

void TestWizardThenApplication::init()
{
    m_root = std::make_unique<QTemporaryDir>();
    QVERIFY(m_root->isValid());
    qputenv("TAVREL_ROOT", QFile::encodeName(m_root->path()));
    QVERIFY(QDir().mkpath(InstallPaths::installFolder()));
    m_messages = std::make_unique<Messages::Script>();
    // A header line no other database holds, to know which one the application opened.
    m_mark = QStringLiteral("OFICINA %1").arg(QFileInfo(m_root->path()).fileName());
}

void TestWizardThenApplication::cleanup()
{
    m_messages.reset();
    m_root.reset();
}

void TestWizardThenApplication::click(TForm1 &form, const QString &caption)
{
    QWidget *page = form.findChild<QStackedWidget *>()->currentWidget();
    for (QAbstractButton *b : page->findChildren<QAbstractButton *>()) {
        if (b->accessibleName() == caption) {
            const bool hasIndicator = b->inherits("QCheckBox") || b->inherits("QRadioButton");
            QTest::mouseClick(b, Qt::LeftButton, Qt::NoModifier,
                              hasIndicator ? QPoint(8, b->height() / 2) : b->rect().center());
            return;
        }
    }
    QFAIL(qPrintable(QStringLiteral("no button ") + caption));
}

void TestWizardThenApplication::markDatabase(const QString &databaseName)
{
    DatabaseCreator::create(databaseName);
    fb::Connection db;
    db.open(databaseName);
    db.execute(QStringLiteral("UPDATE CONFIG SET CAB1 = ? WHERE IDCONFIG = 1"), {m_mark});
    db.close();
}

// What the application does when its main window first shows: the last line
// of localbase.txt names the database, then the connection and the datasets open.
void TestWizardThenApplication::startApplicationAndCheckTheMark()
{
    const QString connection = LocalBase::readConnectionString(InstallPaths::localBaseFile());
    TDM dm;
    dm.connect(connection);
    dm.openStartDatasets();
    QVERIFY(dm.ConfigQuery->isOpen());
    QVERIFY(dm.UsuariosQuery->isOpen());
    QVERIFY(dm.ConfigQuery->locate(QStringLiteral("IDCONFIG"), 1));
    QCOMPARE(dm.ConfigQuery->field(QStringLiteral("CAB1")).asString(), m_mark);
    dm.closeAll();
}

void TestWizardThenApplication::singleUserWorkstationOpensItsOwnDatabase()
{
    markDatabase(InstallPaths::databaseFile());

    SetupServices services;
    services.startProcess = [](const ProcessRequest &) { return false; };
    services.progressPause = [] {};
    TForm1 wizard(services);
    wizard.show();
    click(wizard, QStringLiteral("Mono-Usuário"));
    click(wizard, QStringLiteral("Concluir e Fechar Janela"));
    QVERIFY(!wizard.isVisible());
    QVERIFY(m_messages->shown().isEmpty());

    startApplicationAndCheckTheMark();
}

void TestWizardThenApplication::clientWorkstationOpensTheServersDatabase()
{
    FirebirdServer server;
    QVERIFY2(server.isRunning(), qPrintable(server.error()));
    // The server's database sits at the fixed path; the client reaches it
    // through the server's address and port, typed as the user would.
    const QString host = QStringLiteral("127.0.0.1/%1").arg(server.port());
    markDatabase(host + QLatin1Char(':') + InstallPaths::databaseFile());

    SetupServices services;
    QList<ProcessRequest> started;
    services.startProcess = [&started](const ProcessRequest &r) { started << r; return true; };
    TForm1 wizard(services);
    wizard.show();
    click(wizard, QStringLiteral("Multi-Usuário"));
    click(wizard, QStringLiteral("Cliente - Somente o sistema."));
    click(wizard, QStringLiteral("Próximo"));
    auto *serverEdit = wizard.findChild<QStackedWidget *>()->currentWidget()->findChild<QLineEdit *>();
    QVERIFY(serverEdit);
    QCOMPARE(serverEdit->accessibleName(), QStringLiteral("IP ou Host do Servidor:"));
    serverEdit->setFocus();
    QTest::keyClicks(serverEdit, host);
    click(wizard, QStringLiteral("Próximo"));
    click(wizard, QStringLiteral("Instalar Gerenciador dos Dados"));
    click(wizard, QStringLiteral("Concluir e Fechar Janela"));
    QVERIFY(!wizard.isVisible());
    QVERIFY(started.isEmpty());
    QCOMPARE(m_messages->texts(), QStringList{QStringLiteral("Sistema configurado com sucesso!")});

    const QString connection = LocalBase::readConnectionString(InstallPaths::localBaseFile());
    QVERIFY(LocalBase::namesServer(connection));
    startApplicationAndCheckTheMark();
}

QTEST_MAIN(TestWizardThenApplication)
#include "tst_wizardthenapplication.moc"
