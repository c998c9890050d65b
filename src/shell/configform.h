#pragma once

#include "backup.h"

#include "modalwindow.h"

class ConfigPage;
class Dataset;
class QProgressBar;
class QPushButton;
class QTabWidget;

// The settings window "Configurações": the backup on its first tab, then the
// shop's report header, the warranty terms printed on the service order and
// the captions of the client annotation colours, all in the one settings row
// of the dataset it is given (the shared ConfigQuery). Modal; closing it
// drops a change not saved. It never adds or removes a settings row.
class TConfigForm : public ModalWindow
{
    Q_OBJECT
public:
    explicit TConfigForm(Dataset *config, BackupServices backup = {}, QWidget *parent = nullptr);

    QTabWidget *tabs() const { return m_tabs; }
    ConfigPage *headerPage() const { return m_headerPage; }
    ConfigPage *warrantyPage() const { return m_warrantyPage; }
    ConfigPage *annotationPage() const { return m_annotationPage; }

    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    QWidget *createBackupTab();
    ConfigPage *createHeaderTab();
    ConfigPage *createWarrantyTab();
    ConfigPage *createAnnotationTab();

    Dataset *m_config;
    DatabaseBackup m_backup;
    QTabWidget *m_tabs;
    QPushButton *m_backupButton = nullptr;
    QProgressBar *m_progress = nullptr;
    ConfigPage *m_headerPage = nullptr;
    ConfigPage *m_warrantyPage = nullptr;
    ConfigPage *m_annotationPage = nullptr;
};
