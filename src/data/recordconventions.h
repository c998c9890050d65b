#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class Dataset;
class TDM;

// The record conventions every screen follows: SQL text built from user input,
// key allocation, and the atomic save and delete of a record.
namespace Sql {

// A user's text as the inside of a double-quoted dialect-1 literal: each
// double quote doubled, so no input can end the literal early.
QString escaped(const QString &text);
// The text between double quotes: "..."
QString quoted(const QString &text);
// A user's text as a whole number, or nothing when it is not one.
std::optional<qint64> integer(const QString &text);
// A date typed "dd/mm/yyyy" as the "yyyy/mm/dd" a date-time column is compared with.
std::optional<QString> dateForComparison(const QString &ddmmyyyy);

// The search box's text made ready for a like pattern: trimmed of blanks and
// control characters and upper-cased the way the database's UPPER() folds it.
QString searchText(const QString &typed);
// The search statement: when the typed text is blank, wholeTableOrdered;
// otherwise beginning + the escaped, upper-cased text + end.
QString searchStatement(const QString &typed, const QString &beginning, const QString &end,
                        const QString &wholeTableOrdered);

} // namespace Sql

namespace Records {

// The new key: the table's largest key plus one ("select max(idcliente)as cod
// from clientes"), read through the table's scratch query.
int allocateKey(Dataset &scratch, const QString &table, const QString &keyColumn);

// The save sequence's database part: posts the current record, applies every
// cached change and commits with the context kept, all or nothing. If any
// statement fails, what was written is rolled back, the record is back in
// insert or edit mode and the error propagates (fb::Error).
void saveAtomically(Dataset &dataset);

// Reopens the dataset with wholeTable and moves to key; false if no row has it.
bool reopenAt(Dataset &dataset, const QString &wholeTable, const QString &keyColumn, int key);

// Deletes the current row with its dependent deletes, atomically, and commits.
void deleteAtomically(Dataset &dataset, const QStringList &dependentDeletes = {});

} // namespace Records
