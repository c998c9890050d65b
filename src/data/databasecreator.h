#pragma once

#include <QString>

// Creates a new DADOS.GDB with every table and the rows the program needs
// before it can be used (settings row, e-mail row, the ADMIN user).
namespace DatabaseCreator {

void create(const QString &path);

} // namespace DatabaseCreator
