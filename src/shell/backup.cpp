#include "backup.h"

#include "backupcopy.h"
#include "backupfolder.h"
#include "firebird.h"
#include "installpaths.h"
#include "localbase.h"
#include "messages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProgressBar>
#include <QThread>

namespace {

void pauseWhileRepainting()
{
    // Paints the bar but leaves the user's clicks and keys waiting: the
    // window does not respond until the backup is over.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    QThread::msleep(50);
}

} // namespace

DatabaseBackup::DatabaseBackup(BackupServices services) : m_services(std::move(services))
{
    if (!m_services.progressPause)
        m_services.progressPause = pauseWhileRepainting;
    if (!m_services.now)
        m_services.now = [] { return QDateTime::currentDateTime(); };
}

void DatabaseBackup::run(QWidget *window, QProgressBar *bar) const
{
    showProgress(bar);
    const QString folder = BackupFolder::pathFor(m_services.now());
    const QString source = InstallPaths::databaseFile();
    const QString destination = BackupFolder::databaseIn(folder);
    const bool copied = QDir().mkpath(folder) && databaseIsHere() && copy(source, destination);
    if (copied)
        Messages::inform(window, destination + QStringLiteral("\nBackup feito com sucesso!"));
    else
        Messages::inform(window, QStringLiteral("Erro ao copiar ") + source + QStringLiteral(" para ") + destination);
}

void DatabaseBackup::showProgress(QProgressBar *bar) const
{
    bar->setRange(0, 100);
    for (int step = 1; step <= 100; ++step) {
        bar->setValue(step);
        m_services.progressPause();
    }
    bar->setValue(0);
}

bool DatabaseBackup::databaseIsHere()
{
    try {
        return !LocalBase::namesServer(LocalBase::readConnectionString(InstallPaths::localBaseFile()));
    } catch (const fb::Error &) {
        // Without localbase.txt the program could not have started on a
        // server's database; the copy itself tells whether the file is here.
        return true;
    }
}

bool DatabaseBackup::copy(const QString &source, const QString &destination)
{
    if (!QFile::exists(source))
        return false;
    try {
        BackupCopy::copyDatabase(source, destination);
    } catch (const fb::Error &) {
        return false;
    }
    return QFile::exists(destination);
}
