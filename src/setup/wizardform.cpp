#include "wizardform.h"

#include "connectionstring.h"
#include "installpaths.h"
#include "messages.h"
#include "serverinstaller.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStackedWidget>
#include <QStatusBar>
#include <QThread>
#include <QVBoxLayout>

namespace {

const QString kFinishCaption = QStringLiteral("Concluir e Fechar Janela");
const QString kNextCaption = QStringLiteral("Próximo");

QPlainTextEdit *readOnlyText(const QStringList &lines)
{
    auto *memo = new QPlainTextEdit(lines.join(QLatin1Char('\n')));
    memo->setReadOnly(true);
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    return memo;
}

QPushButton *button(const QString &caption)
{
    auto *b = new QPushButton(caption);
    b->setAccessibleName(caption);
    return b;
}

// An edit with its caption above it; the caption is also the edit's name.
QLineEdit *captionedEdit(QVBoxLayout *layout, const QString &caption)
{
    auto *label = new QLabel(caption);
    auto *edit = new QLineEdit;
    label->setBuddy(edit);
    edit->setAccessibleName(caption);
    layout->addWidget(label);
    layout->addWidget(edit);
    return edit;
}

QHBoxLayout *buttonRow(std::initializer_list<QPushButton *> buttons)
{
    auto *row = new QHBoxLayout;
    row->addStretch();
    for (QPushButton *b : buttons)
        row->addWidget(b);
    return row;
}

} // namespace

TForm1::TForm1(SetupServices services, QWidget *parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                              | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , m_services(std::move(services))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Assistente de Configuração - Tavrel"));

    m_pages = new QStackedWidget;
    m_pages->setObjectName(QStringLiteral("PageControl1"));
    m_pages->addWidget(createStartPage());
    m_pages->addWidget(createRolePage());
    m_pages->addWidget(createServerPage());
    m_pages->addWidget(createNetworkFinishPage());
    m_pages->addWidget(createSingleUserFinishPage());
    setCentralWidget(m_pages);

    auto *status = new QLabel(QStringLiteral("Assistente de configuração do sistema Tavrel - Meridel"));
    status->setObjectName(QStringLiteral("StatusBar1"));
    statusBar()->setSizeGripEnabled(false);
    statusBar()->addWidget(status, 1);

    showPage(StartPage);
    setFixedSize(700, 440);
    if (const QScreen *where = screen())
        move(where->availableGeometry().center() - rect().center());
}

int TForm1::currentPage() const
{
    return m_pages->currentIndex();
}

QWidget *TForm1::createStartPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(readOnlyText({
        QStringLiteral("Este assistente lhe ajudará a configurar os sistema OS - Tavrel em seu computador."),
        QString(),
        QStringLiteral("Abaixo temos duas opções: Mono-Usuário e Multi-Usuário."),
        QStringLiteral("Mono-Usuário: Escolha esta opção caso você tenha somente um computador. Com isso o banco de"),
        QStringLiteral("dados ficará neste computador e o sistema não funcionará em rede."),
        QString(),
        QStringLiteral("Multi-Usuário - Escolha essa opção caso você for utilizar o sistema em rede, com isso você irá para"),
        QStringLiteral("uma tela onde selecionará se este computador será o servidor de banco de dados ou somente"),
        QStringLiteral("um computador cliente que se conectará no servidor. Esta opção se você tiver mais de um computador"),
        QStringLiteral("e for acessar o sistema de vários computadores."),
    }));
    QPushButton *mono = button(QStringLiteral("Mono-Usuário"));
    QPushButton *multi = button(QStringLiteral("Multi-Usuário"));
    connect(mono, &QPushButton::clicked, this, &TForm1::MonoUsuarioClick);
    connect(multi, &QPushButton::clicked, this, &TForm1::MultiUsuarioClick);
    layout->addLayout(buttonRow({mono, multi}));
    return page;
}

