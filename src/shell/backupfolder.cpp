#include "backupfolder.h"

#include "installpaths.h"

#include <QDir>

namespace BackupFolder {

namespace {

QString join(const QString &folder, const QString &name)
{
    return QDir::toNativeSeparators(QDir(folder).filePath(name));
}

} // namespace

QString nameFor(const QDateTime &when)
{
    // Formatted field by field so the letters h, m and s stay letters.
    const QTime t = when.time();
    return when.date().toString(QStringLiteral("dd.MM.yy")) + QStringLiteral(" - ")
        + QStringLiteral("%1h%2m%3s")
              .arg(t.hour(), 2, 10, QLatin1Char('0'))
              .arg(t.minute(), 2, 10, QLatin1Char('0'))
              .arg(t.second(), 2, 10, QLatin1Char('0'));
}

QString pathFor(const QDateTime &when) { return join(InstallPaths::backupRootFolder(), nameFor(when)); }

QString databaseIn(const QString &folder) { return join(folder, QStringLiteral("DADOS.GDB")); }

} // namespace BackupFolder
