// The set-up wizard clicked through as the person installing a workstation
// does, checking what lands in localbase.txt and what gets started.

#include <QAbstractButton>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabBar>
#include <QTemporaryDir>
#include <QtTest>

#include "messages.h"
#include "wizardform.h"

#include <map>
#include <memory>

namespace {

const QString kServer = QStringLiteral("Servidor - Sistema com Banco de Dados.");
const QString kClient = QStringLiteral("Cliente - Somente o sistema.");
const QString kInstall = QStringLiteral("Instalar Gerenciador dos Dados");
const QString kFinish = QStringLiteral("Concluir e Fechar Janela");
const QString kSuccess = QStringLiteral("Sistema configurado com sucesso!");

// A name service the test fills in: the local name, what names resolve to,
// and what names are registered for addresses.
class FakeResolver : public AddressResolver
{
public:
    QString localName;
    std::map<QString, QStringList> addresses;
    std::map<QString, QString> names;
    mutable QStringList reverseAsked;

    QString localHostName() const override { return localName; }
    QStringList ipv4AddressesOf(const QString &hostName) const override
    {
        const auto it = addresses.find(hostName);
        return it == addresses.end() ? QStringList() : it->second;
    }
    QString hostNameOf(const QString &address) const override
    {
        reverseAsked << address;
        const auto it = names.find(address);
        return it == names.end() ? QString() : it->second;
    }
};

// How one run of the wizard goes.
struct Route {
    bool network = false;
    QString role;          // network only
    QString host;          // network only
    bool install = true;   // network only
};

} // namespace

Q_DECLARE_METATYPE(Route)

class TestSetupWizard : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opensOnTheFirstPage();
    void pageTexts_data();
    void pageTexts();
    void networkRunWritesTheServersString_data();
    void networkRunWritesTheServersString();
    void singleUserRunShowsProgressThenWrites();
    void secondRunReplacesTheFirst_data();
    void secondRunReplacesTheFirst();
    void refusesMissingChoices_data();
    void refusesMissingChoices();
    void unwritableLocalBaseKeepsThePage_data();
    void unwritableLocalBaseKeepsThePage();
    void closingWritesNothing();
    void finishStartsTheInstallerOfTheRole_data();
    void finishStartsTheInstallerOfTheRole();
    void missingInstallerPointsToThePackageManager();
    void installerCommandReallyRuns();
    void hostInfoMessage_data();
    void hostInfoMessage();
    void systemResolverAnswersForThisComputer();

private:
    std::unique_ptr<TForm1> openWizard();
    QString installFolder() const { return QDir(m_root->path()).filePath(QStringLiteral("Tavrel - Meridel")); }
    QString databasePath() const { return installFolder() + QStringLiteral("/DADOS.GDB"); }
    QString localBasePath() const { return installFolder() + QStringLiteral("/localbase.txt"); }
    QByteArray localBase() const;
    void run(TForm1 &form, const Route &route);
    void runNetworkToFinishPage(TForm1 &form, const Route &route);

    std::unique_ptr<QTemporaryDir> m_root;
    std::unique_ptr<Messages::Script> m_messages;
    QList<ProcessRequest> m_started;
    std::shared_ptr<FakeResolver> m_resolver;
    QList<int> m_progressSteps;
    QStringList m_progressCaptions;
};

// ---- driving the window as a user --------------------------------------

static QWidget *visiblePage(TForm1 &form)
{
    auto *pages = form.findChild<QStackedWidget *>();
    return pages ? pages->currentWidget() : nullptr;
}

template <typename T>
static T *onPage(TForm1 &form, const QString &name)
{
    QWidget *page = visiblePage(form);
    if (!page)
        return nullptr;
    for (T *w : page->findChildren<T *>()) {
        if (w->accessibleName() == name && w->isVisible())
            return w;
    }
    return nullptr;
}

