#pragma once

#include <QString>

// Where the shop's install folder and backups live. On Windows these are the
// fixed folders the shop knows ("C:\Tavrel - Meridel", "C:\Backup_OS"); on other
// systems the drive root is replaced by $TAVREL_ROOT, or the user's home folder.
// Nothing else in the code spells these folders.
namespace InstallPaths {

QString rootFolder();
QString installFolder();        // <root>/Tavrel - Meridel
QString backupRootFolder();     // <root>/Backup_OS
QString databaseFile();         // <install>/DADOS.GDB
QString localBaseFile();        // <install>/localbase.txt
QString productGroupsFile();    // <install>/grupoprod.txt
QString emailAttachmentFolder();// <install>/AnexoEmail
QString serverInstallerFile();  // <install>/baseinstall.exe

} // namespace InstallPaths
