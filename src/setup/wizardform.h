#pragma once

#include "hostlookup.h"
#include "processstarter.h"

#include <QMainWindow>
#include <functional>
#include <memory>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QStackedWidget;

// What the wizard needs from the computer: starting a program, the name
// service, and the pause between two steps of the progress bar.
struct SetupServices {
    ProcessStarter startProcess = startHiddenDetached;
    std::shared_ptr<const AddressResolver> resolver = std::make_shared<SystemAddressResolver>();
    std::function<void()> progressPause;   // 50 ms when empty
};

// The set-up wizard's one window: five pages without tabs, moving forward
// only. Single user: page 0 to 4. Network: page 0 to 1 to 2 to 3.
class TForm1 : public QMainWindow
{
    Q_OBJECT

public:
    enum Page { StartPage, RolePage, ServerPage, NetworkFinishPage, SingleUserFinishPage };

    explicit TForm1(SetupServices services = {}, QWidget *parent = nullptr);

    int currentPage() const;

private:
    QWidget *createStartPage();
    QWidget *createRolePage();
    QWidget *createServerPage();
    QWidget *createNetworkFinishPage();
    QWidget *createSingleUserFinishPage();

    void showPage(Page page);
    bool writeLocalBase(const QString &connection);

    void MonoUsuarioClick();
    void MultiUsuarioClick();
    void ProximoRoleClick();
    void HostInfoClick();
    void ProximoServerClick();
    void ConcluirNetworkClick();
    void ConcluirSingleUserClick();
    void SingleUserPageShow();

    SetupServices m_services;
    QStackedWidget *m_pages = nullptr;
    QButtonGroup *m_role = nullptr;
    QLineEdit *m_serverEdit = nullptr;
    QCheckBox *m_installCheck = nullptr;
    QLabel *m_configuringLabel = nullptr;
    QProgressBar *m_progress = nullptr;
};