static bool click(TForm1 &form, const QString &caption)
{
    auto *b = onPage<QAbstractButton>(form, caption);
    if (!b || !b->isEnabled())
        return false;
    // Check boxes and radio buttons are clicked on their box, buttons in their middle.
    const bool hasIndicator = qobject_cast<QCheckBox *>(b) || b->inherits("QRadioButton");
    const QPoint where = hasIndicator ? QPoint(8, b->height() / 2) : b->rect().center();
    QTest::mouseClick(b, Qt::LeftButton, Qt::NoModifier, where);
    return true;
}

static bool type(TForm1 &form, const QString &field, const QString &text)
{
    auto *edit = onPage<QLineEdit>(form, field);
    if (!edit)
        return false;
    edit->setFocus();
    // One key press per character; letters beyond ASCII arrive as their text.
    for (QChar ch : text) {
        if (ch.unicode() < 0x80)
            QTest::keyClick(edit, ch.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
    return true;
}

#define CLICK(form, caption) QVERIFY2(click(form, caption), qPrintable(QStringLiteral("no button ") + caption))

// ---- fixture -----------------------------------------------------------

void TestSetupWizard::init()
{
    m_root = std::make_unique<QTemporaryDir>();
    QVERIFY(m_root->isValid());
    qputenv("TAVREL_ROOT", QFile::encodeName(m_root->path()));
    QVERIFY(QDir(m_root->path()).mkdir(QStringLiteral("Tavrel - Meridel")));
    m_messages = std::make_unique<Messages::Script>();
    m_started.clear();
    m_resolver = std::make_shared<FakeResolver>();
    m_progressSteps.clear();
    m_progressCaptions.clear();
}

void TestSetupWizard::cleanup()
{
    m_messages.reset();
    m_root.reset();
}

static QStringList labelTexts(TForm1 &form)
{
    QStringList texts;
    if (QWidget *page = visiblePage(form)) {
        for (QLabel *label : page->findChildren<QLabel *>())
            texts << label->text();
    }
    return texts;
}

std::unique_ptr<TForm1> TestSetupWizard::openWizard()
{
    auto self = std::make_shared<TForm1 *>(nullptr);
    SetupServices services;
    services.startProcess = [this](const ProcessRequest &request) {
        m_started << request;
        return true;
    };
    services.resolver = m_resolver;
    // Instead of sleeping between steps, note what the page shows.
    services.progressPause = [this, self] {
        m_progressSteps << visiblePage(**self)->findChild<QProgressBar *>()->value();
        m_progressCaptions << labelTexts(**self).join(QLatin1Char('|'));
    };
    auto form = std::make_unique<TForm1>(services);
    *self = form.get();
    form->show();
    if (!QTest::qWaitForWindowExposed(form.get()))
        qWarning("wizard window not exposed");
    return form;
}

QByteArray TestSetupWizard::localBase() const
{
    QFile file(localBasePath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<no file>");
}

void TestSetupWizard::runNetworkToFinishPage(TForm1 &form, const Route &route)
{
    CLICK(form, QStringLiteral("Multi-Usuário"));
    CLICK(form, route.role);
    CLICK(form, QStringLiteral("Próximo"));
    QVERIFY(type(form, QStringLiteral("IP ou Host do Servidor:"), route.host));
    CLICK(form, QStringLiteral("Próximo"));
    QCOMPARE(form.currentPage(), int(TForm1::NetworkFinishPage));
}

// A whole run, from the first page until the window closes.
void TestSetupWizard::run(TForm1 &form, const Route &route)
{
    if (route.network) {
        runNetworkToFinishPage(form, route);
        if (QTest::currentTestFailed())
            return;
        auto *install = onPage<QCheckBox>(form, kInstall);
        QVERIFY(install);
        if (install->isChecked() != route.install)
            CLICK(form, kInstall);
        QCOMPARE(install->isChecked(), route.install);
    } else {
        CLICK(form, QStringLiteral("Mono-Usuário"));
    }
    CLICK(form, kFinish);
    QVERIFY(!form.isVisible());
}

// ---- the window --------------------------------------------------------

void TestSetupWizard::opensOnTheFirstPage()
{
    auto form = openWizard();
    QCOMPARE(form->windowTitle(), QStringLiteral("Assistente de Configuração - Tavrel"));
    QCOMPARE(form->currentPage(), int(TForm1::StartPage));
    QVERIFY(onPage<QAbstractButton>(*form, QStringLiteral("Mono-Usuário")));
    QVERIFY(onPage<QAbstractButton>(*form, QStringLiteral("Multi-Usuário")));

    QStringList status;
    for (QLabel *label : form->statusBar()->findChildren<QLabel *>())
        status << label->text();
    QCOMPARE(status, QStringList{QStringLiteral("Assistente de configuração do sistema Tavrel - Meridel")});

    // Fixed size, a minimize button and no maximize button; no page tabs.
    QCOMPARE(form->minimumSize(), form->maximumSize());
    QVERIFY(form->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!form->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(!form->findChild<QTabBar *>());
}

void TestSetupWizard::pageTexts_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QString>("server");   // typed on the server page, then "Próximo"
    QTest::addColumn<int>("page");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("start") << QStringList{} << QString() << int(TForm1::StartPage) << QStringList{
        "Este assistente lhe ajudará a configurar os sistema OS - Tavrel em seu computador.",
        "",
        "Abaixo temos duas opções: Mono-Usuário e Multi-Usuário.",
        "Mono-Usuário: Escolha esta opção caso você tenha somente um computador. Com isso o banco de",
        "dados ficará neste computador e o sistema não funcionará em rede.",
        "",
        "Multi-Usuário - Escolha essa opção caso você for utilizar o sistema em rede, com isso você irá para",
        "uma tela onde selecionará se este computador será o servidor de banco de dados ou somente",
        "um computador cliente que se conectará no servidor. Esta opção se você tiver mais de um computador",
        "e for acessar o sistema de vários computadores."};
    QTest::newRow("role") << QStringList{"Multi-Usuário"} << QString() << int(TForm1::RolePage) << QStringList{
        "Abaixo tem-se duas opções: Servidor e Cliente.",
        "Servidor: Escolha esta opção se este for o computador onde ficará o banco de dados. Os demais ",
        "computadores (Clientes) se conectarão neste computador para salvar todos os dados no banco de",
        "dados. Obs.: Só pode haver 1 computador servidor.",
        "Cliente: Escolha esta opção se este for um computador que se conectará com o banco de dados em",
        "outro computador (no Servidor). Escolhendo esta opção o banco de dados não irá ser intalado neste",
        "computador. Obs.: Poderá ter até 20 computadores clientes."};
    QTest::newRow("server address") << QStringList{"Multi-Usuário", kClient, "Próximo"} << QString()
                                    << int(TForm1::ServerPage) << QStringList{
        "Abaixo colocaremos o ip do servidor onde se encontra o banco de dados.",
        "",
        "No primeiro campo abaixo coloque o IP ou o Host do servidor.",
        "Coloque o IP caso o ip do servidor for físico. Coloque o Host caso o ip do servidor for DHCP."};
    QTest::newRow("finish, network") << QStringList{"Multi-Usuário", kClient, "Próximo"} << "SERVIDOR"
                                     << int(TForm1::NetworkFinishPage) << QStringList{
        "Com isso concluímos a configuração do sistema.",
        "",
        "Se for a primeira vez que você configura este Assistente neste computador deixa a opção ",
        "[Instalar Gerenciador dos Dados] marcada.",
        "",
        "Caso você já tenha configurado o Assistente neste computador e automáticamente já instalado ",
        "o Gerenciador dos Dados, desmarque a opção abaixo."};
}

void TestSetupWizard::pageTexts()
{
    QFETCH(QStringList, clicks);
    QFETCH(QString, server);
    QFETCH(int, page);
    QFETCH(QStringList, lines);

    auto form = openWizard();
    for (const QString &caption : clicks)
        CLICK(*form, caption);
    if (!server.isEmpty()) {
        QVERIFY(type(*form, "IP ou Host do Servidor:", server));
        CLICK(*form, QStringLiteral("Próximo"));
    }
    QCOMPARE(form->currentPage(), page);
    auto *text = visiblePage(*form)->findChild<QPlainTextEdit *>();
    QVERIFY(text);
    QVERIFY(text->isReadOnly());
    QCOMPARE(text->toPlainText().split(QLatin1Char('\n')), lines);
}

// ---- localbase.txt -----------------------------------------------------

void TestSetupWizard::networkRunWritesTheServersString_data()
{
    QTest::addColumn<QString>("role");
    QTest::addColumn<QString>("host");
    QTest::addColumn<QByteArray>("hostBytes");   // as the file holds it

    QTest::newRow("server named SERVIDOR") << kServer << "SERVIDOR" << QByteArray("SERVIDOR");
    QTest::newRow("client with an IP address") << kClient << "192.168.0.10" << QByteArray("192.168.0.10");
    QTest::newRow("blanks kept as typed") << kClient << " servidor da loja " << QByteArray(" servidor da loja ");
    QTest::newRow("port kept as typed") << kServer << "SERVIDOR/3050" << QByteArray("SERVIDOR/3050");
    QTest::newRow("accents in the shop's code page") << kClient << "balcão" << QByteArray("balc\xE3o");
}

void TestSetupWizard::networkRunWritesTheServersString()
{
    QFETCH(QString, role);
    QFETCH(QString, host);
    QFETCH(QByteArray, hostBytes);

    // Whatever an earlier installation left there goes away.
    QFile old(localBasePath());
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("OUTRO:C:\\antigo\\DADOS.GDB\r\nsegunda linha\r\n");
    old.close();

    auto form = openWizard();
    CLICK(*form, QStringLiteral("Multi-Usuário"));
    CLICK(*form, role);
    CLICK(*form, QStringLiteral("Próximo"));
    QCOMPARE(form->currentPage(), int(TForm1::ServerPage));

    auto *databaseEdit = onPage<QLineEdit>(*form, "Aqui está o endereço do banco de dados. Não poderá ser alterado.");
    QVERIFY(databaseEdit);
    QCOMPARE(databaseEdit->text(), QDir::toNativeSeparators(databasePath()));
    QVERIFY(databaseEdit->isReadOnly());

    QVERIFY(type(*form, "IP ou Host do Servidor:", host));
    CLICK(*form, QStringLiteral("Próximo"));

    QCOMPARE(form->currentPage(), int(TForm1::NetworkFinishPage));
    QCOMPARE(localBase(), hostBytes + ":" + QDir::toNativeSeparators(databasePath()).toLatin1());
    QVERIFY(m_messages->shown().isEmpty());
    QVERIFY(m_started.isEmpty());
}

void TestSetupWizard::singleUserRunShowsProgressThenWrites()
{
    auto form = openWizard();
    CLICK(*form, QStringLiteral("Mono-Usuário"));

    // The bar went 1, 2, ... 100 under "Configurando Sistema...", then back to 0.
    QList<int> expectedSteps;
    for (int i = 1; i <= 100; ++i)
        expectedSteps << i;
    QCOMPARE(m_progressSteps, expectedSteps);
    QCOMPARE(m_progressCaptions.count(QStringLiteral("Configurando Sistema...")), 100);
    QCOMPARE(form->currentPage(), int(TForm1::SingleUserFinishPage));
    QCOMPARE(visiblePage(*form)->findChild<QProgressBar *>()->value(), 0);
    QCOMPARE(labelTexts(*form), QStringList{QStringLiteral("Sistema Configurado!")});

    // Nothing is written before the button.
    QVERIFY(!QFile::exists(localBasePath()));
    CLICK(*form, kFinish);

    QCOMPARE(localBase(), QDir::toNativeSeparators(databasePath()).toUtf8());
    QVERIFY(!form->isVisible());
    QVERIFY(m_messages->shown().isEmpty());
    QVERIFY(m_started.isEmpty());
}

void TestSetupWizard::secondRunReplacesTheFirst_data()
{
    QTest::addColumn<Route>("first");
    QTest::addColumn<Route>("second");
    QTest::addColumn<QString>("expectedHost");   // empty: single user

    const Route single{false, {}, {}, true};
    const Route server{true, kServer, QStringLiteral("SERVIDOR-ANTIGO-COM-NOME-COMPRIDO"), false};
    const Route client{true, kClient, QStringLiteral("10.0.0.2"), false};
    QTest::newRow("network, then single user") << server << single << QString();
    QTest::newRow("single user, then network") << single << client << QStringLiteral("10.0.0.2");
    QTest::newRow("longer host, then shorter") << server << client << QStringLiteral("10.0.0.2");
}

void TestSetupWizard::secondRunReplacesTheFirst()
{
    QFETCH(Route, first);
    QFETCH(Route, second);
    QFETCH(QString, expectedHost);

    auto firstForm = openWizard();
    run(*firstForm, first);
    if (QTest::currentTestFailed())
        return;
    QVERIFY(localBase() != "<no file>");

    auto secondForm = openWizard();
    run(*secondForm, second);
    if (QTest::currentTestFailed())
        return;

    const QString database = QDir::toNativeSeparators(databasePath());
    QCOMPARE(localBase(), (expectedHost.isEmpty() ? database : expectedHost + ":" + database).toUtf8());
}

void TestSetupWizard::refusesMissingChoices_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("message");

    QTest::newRow("no role chosen") << QStringList{"Multi-Usuário", "Próximo"} << int(TForm1::RolePage)
                                    << "Para prosseguir escolha uma opção.";
    QTest::newRow("no server typed") << QStringList{"Multi-Usuário", kServer, "Próximo", "Próximo"}
                                     << int(TForm1::ServerPage)
                                     << "Digite o Endereço IP ou Host do Servidor do Banco de Dados.";
}

void TestSetupWizard::refusesMissingChoices()
{
    QFETCH(QStringList, clicks);
    QFETCH(int, page);
    QFETCH(QString, message);

    auto form = openWizard();
    for (const QString &caption : clicks)
        CLICK(*form, caption);

    QCOMPARE(form->currentPage(), page);
    QCOMPARE(m_messages->texts(), QStringList{message});
    QCOMPARE(m_messages->last().kind, Messages::Kind::Information);
    QVERIFY(!QFile::exists(localBasePath()));
    QVERIFY(form->isVisible());
}

void TestSetupWizard::unwritableLocalBaseKeepsThePage_data()
{
    QTest::addColumn<bool>("network");
    QTest::addColumn<bool>("folderMissing");   // otherwise localbase.txt is a folder

    QTest::newRow("network, no install folder") << true << true;
    QTest::newRow("network, localbase.txt is a folder") << true << false;
    QTest::newRow("single user, no install folder") << false << true;
    QTest::newRow("single user, localbase.txt is a folder") << false << false;
}

void TestSetupWizard::unwritableLocalBaseKeepsThePage()
{
    QFETCH(bool, network);
    QFETCH(bool, folderMissing);

    if (folderMissing)
        QVERIFY(QDir(installFolder()).removeRecursively());
    else
        QVERIFY(QDir(installFolder()).mkdir(QStringLiteral("localbase.txt")));

    auto form = openWizard();
    int page;
    if (network) {
        CLICK(*form, QStringLiteral("Multi-Usuário"));
        CLICK(*form, kServer);
        CLICK(*form, QStringLiteral("Próximo"));
        QVERIFY(type(*form, "IP ou Host do Servidor:", "SERVIDOR"));
        CLICK(*form, QStringLiteral("Próximo"));
        page = TForm1::ServerPage;
    } else {
        CLICK(*form, QStringLiteral("Mono-Usuário"));
        CLICK(*form, kFinish);
        page = TForm1::SingleUserFinishPage;
    }

    QCOMPARE(form->currentPage(), page);
    QVERIFY(form->isVisible());
    QCOMPARE(m_messages->shown().size(), 1);
    QCOMPARE(m_messages->last().kind, Messages::Kind::Error);
    QVERIFY2(m_messages->last().text.contains(QDir::toNativeSeparators(localBasePath())),
             qPrintable(m_messages->last().text));
    QVERIFY(!QFileInfo(localBasePath()).isFile());
}

void TestSetupWizard::closingWritesNothing()
{
    auto form = openWizard();
    CLICK(*form, QStringLiteral("Multi-Usuário"));
    CLICK(*form, kServer);
    CLICK(*form, QStringLiteral("Próximo"));
    QVERIFY(type(*form, "IP ou Host do Servidor:", "SERVIDOR"));
    QVERIFY(form->close());

    QVERIFY(!QFile::exists(localBasePath()));
    QVERIFY(m_started.isEmpty());
    QVERIFY(m_messages->shown().isEmpty());
}

// ---- the database server's installer ----------------------------------

void TestSetupWizard::finishStartsTheInstallerOfTheRole_data()
{
    QTest::addColumn<QString>("role");
    QTest::addColumn<bool>("install");
    QTest::addColumn<QString>("arguments");   // empty: nothing started

    QTest::newRow("server, ticked") << kServer << true
        << "/VERYSILENT /NOICONS /COMPONENTS=\"SuperServerComponent, ServerComponent, ClientComponent\" /FORCE /COPYFBCLIENT";
    QTest::newRow("client, ticked") << kClient << true
        << "/VERYSILENT /NOICONS /COMPONENTS=\"ClientComponent\" /FORCE /COPYFBCLIENT";
    QTest::newRow("server, unticked") << kServer << false << QString();
    QTest::newRow("client, unticked") << kClient << false << QString();
}

void TestSetupWizard::finishStartsTheInstallerOfTheRole()
{
    QFETCH(QString, role);
    QFETCH(bool, install);
    QFETCH(QString, arguments);

    const QString installer = QDir::toNativeSeparators(installFolder() + QStringLiteral("/baseinstall.exe"));
    QFile placed(installer);
    QVERIFY(placed.open(QIODevice::WriteOnly));
    placed.close();

    auto form = openWizard();
    runNetworkToFinishPage(*form, {true, role, QStringLiteral("SERVIDOR"), install});
    if (QTest::currentTestFailed())
        return;
    auto *tick = onPage<QCheckBox>(*form, kInstall);
    QVERIFY(tick);
    QVERIFY2(tick->isChecked(), "ticked at first");
    if (!install)
        CLICK(*form, kInstall);
    QCOMPARE(tick->isChecked(), install);
    CLICK(*form, kFinish);

    if (arguments.isEmpty()) {
        QVERIFY(m_started.isEmpty());
    } else {
        QCOMPARE(m_started.size(), 1);
        QCOMPARE(m_started.first().commandLine(), installer + " " + arguments);
        QCOMPARE(QDir(m_started.first().workingFolder), QDir(installFolder()));
    }
    QCOMPARE(m_messages->texts(), QStringList{kSuccess});
    QVERIFY(!form->isVisible());
    QCOMPARE(localBase(), ("SERVIDOR:" + QDir::toNativeSeparators(databasePath())).toUtf8());
}

void TestSetupWizard::missingInstallerPointsToThePackageManager()
{
#ifdef Q_OS_WIN
    QSKIP("the installer is always started on Windows");
#endif
    auto form = openWizard();
    runNetworkToFinishPage(*form, {true, kServer, QStringLiteral("SERVIDOR"), true});
    if (QTest::currentTestFailed())
        return;
    CLICK(*form, kFinish);

    QVERIFY(m_started.isEmpty());
    QCOMPARE(m_messages->shown().size(), 2);
    const QString advice = m_messages->shown().first().text;
    QVERIFY2(advice.contains("gerenciador de pacotes") && advice.contains("Firebird"), qPrintable(advice));
    QCOMPARE(m_messages->last().text, kSuccess);
    QVERIFY(!form->isVisible());
}

// The system's own way of starting programs, with a stand-in installer that
// notes its arguments and the folder it ran in.
void TestSetupWizard::installerCommandReallyRuns()
{
#ifdef Q_OS_WIN
    QSKIP("the stand-in installer is a shell script");
#endif
    const QString installer = installFolder() + QStringLiteral("/baseinstall.exe");
    const QString report = m_root->filePath(QStringLiteral("installer-ran.txt"));
    QFile script(installer);
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\n"
                 "{ pwd; for a in \"$@\"; do echo \"$a\"; done; } > \"$REPORT.part\"\n"
                 "mv \"$REPORT.part\" \"$REPORT\"\n");
    script.close();
    QVERIFY(script.setPermissions(script.permissions() | QFileDevice::ExeOwner));
    qputenv("REPORT", QFile::encodeName(report));

    SetupServices services;   // the real process start
    services.resolver = m_resolver;
    services.progressPause = [] {};
    TForm1 form(services);
    form.show();
    runNetworkToFinishPage(form, {true, kServer, QStringLiteral("SERVIDOR"), true});
    if (QTest::currentTestFailed())
        return;
    CLICK(form, kFinish);

    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(report), 10000);
    QFile ran(report);
    QVERIFY(ran.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(ran.readAll()).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines, (QStringList{QDir(installFolder()).canonicalPath(), "/VERYSILENT", "/NOICONS",
                                 "/COMPONENTS=SuperServerComponent, ServerComponent, ClientComponent",
                                 "/FORCE", "/COPYFBCLIENT"}));
    QCOMPARE(m_messages->texts(), QStringList{kSuccess});
}

