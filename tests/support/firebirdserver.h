#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// A Firebird server of the test's own on loopback, so that the "host:path"
// road of a workstation is tested against a real server. Started in the
// constructor, stopped in the destructor.
class FirebirdServer
{
public:
    FirebirdServer();
    ~FirebirdServer();

    bool isRunning() const { return m_running; }
    QString error() const { return m_error; }
    int port() const { return m_port; }
    // "127.0.0.1/PORT:/absolute/path" for a database file in the server's folder.
    QString connectionString(const QString &fileName) const;
    // Creates a fresh DADOS-like database on the server and returns its connection string.
    QString createDatabase(const QString &fileName);

private:
    bool writeConfiguration();
    bool createSecurityDatabase();

    QTemporaryDir m_dir;
    QProcess m_process;
    int m_port = 0;
    bool m_running = false;
    QString m_error;
};
