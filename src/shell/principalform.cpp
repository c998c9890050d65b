#include "principalform.h"

#include "aboutforms.h"
#include "cadusuarioform.h"
#include "dm.h"
#include "iconbar.h"
#include "installpaths.h"
#include "localbase.h"
#include "loginform.h"
#include "messages.h"
#include "modules.h"
#include "permissions.h"
#include "recordconventions.h"
#include "toolbarminimizer.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QStatusBar>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

TPrincipalForm *PrincipalForm = nullptr;

namespace {

// The window's background picture; the mouse on it resets the icon bar.
class Background : public QWidget
{
public:
    Background(IconBar *bar, QWidget *parent) : QWidget(parent), m_bar(bar)
    {
        setAccessibleName(QStringLiteral("Fundo"));
        setMouseTracking(true);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        if (m_picture.size() != size())
            m_picture = Artwork::background(size());
        QPainter(this).drawPixmap(0, 0, m_picture);
    }
    void enterEvent(QEnterEvent *event) override
    {
        m_bar->resetIcons();
        QWidget::enterEvent(event);
    }

private:
    IconBar *m_bar;
    QPixmap m_picture;
};

} // namespace

std::function<void(QMenu *, const QPoint &)> &TPrincipalForm::popupShower()
{
    static std::function<void(QMenu *, const QPoint &)> shower = [](QMenu *menu, const QPoint &at) { menu->popup(at); };
    return shower;
}

std::function<void(const QString &)> &TPrincipalForm::siteOpener()
{
    static std::function<void(const QString &)> opener = [](const QString &site) {
        QDesktopServices::openUrl(QUrl(QStringLiteral("http://") + site));
    };
    return opener;
}

TPrincipalForm::TPrincipalForm(QWidget *parent) : QMainWindow(parent)
{
    if (!PrincipalForm)
        PrincipalForm = this;
    setWindowTitle(kCaption);
    setAccessibleName(kCaption);

    auto *central = new QWidget(this);
    auto *column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    m_iconBar = new IconBar(central);
    column->addWidget(m_iconBar);
    column->addWidget(new Background(m_iconBar, central), 1);
    setCentralWidget(central);

    auto *toolBar = new QToolBar(QStringLiteral("Janelas minimizadas"), this);
    toolBar->setAccessibleName(QStringLiteral("Janelas minimizadas"));
    toolBar->setMovable(false);
    toolBar->setFloatable(false);
    addToolBar(Qt::BottomToolBarArea, toolBar);
    m_minimizer = new ToolbarMinimizer(toolBar, this);

    buildMenu();
    buildIconBar();
    buildStatusBar();
}

TPrincipalForm::~TPrincipalForm()
{
    if (PrincipalForm == this)
        PrincipalForm = nullptr;
}

void TPrincipalForm::setLoginForm(TLoginForm *login) { m_login = login; }

QAction *TPrincipalForm::addItem(QMenu *menu, const QString &menuCaption, const QString &caption,
                                 std::function<void()> handler)
{
    QAction *action = menu->addAction(caption);
    connect(action, &QAction::triggered, this, [handler = std::move(handler)] { handler(); });
    m_menuItems.insert(menuCaption + u'/' + caption, action);
    return action;
}

