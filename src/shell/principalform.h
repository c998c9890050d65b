#pragma once

#include <QHash>
#include <QMainWindow>
#include <functional>

class BarIcon;
class IconBar;
class QLabel;
class QMenu;
class TLoginForm;
class ToolbarMinimizer;

// The main window: the menu, the icon bar, the background, the tool bar that
// receives minimized module windows and the status bar whose third panel
// keeps the signed-in login. It opens the database when first shown and
// hands over to the login window.
class TPrincipalForm : public QMainWindow
{
    Q_OBJECT
public:
    static inline const QString kCaption = QStringLiteral("Tavrel 2.3 - Meridel");
    static inline const QString kMakerSite = QStringLiteral("www.meridel.com.br");
    static inline const QString kMakerEmail = QStringLiteral("suporte@meridel.com.br");
    static inline const QString kMakerMessenger = QStringLiteral("meridel@hotmail.com");

    explicit TPrincipalForm(QWidget *parent = nullptr);
    ~TPrincipalForm() override;

    void setLoginForm(TLoginForm *login);

    // The start sequence's database part: localbase.txt, the connection, the
    // datasets, then the login. False (after showing the error) when the
    // database could not be opened; the program then ends.
    bool startUp();
    bool startFailed() const { return m_startFailed; }

    // After a successful login: trim the menus to the user's permissions,
    // enable the window and show the login in the status bar.
    void applyLogin();
    QString signedInLogin() const;

    // A menu item by its path ("Cadastros/Clientes"), or a pop-up item by caption.
    QAction *menuItem(const QString &path) const;
    QAction *popupItem(const QString &caption) const;
    QMenu *financePopup() const { return m_financePopup; }
    IconBar *iconBar() const { return m_iconBar; }
    BarIcon *icon(int position) const; // 1 to 8
    QLabel *statusPanel(int index) const { return m_panels[index]; }
    ToolbarMinimizer *minimizer() const { return m_minimizer; }

    // Where the finance pop-up opens, and how: tests observe it.
    static inline const QPoint kFinancePopupPosition = QPoint(200, 100);
    static std::function<void(QMenu *, const QPoint &)> &popupShower();
    // Opening the maker's web site; tests observe it.
    static std::function<void(const QString &)> &siteOpener();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenu();
    void buildIconBar();
    void buildStatusBar();
    QAction *addItem(QMenu *menu, const QString &menuCaption, const QString &caption, std::function<void()> handler);
    // An icon: the signed-in user's permission read anew, then the item's action.
    void iconClicked(const QString &permissionColumn, const std::function<void()> &action);
    void openModule(const QString &windowClass);
    void closeDatabase();

    // The menu's handlers and their preparation of the datasets.
    void openConfig();
    void quit();
    void openClients();
    void openSuppliers();
    void openStock();
    void openUsers();
    void openSales();
    void openServiceOrders();
    void openServiceOrderList();
    void openStockReports();
    void showFinancePopup();

    TLoginForm *m_login = nullptr;
    IconBar *m_iconBar = nullptr;
    QMenu *m_financePopup = nullptr;
    ToolbarMinimizer *m_minimizer = nullptr;
    QLabel *m_panels[3] = {};
    QHash<QString, QAction *> m_menuItems;
    QHash<QString, QAction *> m_popupItems;
    bool m_started = false;
    bool m_startFailed = false;
};

extern TPrincipalForm *PrincipalForm;
