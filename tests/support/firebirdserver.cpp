#include "firebirdserver.h"

#include "databasecreator.h"
#include "firebird.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QThread>

namespace {

const QString kFirebirdHome = QStringLiteral("/usr/lib/x86_64-linux-gnu/firebird/3.0");
const QString kServerBinary = QStringLiteral("/usr/sbin/firebird");

QProcessEnvironment serverEnvironment(const QString &home)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("FIREBIRD"), home);
    env.insert(QStringLiteral("FIREBIRD_LOCK"), home + QStringLiteral("/lock"));
    return env;
}

} // namespace

FirebirdServer::FirebirdServer()
{
    m_port = 32000 + int(QCoreApplication::applicationPid() % 20000);
    if (!writeConfiguration() || !createSecurityDatabase())
        return;
    m_process.setProcessEnvironment(serverEnvironment(m_dir.path()));
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    m_process.start(kServerBinary, {});
    if (!m_process.waitForStarted(5000)) {
        m_error = QStringLiteral("firebird did not start: ") + m_process.errorString();
        return;
    }
    // Ready when a client can attach to the security database's host.
    const QDeadlineTimer deadline(15000);
    const QString probe = m_dir.path() + QStringLiteral("/probe.fdb");
    while (!deadline.hasExpired()) {
        try {
            fb::Connection::createDatabase(connectionString(QStringLiteral("probe.fdb")));
            m_running = true;
            return;
        } catch (const fb::Error &e) {
            m_error = e.message();
        }
        if (m_process.state() != QProcess::Running) {
            m_error += QStringLiteral(" / server output: ") + QString::fromLocal8Bit(m_process.readAll());
            return;
        }
        QThread::msleep(200);
    }
}

FirebirdServer::~FirebirdServer()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(5000)) {
        m_process.kill();
        m_process.waitForFinished(2000);
    }
}

QString FirebirdServer::connectionString(const QString &fileName) const
{
    return QStringLiteral("127.0.0.1/%1:%2/%3").arg(m_port).arg(m_dir.path(), fileName);
}

QString FirebirdServer::createDatabase(const QString &fileName)
{
    const QString name = connectionString(fileName);
    DatabaseCreator::create(name);
    return name;
}

bool FirebirdServer::writeConfiguration()
{
    const QString home = m_dir.path();
    QDir().mkpath(home + QStringLiteral("/lock"));
    QDir().mkpath(home + QStringLiteral("/intl"));
    QFile conf(home + QStringLiteral("/firebird.conf"));
    if (!conf.open(QIODevice::WriteOnly)) {
        m_error = conf.errorString();
        return false;
    }
    conf.write(QStringLiteral("RemoteBindAddress = 127.0.0.1\n"
                              "RemoteServicePort = %1\n"
                              "SecurityDatabase = %2/security3.fdb\n"
                              "ServerMode = Super\n"
                              "WireCrypt = Enabled\n"
                              "AuthServer = Srp\n"
                              "UserManager = Srp\n")
                   .arg(m_port)
                   .arg(home)
                   .toUtf8());
    conf.close();
    for (const char *entry : {"plugins", "firebird.msg", "plugins.conf", "lib", "UDF"})
        QFile::link(kFirebirdHome + u'/' + QLatin1String(entry), home + u'/' + QLatin1String(entry));
    // The character sets library must be a real copy beside its configuration.
    QFile::copy(kFirebirdHome + QStringLiteral("/intl/libfbintl.so"), home + QStringLiteral("/intl/libfbintl.so"));
    QFile::copy(kFirebirdHome + QStringLiteral("/intl/fbintl.conf"), home + QStringLiteral("/intl/fbintl.conf"));
    return true;
}

bool FirebirdServer::createSecurityDatabase()
{
    QProcess isql;
    isql.setProcessEnvironment(serverEnvironment(m_dir.path()));
    isql.setProcessChannelMode(QProcess::MergedChannels);
    const QString db = m_dir.path() + QStringLiteral("/security3.fdb");
    isql.start(QStringLiteral("isql-fb"), {QStringLiteral("-q")});
    if (!isql.waitForStarted(5000)) {
        m_error = QStringLiteral("isql-fb did not start");
        return false;
    }
    isql.write(QStringLiteral("create database '%1' user SYSDBA;\n"
                              "create or alter user SYSDBA password '%2' using plugin Srp;\n"
                              "commit;\nquit;\n")
                   .arg(db, QLatin1String(fb::Connection::kPassword))
                   .toUtf8());
    isql.closeWriteChannel();
    isql.waitForFinished(30000);
    const QString output = QString::fromLocal8Bit(isql.readAll());
    if (isql.exitCode() != 0 || !QFile::exists(db)) {
        m_error = QStringLiteral("security database: ") + output;
        return false;
    }
    return true;
}