QWidget *TForm1::createRolePage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(readOnlyText({
        QStringLiteral("Abaixo tem-se duas opções: Servidor e Cliente."),
        QStringLiteral("Servidor: Escolha esta opção se este for o computador onde ficará o banco de dados. Os demais "),
        QStringLiteral("computadores (Clientes) se conectarão neste computador para salvar todos os dados no banco de"),
        QStringLiteral("dados. Obs.: Só pode haver 1 computador servidor."),
        QStringLiteral("Cliente: Escolha esta opção se este for um computador que se conectará com o banco de dados em"),
        QStringLiteral("outro computador (no Servidor). Escolhendo esta opção o banco de dados não irá ser intalado neste"),
        QStringLiteral("computador. Obs.: Poderá ter até 20 computadores clientes."),
    }));

    const QString choiceCaption = QStringLiteral("Escolha uma opção:");
    auto *choice = new QGroupBox(choiceCaption);
    choice->setAccessibleName(choiceCaption);
    auto *choiceLayout = new QVBoxLayout(choice);
    m_role = new QButtonGroup(this);
    const QStringList roles{QStringLiteral("Servidor - Sistema com Banco de Dados."),
                            QStringLiteral("Cliente - Somente o sistema.")};
    for (int i = 0; i < roles.size(); ++i) {
        auto *radio = new QRadioButton(roles[i]);
        radio->setAccessibleName(roles[i]);
        m_role->addButton(radio, i);
        choiceLayout->addWidget(radio);
    }
    layout->addWidget(choice);

    QPushButton *next = button(kNextCaption);
    connect(next, &QPushButton::clicked, this, &TForm1::ProximoRoleClick);
    layout->addLayout(buttonRow({next}));
    return page;
}

QWidget *TForm1::createServerPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(readOnlyText({
        QStringLiteral("Abaixo colocaremos o ip do servidor onde se encontra o banco de dados."),
        QString(),
        QStringLiteral("No primeiro campo abaixo coloque o IP ou o Host do servidor."),
        QStringLiteral("Coloque o IP caso o ip do servidor for físico. Coloque o Host caso o ip do servidor for DHCP."),
    }));

    m_serverEdit = captionedEdit(layout, QStringLiteral("IP ou Host do Servidor:"));
    QLineEdit *databasePath =
        captionedEdit(layout, QStringLiteral("Aqui está o endereço do banco de dados. Não poderá ser alterado."));
    databasePath->setText(InstallPaths::databaseFile());
    databasePath->setReadOnly(true);
    QPalette readOnlyColours = databasePath->palette();
    readOnlyColours.setColor(QPalette::Base, readOnlyColours.color(QPalette::Midlight));
    databasePath->setPalette(readOnlyColours);

    QPushButton *hostInfo = button(QStringLiteral("Clique aqui para saber o ip e o host deste computador"));
    QPushButton *next = button(kNextCaption);
    connect(hostInfo, &QPushButton::clicked, this, &TForm1::HostInfoClick);
    connect(next, &QPushButton::clicked, this, &TForm1::ProximoServerClick);
    layout->addLayout(buttonRow({hostInfo, next}));
    return page;
}

QWidget *TForm1::createNetworkFinishPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(readOnlyText({
        QStringLiteral("Com isso concluímos a configuração do sistema."),
        QString(),
        QStringLiteral("Se for a primeira vez que você configura este Assistente neste computador deixa a opção "),
        QStringLiteral("[Instalar Gerenciador dos Dados] marcada."),
        QString(),
        QStringLiteral("Caso você já tenha configurado o Assistente neste computador e automáticamente já instalado "),
        QStringLiteral("o Gerenciador dos Dados, desmarque a opção abaixo."),
    }));

    const QString installCaption = QStringLiteral("Instalar Gerenciador dos Dados");
    m_installCheck = new QCheckBox(installCaption);
    m_installCheck->setAccessibleName(installCaption);
    m_installCheck->setChecked(true);
    layout->addWidget(m_installCheck);

    QPushButton *finish = button(kFinishCaption);
    connect(finish, &QPushButton::clicked, this, &TForm1::ConcluirNetworkClick);
    layout->addLayout(buttonRow({finish}));
    return page;
}

