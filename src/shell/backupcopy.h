#pragma once

#include <QString>

// Copies the shop's database file while the program, and other workstations
// through it, keep the database open and writing.
//
// A plain file copy of a database in use can catch pages half written and
// give a copy that does not open; even a page-exact copy can carry a record
// another workstation was in the middle of changing. Instead Firebird's own
// backup runs through the in-process service manager, reading the database
// as one transaction sees it, and its restore builds an ordinary database
// from that, which opens as it is and holds only whole saves.
namespace BackupCopy {

// Copies the database `source` to the file `destination`, replacing a file
// of that name. Throws fb::Error with Firebird's text when it fails; then no
// file is left at `destination` unless one was already there.
void copyDatabase(const QString &source, const QString &destination);

} // namespace BackupCopy
