#include "installpaths.h"

#include <QDir>
#include <QtGlobal>

namespace {

QString join(const QString &folder, const QString &name)
{
    return QDir::toNativeSeparators(QDir(folder).filePath(name));
}

} // namespace

namespace InstallPaths {

QString rootFolder()
{
#ifdef Q_OS_WIN
    return QStringLiteral("C:\\");
#else
    const QString fromEnv = qEnvironmentVariable("TAVREL_ROOT");
    return fromEnv.isEmpty() ? QDir::homePath() : fromEnv;
#endif
}

QString installFolder() { return join(rootFolder(), QStringLiteral("Tavrel - Meridel")); }
QString backupRootFolder() { return join(rootFolder(), QStringLiteral("Backup_OS")); }
QString databaseFile() { return join(installFolder(), QStringLiteral("DADOS.GDB")); }
QString localBaseFile() { return join(installFolder(), QStringLiteral("localbase.txt")); }
QString productGroupsFile() { return join(installFolder(), QStringLiteral("grupoprod.txt")); }
QString emailAttachmentFolder() { return join(installFolder(), QStringLiteral("AnexoEmail")); }
QString serverInstallerFile() { return join(installFolder(), QStringLiteral("baseinstall.exe")); }

} // namespace InstallPaths