QWidget *TForm1::createSingleUserFinishPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->addStretch();
    m_configuringLabel = new QLabel(QStringLiteral("Configurando Sistema..."));
    m_configuringLabel->setAlignment(Qt::AlignCenter);
    layout->addWidget(m_configuringLabel);
    m_progress = new QProgressBar;
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    m_progress->setTextVisible(false);
    m_progress->setAccessibleName(QStringLiteral("Configurando Sistema..."));
    layout->addWidget(m_progress);
    layout->addStretch();

    QPushButton *finish = button(kFinishCaption);
    connect(finish, &QPushButton::clicked, this, &TForm1::ConcluirSingleUserClick);
    layout->addLayout(buttonRow({finish}));
    return page;
}

void TForm1::showPage(Page page)
{
    m_pages->setCurrentIndex(page);
}

bool TForm1::writeLocalBase(const QString &connection)
{
    QString failure;
    if (ConnectionString::writeTo(InstallPaths::localBaseFile(), connection, &failure))
        return true;
    Messages::error(this, failure);
    return false;
}

// Page 0 "Mono-Usuário": straight to the single-user finish.
void TForm1::MonoUsuarioClick()
{
    showPage(SingleUserFinishPage);
    SingleUserPageShow();
}

// Page 0 "Multi-Usuário": choose the workstation's role.
void TForm1::MultiUsuarioClick()
{
    showPage(RolePage);
}

// Page 1 "Próximo".
void TForm1::ProximoRoleClick()
{
    if (m_role->checkedId() < 0) {
        Messages::inform(this, QStringLiteral("Para prosseguir escolha uma opção."));
        return;
    }
    showPage(ServerPage);
}

// Page 2: tells this computer's address and name, for typing them on the
// other workstations.
void TForm1::HostInfoClick()
{
    Messages::inform(this, HostLookup::thisComputerMessage(*m_services.resolver));
}

// Page 2 "Próximo": the server's address goes to localbase.txt.
void TForm1::ProximoServerClick()
{
    const QString host = m_serverEdit->text();
    if (host.isEmpty()) {
        Messages::inform(this, QStringLiteral("Digite o Endereço IP ou Host do Servidor do Banco de Dados."));
        return;
    }
    if (!writeLocalBase(ConnectionString::network(host)))
        return;
    showPage(NetworkFinishPage);
}

// Page 3 "Concluir e Fechar Janela".
void TForm1::ConcluirNetworkClick()
{
    if (m_installCheck->isChecked()) {
        const auto role = m_role->checkedId() == 0 ? WorkstationRole::Server : WorkstationRole::Client;
        const ServerInstaller installer(m_services.startProcess);
        if (installer.install(role) == ServerInstaller::Outcome::NotInThisSystem)
            Messages::inform(this,
                             QStringLiteral("O instalador do Gerenciador dos Dados (baseinstall.exe) não existe "
                                            "neste sistema. Instale o servidor de banco de dados Firebird pelo "
                                            "gerenciador de pacotes do sistema (por exemplo, o pacote "
                                            "firebird3.0-server) e depois abra o sistema."));
    }
    Messages::inform(this, QStringLiteral("Sistema configurado com sucesso!"));
    close();
}

// Page 4 "Concluir e Fechar Janela": the database lives on this computer.
void TForm1::ConcluirSingleUserClick()
{
    if (writeLocalBase(ConnectionString::singleUser()))
        close();
}

// Page 4 shown: about five seconds of progress, blocking the window.
void TForm1::SingleUserPageShow()
{
    repaint();
    for (int step = 1; step <= 100; ++step) {
        m_progress->setValue(step);
        m_progress->repaint();
        if (m_services.progressPause)
            m_services.progressPause();
        else
            QThread::msleep(50);
    }
    m_progress->setValue(0);
    m_configuringLabel->setText(QStringLiteral("Sistema Configurado!"));
}
