#pragma once

#include <QDateTime>
#include <QString>

// The dated folders backups go into: one per backup, under the backup root,
// named after the moment it was made (for 14:05:33 on 9 December 2008,
// "09.12.08 - 14h05m33s"), each holding one "DADOS.GDB".
namespace BackupFolder {

QString nameFor(const QDateTime &when);
QString pathFor(const QDateTime &when);
// The copy of the database inside a backup folder.
QString databaseIn(const QString &folder);

} // namespace BackupFolder