// ---- this computer's address -------------------------------------------

void TestSetupWizard::hostInfoMessage_data()
{
    QTest::addColumn<QStringList>("addresses");
    QTest::addColumn<QString>("expected");

    QTest::newRow("several addresses: the last one")
        << QStringList{"192.168.0.5", "10.0.0.7", "172.16.1.9"}
        << "IP deste computador: 172.16.1.9\nNome do Host deste computador: balcao.oficina";
    QTest::newRow("one address") << QStringList{"192.168.0.5"}
        << "IP deste computador: 192.168.0.5\nNome do Host deste computador: caixa.oficina";
    QTest::newRow("address without a name") << QStringList{"192.168.0.5", "10.9.9.9"}
        << "IP deste computador: 10.9.9.9\nNome do Host deste computador: Host inválido ou não encontrado";
    QTest::newRow("name does not resolve") << QStringList{}
        << "IP deste computador: \nNome do Host deste computador: Host inválido ou não encontrado";
}

void TestSetupWizard::hostInfoMessage()
{
    QFETCH(QStringList, addresses);
    QFETCH(QString, expected);

    m_resolver->localName = QStringLiteral("BALCAO");
    if (!addresses.isEmpty())
        m_resolver->addresses[QStringLiteral("BALCAO")] = addresses;
    m_resolver->names = {{"192.168.0.5", "caixa.oficina"},
                         {"10.0.0.7", "estoque.oficina"},
                         {"172.16.1.9", "balcao.oficina"}};

    auto form = openWizard();
    CLICK(*form, QStringLiteral("Multi-Usuário"));
    CLICK(*form, kClient);
    CLICK(*form, QStringLiteral("Próximo"));
    CLICK(*form, QStringLiteral("Clique aqui para saber o ip e o host deste computador"));

    QCOMPARE(m_messages->texts(), QStringList{expected});
    QCOMPARE(m_messages->last().kind, Messages::Kind::Information);
    QCOMPARE(form->currentPage(), int(TForm1::ServerPage));
    QVERIFY(!QFile::exists(localBasePath()));
}

void TestSetupWizard::systemResolverAnswersForThisComputer()
{
    const SystemAddressResolver resolver;
    QVERIFY(!resolver.localHostName().isEmpty());
    const QStringList loopback = resolver.ipv4AddressesOf(QStringLiteral("localhost"));
    QVERIFY2(loopback.contains("127.0.0.1"), qPrintable(loopback.join(',')));
    for (const QString &address : loopback)
        QVERIFY2(!address.contains(':'), "only IPv4 addresses");
    const QString name = resolver.hostNameOf(QStringLiteral("127.0.0.1"));
    QVERIFY(!name.isEmpty());
    QVERIFY(name != QStringLiteral("127.0.0.1"));
    QCOMPARE(resolver.hostNameOf(QStringLiteral("not an address")), QString());
    // An ordinary machine registers no name for this loopback address; the
    // look-up must not answer with the address itself.
    QCOMPARE(resolver.hostNameOf(QStringLiteral("127.0.0.2")), QString());
    QCOMPARE(resolver.ipv4AddressesOf(QString()), QStringList());
}

QTEST_MAIN(TestSetupWizard)
#include "tst_setupwizard.moc"
