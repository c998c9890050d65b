#include "localbase.h"

#include "firebird.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace LocalBase {

QString readConnectionString(const QString &file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) {
        const QString why = f.exists() ? f.errorString() : QStringLiteral("arquivo não encontrado");
        throw fb::Error(QStringLiteral("Não foi possível abrir o arquivo \"%1\": %2").arg(QDir::toNativeSeparators(file), why));
    }
    // Read line by line to the end: the last line read wins, and a single
    // line break at the end of the file does not make a further line.
    QString last;
    while (!f.atEnd()) {
        QByteArray line = f.readLine();
        if (line.endsWith('\n'))
            line.chop(1);
        if (line.endsWith('\r'))
            line.chop(1);
        last = fb::fromWin1252(line);
    }
    return last;
}

bool namesServer(const QString &connectionString)
{
    // "C:\..." is a Windows drive, not a host called C.
    static const QRegularExpression drive(QStringLiteral("^[A-Za-z]:[\\\\/]"));
    const qsizetype colon = connectionString.indexOf(u':');
    return colon > 0 && !drive.match(connectionString).hasMatch();
}

} // namespace LocalBase
