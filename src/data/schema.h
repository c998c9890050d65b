#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// The fifteen tables of DADOS.GDB, column by column, as the database holds them.
// The same definitions type the datasets' fields and generate their statements.

enum class ColumnKind { Integer, Text, Number, Money, DateTime };

struct ColumnDef {
    QString name;
    ColumnKind kind = ColumnKind::Text;
    int size = 0;            // characters, for Text
    bool notNull = false;
    bool dateOnlyDisplay = false; // date-time shown "dd/mm/yyyy" by data controls and reports
};

struct TableDef {
    QString name;                 // CLIENTES
    std::vector<ColumnDef> columns;
    QStringList primaryKey;       // as declared in the database
    QString keyColumn;            // the one column updates and deletes find a row by
    QString newRecordDateColumn;  // set to today when a record is appended ("" for none)

    const ColumnDef *column(const QString &name) const;
    int indexOf(const QString &name) const;
};

namespace Schema {

const std::vector<TableDef> &tables();
const TableDef *table(const QString &name);   // case-insensitive; nullptr if unknown

// DDL creating every table, one statement per entry.
QStringList createStatements();
// Rows a new database needs before the program can be used.
QStringList initialRows();

// First password of the ADMIN user in a new database.
inline constexpr const char *kFirstAdminPassword = "admin";

} // namespace Schema
