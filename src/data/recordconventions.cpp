#include "recordconventions.h"

#include "brformat.h"
#include "dataset.h"
#include "firebird.h"

namespace Sql {

QString escaped(const QString &text)
{
    QString out = text;
    out.replace(u'"', QStringLiteral("\"\""));
    return out;
}

QString quoted(const QString &text) { return u'"' + escaped(text) + u'"'; }

std::optional<qint64> integer(const QString &text)
{
    bool ok = false;
    const qint64 v = text.trimmed().toLongLong(&ok);
    if (!ok)
        return std::nullopt;
    return v;
}

std::optional<QString> dateForComparison(const QString &ddmmyyyy)
{
    const QDate d = BrFormat::parseDate(ddmmyyyy);
    if (!d.isValid())
        return std::nullopt;
    return d.toString(QStringLiteral("yyyy/MM/dd"));
}

QString searchText(const QString &typed)
{
    qsizetype begin = 0, end = typed.size();
    auto blank = [](QChar c) { return c.unicode() <= 0x20; };
    while (begin < end && blank(typed[begin]))
        ++begin;
    while (end > begin && blank(typed[end - 1]))
        --end;
    // The columns are Windows-1252 text, whose UPPER() folds accented letters
    // too: "josé" must find "JOSÉ".
    return typed.mid(begin, end - begin).toUpper();
}

QString searchStatement(const QString &typed, const QString &beginning, const QString &end,
                        const QString &wholeTableOrdered)
{
    const QString text = searchText(typed);
    if (text.isEmpty())
        return wholeTableOrdered;
    return beginning + escaped(text) + end;
}

} // namespace Sql

namespace Records {

namespace {

const QString kSavepoint = QStringLiteral("TAVREL_SAVE");

// Runs work inside a savepoint: either all it wrote stays, or none of it.
template <typename Work>
void atomically(fb::Connection &db, Work &&work)
{
    db.execute(QStringLiteral("SAVEPOINT ") + kSavepoint);
    try {
        work();
        db.execute(QStringLiteral("RELEASE SAVEPOINT ") + kSavepoint + QStringLiteral(" ONLY"));
    } catch (...) {
        try {
            db.execute(QStringLiteral("ROLLBACK TO SAVEPOINT ") + kSavepoint);
            db.execute(QStringLiteral("RELEASE SAVEPOINT ") + kSavepoint + QStringLiteral(" ONLY"));
        } catch (const fb::Error &) {
            // The connection itself failed; the original error says why.
        }
        throw;
    }
}

} // namespace

int allocateKey(Dataset &scratch, const QString &table, const QString &keyColumn)
{
    scratch.reopen(QStringLiteral("select max(%1)as cod from %2").arg(keyColumn.toLower(), table.toLower()));
    const int largest = scratch.field(QStringLiteral("cod")).asInteger();
    scratch.close();
    return largest + 1;
}

void saveAtomically(Dataset &dataset)
{
    fb::Connection &db = dataset.connection();
    dataset.post();
    try {
        atomically(db, [&] { dataset.applyUpdates(); });
    } catch (...) {
        dataset.resumeFailedUpdate();
        throw;
    }
    db.commitRetaining();
}

bool reopenAt(Dataset &dataset, const QString &wholeTable, const QString &keyColumn, int key)
{
    dataset.reopen(wholeTable);
    // A record another workstation deleted is found missing through the key's
    // index, not by reading the whole table to its end.
    if (const TableDef *table = dataset.table()) {
        const QString exists = QStringLiteral("select count(*) from %1 where %2 = ?").arg(table->name, keyColumn);
        if (dataset.connection().scalar(exists, {key}).toInt() == 0)
            return false;
    }
    return dataset.locate(keyColumn, key);
}

void deleteAtomically(Dataset &dataset, const QStringList &dependentDeletes)
{
    fb::Connection &db = dataset.connection();
    try {
        atomically(db, [&] {
            for (const QString &sql : dependentDeletes)
                db.execute(sql);
            dataset.deleteRecord();
            dataset.applyUpdates();
        });
    } catch (...) {
        // The row stays, in the list as in the database; no delete waits in the cache.
        dataset.cancelUpdates();
        throw;
    }
    db.commitRetaining();
}

} // namespace Records
