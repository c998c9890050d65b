#include "backupcopy.h"

#include "firebird.h"

#include <firebird/Interface.h>
#include <ibase.h>

#include <QFile>

#include <memory>

using namespace Firebird;

namespace BackupCopy {

namespace {

IMaster *master() { return fb_get_master_interface(); }

// Firebird's status as our database error, carrying the engine's own text.
fb::Error errorOf(const FbException &e)
{
    char text[2048];
    master()->getUtilInterface()->formatStatus(text, sizeof text, e.getStatus());
    const ISC_STATUS *errors = e.getStatus()->getErrors();
    const long code = (errors && errors[0] == isc_arg_gds) ? long(errors[1]) : 0;
    return fb::Error(fb::fromWin1252(QByteArray(text)).trimmed(), code);
}

// A parameter block being built, disposed of however the task ends.
using Builder = std::unique_ptr<IXpbBuilder, void (*)(IXpbBuilder *)>;

Builder builder(ThrowStatusWrapper &status, unsigned kind)
{
    return Builder(master()->getUtilInterface()->getXpbBuilder(&status, kind, nullptr, 0),
                   [](IXpbBuilder *b) { b->dispose(); });
}

// One task of this process's service manager, run to its end: the call
// returns when the engine has finished the task and throws its error if the
// task failed.
class ServiceTask
{
public:
    // `fill` adds the task's action and its parameters to the start block.
    template <typename Fill>
    static void run(Fill fill)
    {
        IStatus *raw = master()->getStatus();
        ThrowStatusWrapper status(raw);
        IService *service = nullptr;
        try {
            service = attach(status);
            Builder start = builder(status, IXpbBuilder::SPB_START);
            fill(status, start.get());
            service->start(&status, start->getBufferLength(&status), start->getBuffer(&status));
            waitForEnd(status, service);
            service->detach(&status);   // releases it
            service = nullptr;
            raw->dispose();
        } catch (const FbException &e) {
            const fb::Error error = errorOf(e);
            if (service)
                service->release();
            raw->dispose();
            throw error;
        }
    }

private:
    static IService *attach(ThrowStatusWrapper &status)
    {
        Builder spb = builder(status, IXpbBuilder::SPB_ATTACH);
        spb->insertString(&status, isc_spb_user_name, fb::Connection::kUser);
        spb->insertString(&status, isc_spb_password, fb::Connection::kPassword);
        IProvider *provider = master()->getDispatcher();
        try {
            IService *service = provider->attachServiceManager(&status, "service_mgr", spb->getBufferLength(&status),
                                                               spb->getBuffer(&status));
            provider->release();
            return service;
        } catch (...) {
            provider->release();
            throw;
        }
    }

    // Reads the task's output until it has none left, which is when the task
    // has ended; a failed task raises its error from the last read.
    static void waitForEnd(ThrowStatusWrapper &status, IService *service)
    {
        const unsigned char request[] = {isc_info_svc_line};
        unsigned char answer[1024];
        for (;;) {
            service->query(&status, 0, nullptr, sizeof request, request, sizeof answer, answer);
            if (answer[0] != isc_info_svc_line)
                return;
            const unsigned length = unsigned(answer[1]) | (unsigned(answer[2]) << 8);
            if (length == 0)
                return;
        }
    }
};

// The engine's own backup of the database as one transaction sees it: only
// whole, committed saves, however busy the other workstations are meanwhile.
void logicalBackup(const QString &database, const QString &backupFile)
{
    const QByteArray db = fb::toWin1252(database);
    const QByteArray file = fb::toWin1252(backupFile);
    ServiceTask::run([&](ThrowStatusWrapper &status, IXpbBuilder *start) {
        start->insertTag(&status, isc_action_svc_backup);
        start->insertString(&status, isc_spb_dbname, db.constData());
        start->insertString(&status, isc_spb_bkp_file, file.constData());
        start->insertTag(&status, isc_spb_verbose);
    });
}

// A new database file built from the backup: every record and index written
// afresh, so the copy carries none of the live file's leftovers.
void restoreInto(const QString &backupFile, const QString &database)
{
    const QByteArray db = fb::toWin1252(database);
    const QByteArray file = fb::toWin1252(backupFile);
    ServiceTask::run([&](ThrowStatusWrapper &status, IXpbBuilder *start) {
        start->insertTag(&status, isc_action_svc_restore);
        start->insertString(&status, isc_spb_bkp_file, file.constData());
        start->insertString(&status, isc_spb_dbname, db.constData());
        start->insertInt(&status, isc_spb_options, isc_spb_res_create);
        start->insertTag(&status, isc_spb_verbose);
    });
}

// A file that is removed when this goes out of scope, whatever happened.
class ScratchFile
{
public:
    explicit ScratchFile(QString path) : m_path(std::move(path)) { QFile::remove(m_path); }
    ~ScratchFile() { QFile::remove(m_path); }
    const QString &path() const { return m_path; }

private:
    QString m_path;
};

} // namespace

void copyDatabase(const QString &source, const QString &destination)
{
    // Both steps write beside the destination, and only a complete,
    // restored copy takes the destination's name.
    const ScratchFile backup(destination + QStringLiteral(".fbk"));
    const ScratchFile restored(destination + QStringLiteral(".new"));
    logicalBackup(source, backup.path());
    restoreInto(backup.path(), restored.path());
    if (QFile::exists(destination) && !QFile::remove(destination))
        throw fb::Error(QStringLiteral("Não foi possível substituir \"%1\"").arg(destination));
    if (!QFile::rename(restored.path(), destination))
        throw fb::Error(QStringLiteral("Não foi possível gravar \"%1\"").arg(destination));
}

} // namespace BackupCopy
