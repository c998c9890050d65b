#pragma once

#include <QString>

// localbase.txt names the database this workstation uses: a plain path for a
// database on this machine, or "host:path" for one on the shop's server.
namespace LocalBase {

// The file's last line ("" for an empty last line after the string). Throws
// fb::Error with the file error's text when it cannot be read.
QString readConnectionString(const QString &file);

// Whether a connection string names a server rather than a local file.
bool namesServer(const QString &connectionString);

} // namespace LocalBase
