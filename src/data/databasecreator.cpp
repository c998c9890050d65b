#include "databasecreator.h"

#include "firebird.h"
#include "schema.h"

namespace DatabaseCreator {

void create(const QString &path)
{
    fb::Connection::createDatabase(path);
    fb::Connection db;
    db.open(path);
    for (const QString &ddl : Schema::createStatements()) {
        db.execute(ddl);
        db.commitRetaining(); // tables must be committed before rows go in
    }
    for (const QString &row : Schema::initialRows())
        db.execute(row);
    db.close();
}

} // namespace DatabaseCreator