void TPrincipalForm::buildMenu()
{
    const auto open = [this](const QString &windowClass) { return [this, windowClass] { openModule(windowClass); }; };

    QMenu *arquivo = menuBar()->addMenu(QStringLiteral("Arquivo"));
    addItem(arquivo, QStringLiteral("Arquivo"), QStringLiteral("Configurações"), [this] { openConfig(); });
    arquivo->addSeparator();
    addItem(arquivo, QStringLiteral("Arquivo"), QStringLiteral("Sair"), [this] { quit(); });

    QMenu *cadastros = menuBar()->addMenu(QStringLiteral("Cadastros"));
    addItem(cadastros, QStringLiteral("Cadastros"), QStringLiteral("Clientes"), [this] { openClients(); });
    addItem(cadastros, QStringLiteral("Cadastros"), QStringLiteral("Fornecedores"), [this] { openSuppliers(); });
    addItem(cadastros, QStringLiteral("Cadastros"), QStringLiteral("Estoque"), [this] { openStock(); });
    cadastros->addSeparator();
    addItem(cadastros, QStringLiteral("Cadastros"), QStringLiteral("Usuários"), [this] { openUsers(); });

    QMenu *vendas = menuBar()->addMenu(QStringLiteral("Vendas"));
    addItem(vendas, QStringLiteral("Vendas"), QStringLiteral("VENDAS"), [this] { openSales(); });
    vendas->addSeparator();
    addItem(vendas, QStringLiteral("Vendas"), QStringLiteral("Relatório de Vendas"), open(QStringLiteral("TListaVendasForm")));

    QMenu *financeiro = menuBar()->addMenu(QStringLiteral("Financeiro"));
    addItem(financeiro, QStringLiteral("Financeiro"), QStringLiteral("Contas a Pagar"), open(QStringLiteral("TFinForm")));
    addItem(financeiro, QStringLiteral("Financeiro"), QStringLiteral("Controle de Cheques"), open(QStringLiteral("TChequesForm")));
    financeiro->addSeparator();
    addItem(financeiro, QStringLiteral("Financeiro"), QStringLiteral("Carnês - Débitos de Clientes"), open(QStringLiteral("TListaCarneForm")));

    QMenu *os = menuBar()->addMenu(QStringLiteral("OS"));
    addItem(os, QStringLiteral("OS"), QStringLiteral("Controle de Ordem de Serviço"), [this] { openServiceOrders(); });
    addItem(os, QStringLiteral("OS"), QStringLiteral("Ordens de Serviço [Lista]"), [this] { openServiceOrderList(); });
    addItem(os, QStringLiteral("OS"), QStringLiteral("Agenda de Ordens de Serviço"), open(QStringLiteral("TAgendaOSForm")));
    os->addSeparator();
    addItem(os, QStringLiteral("OS"), QStringLiteral("OS em Branco"), open(QStringLiteral("OSEmBranco")));

    QMenu *relatorios = menuBar()->addMenu(QStringLiteral("Relatórios"));
    addItem(relatorios, QStringLiteral("Relatórios"), QStringLiteral("Relatório de Estoque"), [this] { openStockReports(); });
    addItem(relatorios, QStringLiteral("Relatórios"), QStringLiteral("Relatório de Vendas"), open(QStringLiteral("TListaVendasForm")));
    addItem(relatorios, QStringLiteral("Relatórios"), QStringLiteral("Carnês Quitados (Parcelas)"), open(QStringLiteral("TListaCarneQuiForm")));

    QMenu *sobre = menuBar()->addMenu(QStringLiteral("Sobre"));
    addItem(sobre, QStringLiteral("Sobre"), QStringLiteral("Meridel"), [] { siteOpener()(kMakerSite); });
    addItem(sobre, QStringLiteral("Sobre"), QStringLiteral("Histórico das Versões"), [this] {
        THistoricoForm history(this);
        Messages::execModal(&history);
    });
    sobre->addSeparator();
    addItem(sobre, QStringLiteral("Sobre"), QStringLiteral("Sobre"), [this] {
        TSobreForm about(this);
        Messages::execModal(&about);
    });

    m_financePopup = new QMenu(this);
    m_financePopup->setAccessibleName(QStringLiteral("Financeiro"));
    const auto popup = [this](const QString &caption, const QString &windowClass) {
        QAction *a = m_financePopup->addAction(caption);
        connect(a, &QAction::triggered, this, [this, windowClass] { openModule(windowClass); });
        m_popupItems.insert(caption, a);
    };
    popup(QStringLiteral("Contas à Pagar"), QStringLiteral("TFinForm"));
    popup(QStringLiteral("Controle de Cheques"), QStringLiteral("TChequesForm"));
    m_financePopup->addSeparator();
    popup(QStringLiteral("Carnês - Débitos de Clientes"), QStringLiteral("TListaCarneForm"));
}

