#include "connectionstring.h"

#include "firebird.h"
#include "installpaths.h"

#include <QFile>

namespace ConnectionString {

QString singleUser()
{
    return InstallPaths::databaseFile();
}

QString network(const QString &host)
{
    return host + QLatin1Char(':') + InstallPaths::databaseFile();
}

bool writeTo(const QString &file, const QString &connection, QString *errorText)
{
    QFile out(file);
    // Same code page as the application reads it with.
    const QByteArray bytes = fb::toWin1252(connection);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(bytes) != bytes.size()
        || !out.flush()) {
        if (errorText)
            *errorText = QStringLiteral("Não foi possível gravar o arquivo \"%1\". %2")
                             .arg(file, out.errorString());
        return false;
    }
    return true;
}

} // namespace ConnectionString
