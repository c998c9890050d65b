#pragma once

#include <QString>

// Copies the shop's database file while the program, and other workstations
// through it, keep the database open and writing.
//
// A plain file copy of a database in use can catch pages half written and
// give a copy that does not open. Instead Firebird's physical backup runs
// through the in-process service manager: it freezes the main file (changes
// made meanwhile are held aside and merged back afterwards), copies it page
// by page, and its restore turns that copy into an ordinary database that
// opens as it is.
namespace BackupCopy {

// Copies the database `source` to the file `destination`, replacing a file
// of that name. Throws fb::Error with Firebird's text when it fails; then no
// file is left at `destination` unless one was already there.
void copyDatabase(const QString &source, const QString &destination);

} // namespace BackupCopy