void TPrincipalForm::buildIconBar()
{
    using Artwork::Icon;
    struct IconDef {
        Icon picture;
        QString name;
        QString hint;
        QString permission;
        std::function<void()> action;
    };
    const IconDef icons[] = {
        {Icon::Vendas, QStringLiteral("Vendas"), QString(), QStringLiteral("TVENDAS"), [this] { openSales(); }},
        {Icon::Clientes, QStringLiteral("Lista de Clientes"), QStringLiteral("Lista de Clientes"), QStringLiteral("TCLIENTE"), [this] { openClients(); }},
        {Icon::Fornecedores, QStringLiteral("Lista de Fornecedores"), QStringLiteral("Lista de Fornecedores"), QStringLiteral("TFORNECEDORES"), [this] { openSuppliers(); }},
        {Icon::Financeiro, QStringLiteral("Financeiro"), QString(), QString(), [this] { showFinancePopup(); }},
        {Icon::Ordens, QStringLiteral("Ordens de Serviço"), QStringLiteral("Ordens de Serviço"), QStringLiteral("TCONTROLEOS"), [this] { openServiceOrders(); }},
        {Icon::Agenda, QStringLiteral("Agendamento de Ordens de Serviço"), QStringLiteral("Agendamento de Ordens de Serviço"), QStringLiteral("TAGENDAOS"), [this] { openModule(QStringLiteral("TAgendaOSForm")); }},
        {Icon::Estoque, QStringLiteral("Controle de Estoque"), QStringLiteral("Controle de Estoque"), QStringLiteral("TPRODUTOS"), [this] { openStock(); }},
        {Icon::Relatorios, QStringLiteral("Relatórios de Estoque"), QStringLiteral("Relatórios de Estoque"), QStringLiteral("TRELESTOQUE"), [this] { openStockReports(); }},
    };
    for (const IconDef &def : icons) {
        BarIcon *icon = m_iconBar->addIcon(def.picture, def.name, def.hint);
        connect(icon, &BarIcon::clicked, this, [this, def] {
            if (def.permission.isEmpty())
                def.action();
            else
                iconClicked(def.permission, def.action);
        });
    }
    m_iconBar->finish();
}

void TPrincipalForm::buildStatusBar()
{
    const QString texts[3] = {QStringLiteral("Meridel - ") + kMakerSite, kMakerEmail, QString()};
    const QString names[3] = {QStringLiteral("Fabricante"), QStringLiteral("Suporte"), QStringLiteral("Usuário")};
    for (int i = 0; i < 3; ++i) {
        m_panels[i] = new QLabel(texts[i], this);
        m_panels[i]->setAccessibleName(names[i]);
        m_panels[i]->setFrameShape(QFrame::Panel);
        m_panels[i]->setFrameShadow(QFrame::Sunken);
        statusBar()->addWidget(m_panels[i], i == 2 ? 1 : 2);
    }
    m_panels[1]->setAlignment(Qt::AlignCenter);
}

QAction *TPrincipalForm::menuItem(const QString &path) const { return m_menuItems.value(path); }
QAction *TPrincipalForm::popupItem(const QString &caption) const { return m_popupItems.value(caption); }
BarIcon *TPrincipalForm::icon(int position) const { return m_iconBar->icons().value(position - 1); }
QString TPrincipalForm::signedInLogin() const { return m_panels[2]->text(); }

void TPrincipalForm::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_started) {
        m_started = true;
        startUp();
    }
}

bool TPrincipalForm::startUp()
{
    try {
        const QString database = LocalBase::readConnectionString(InstallPaths::localBaseFile());
        DM->connect(database);
        DM->openStartDatasets();
        if (m_login)
            m_login->loadLogins();
    } catch (const fb::Error &e) {
        // Without a database there is nothing the shop can do here: say why and end.
        m_startFailed = true;
        Messages::error(this, e.message());
        close();
        // The message loop may not be running yet (the window is first shown
        // before it starts): end the program once it does.
        QMetaObject::invokeMethod(qApp, [] { QCoreApplication::exit(1); }, Qt::QueuedConnection);
        return false;
    }
    setEnabled(false);
    if (m_login) {
        m_login->show();
        m_login->raise();
        m_login->activateWindow();
    }
    return true;
}

void TPrincipalForm::applyLogin()
{
    Dataset &users = *DM->UsuariosQuery;
    for (const Permission &p : Permissions::all()) {
        if (Permissions::grants(users, p.column))
            continue;
        for (const QString &path : p.menuItems)
            m_menuItems.value(path)->setEnabled(false);
        for (const QString &caption : p.popupItems)
            m_popupItems.value(caption)->setEnabled(false);
    }
    setEnabled(true);
    m_panels[2]->setText(users.field(QStringLiteral("LOGIN")).asString());
}

