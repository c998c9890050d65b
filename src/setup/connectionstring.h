#pragma once

#include <QString>

// The one line of localbase.txt: where the application finds DADOS.GDB.
namespace ConnectionString {

// The database on this very workstation.
QString singleUser();
// The database on the server: the host as the user typed it (blanks and
// port included), a colon, then the fixed database path.
QString network(const QString &host);

// Replaces whatever the file held with the connection string in Windows-1252,
// without a line break at its end. On failure returns false and sets the file error's text.
bool writeTo(const QString &file, const QString &connection, QString *errorText);

} // namespace ConnectionString