void TPrincipalForm::iconClicked(const QString &permissionColumn, const std::function<void()> &action)
{
    try {
        Dataset &users = *DM->UsuariosQuery;
        users.reopen(QStringLiteral("select * from usuarios where login=") + Sql::quoted(signedInLogin()));
        if (!Permissions::grants(users, permissionColumn)) {
            Messages::inform(this, QStringLiteral("Permissão Negada!"));
            return;
        }
    } catch (const fb::Error &e) {
        Messages::error(this, e.message());
        return;
    }
    action();
}

void TPrincipalForm::openModule(const QString &windowClass)
{
    try {
        Modules::open(windowClass, this);
    } catch (const fb::Error &e) {
        Messages::error(this, e.message());
    }
}

namespace {

// Runs a menu item's preparation of the data module, showing a database error.
template <typename Prepare>
bool prepared(QWidget *window, Prepare &&prepare)
{
    try {
        prepare();
        return true;
    } catch (const fb::Error &e) {
        Messages::error(window, e.message());
        return false;
    }
}

} // namespace

void TPrincipalForm::openConfig()
{
    if (prepared(this, [] { DM->ConfigQuery->open(); }))
        openModule(QStringLiteral("TConfigForm"));
}

void TPrincipalForm::openClients()
{
    if (prepared(this, [] { DM->ClientesQuery->reopen(QStringLiteral("select * from clientes order by nome")); }))
        openModule(QStringLiteral("TListaClientesForm"));
}

void TPrincipalForm::openSuppliers()
{
    if (prepared(this, [] { DM->ForneQuery->reopen(QStringLiteral("select * from fornecedores order by nomefantasia")); }))
        openModule(QStringLiteral("TForneForm"));
}

void TPrincipalForm::openStock()
{
    if (prepared(this, [] { DM->ProdForneQuery->reopen(QStringLiteral("select * from prodforne order by descricao")); }))
        openModule(QStringLiteral("TProdForm"));
}

void TPrincipalForm::openUsers()
{
    if (!prepared(this, [] { DM->UsuariosQuery->reopen(QStringLiteral("select * from usuarios")); }))
        return;
    TCadUsuarioForm users(this);
    Messages::execModal(&users);
}

void TPrincipalForm::openSales()
{
    // The point of sale clears its own edits when it opens.
    if (prepared(this, [] { DM->IVendasQuery->close(); }))
        openModule(QStringLiteral("TVendasForm"));
}

void TPrincipalForm::openServiceOrders()
{
    const bool ok = prepared(this, [] {
        Dataset &clients = *DM->ClientesQuery;
        if (clients.currentRow() >= 0 && !clients.field(QStringLiteral("NOME")).asString().isEmpty())
            DM->OrdensQuery->reopen(QStringLiteral("select * from ordemserv where idcliente=")
                                    + QString::number(clients.field(QStringLiteral("IDCLIENTE")).asInteger()));
    });
    if (ok)
        openModule(QStringLiteral("TOrdemservForm"));
}

void TPrincipalForm::openServiceOrderList()
{
    if (prepared(this, [] { DM->OrdensQuery->reopen(QStringLiteral("select * from ordemserv")); }))
        openModule(QStringLiteral("TListaOSForm"));
}

void TPrincipalForm::openStockReports()
{
    if (prepared(this, [] { DM->ProdEntQuery->open(); }))
        openModule(QStringLiteral("TRelForm"));
}

void TPrincipalForm::showFinancePopup() { popupShower()(m_financePopup, kFinancePopupPosition); }

void TPrincipalForm::closeDatabase()
{
    if (!DM)
        return;
    try {
        DM->closeAll();
    } catch (const fb::Error &e) {
        Messages::error(this, e.message());
    }
}

void TPrincipalForm::quit()
{
    close();
}

void TPrincipalForm::closeEvent(QCloseEvent *event)
{
    // Every dataset, then the connection (committing what is open), then the end.
    closeDatabase();
    if (m_login)
        m_login->hide();
    event->accept();
    QMainWindow::closeEvent(event);
}
