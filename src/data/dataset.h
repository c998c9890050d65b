#pragma once

#include "schema.h"

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QVariant>
#include <memory>
#include <vector>

namespace fb { class Connection; class Cursor; }

class Dataset;

// A handle to one column of a dataset's current record. Cheap to copy; reads
// and writes go to whatever record is current when it is used.
class Field
{
public:
    Field(Dataset *dataset, int column) : m_dataset(dataset), m_column(column) {}

    bool isValid() const { return m_dataset && m_column >= 0; }
    QString name() const;
    ColumnKind kind() const;
    int size() const;
    bool isCurrency() const { return kind() == ColumnKind::Money; }
    QString displayFormat() const;     // "dd/mm/yyyy" for the date-only columns, else ""

    bool isNull() const;
    QVariant value() const;            // null stays null
    QString asString() const;          // null -> ""; a date as "dd/mm/yyyy"; numbers plain
    int asInteger() const;             // null -> 0
    double asFloat() const;            // null -> 0
    QDateTime asDateTime() const;      // null -> invalid

    // What a data control shows: money as "R$ 1.234,50", date-only columns as "dd/mm/yyyy".
    QString displayText() const;
    // What a grid shows: the plain value, money as "12,5", a date-time as its date.
    QString plainText() const;
    // The same for any value of a column, for rows that are not current.
    static QString plainText(const ColumnDef &column, const QVariant &value);

    void setValue(const QVariant &value); // text is cut to size; text for a date-time is read as "dd/mm/yyyy"
    void setString(const QString &text) { setValue(text); }
    void setInteger(int v) { setValue(v); }
    void setFloat(double v) { setValue(v); }
    void setDateTime(const QDateTime &v) { setValue(v); }
    void clear() { setValue(QVariant()); }

private:
    Dataset *m_dataset;
    int m_column;
};

// A cached, lazily fetched dataset over one statement, shared by every window
// that shows its table. Changes are posted into a local cache and reach the
// database only through applyUpdates(); rows arrive from the server as they
// are asked for, never all at open.
//
// A table dataset (constructed with a TableDef) has typed fields from the
// schema and generates its refresh/modify/insert/delete statements from every
// column; a scratch query (no TableDef) is read-only and takes its fields from
// the statement's result.
class Dataset : public QObject
{
    Q_OBJECT
public:
    enum class State { Inactive, Browse, Insert, Edit };

    Dataset(fb::Connection &connection, const TableDef *table, QObject *parent = nullptr);
    ~Dataset() override;

    const TableDef *table() const { return m_table; }
    fb::Connection &connection() const { return m_connection; }

    // Replacing the statement closes the dataset.
    void setSql(const QString &sql);
    QString sql() const { return m_sql; }
    void open();
    void close();
    void reopen(const QString &sql) { setSql(sql); open(); }
    bool isOpen() const { return m_state != State::Inactive; }
    State state() const { return m_state; }
    bool isEditing() const { return m_state == State::Insert || m_state == State::Edit; }

    // Rows fetched so far, and fetching more on demand.
    int rowCount() const;
    bool allFetched() const;
    int fetchMore(int count = kFetchBatch);  // returns how many arrived
    void fetchAll();
    static constexpr int kFetchBatch = 50;

    // Current record. -1 when the dataset is empty or closed.
    int currentRow() const { return m_current; }
    bool isEmpty() const;
    bool moveTo(int row);          // fetches up to the row if needed; false if there is none
    bool first() { return moveTo(0); }
    bool next();                   // false at the end
    bool locate(const QString &column, const QVariant &value);  // moves to the first match; fetches as needed

    // Columns
    int columnCount() const;
    int columnIndex(const QString &name) const;  // case-insensitive; -1 if absent
    QString columnName(int column) const;
    ColumnDef columnDef(int column) const;
    Field field(const QString &name);             // asserts the column exists
    Field field(int column) { return Field(this, column); }
    QVariant value(int row, int column) const;    // a fetched row, without moving
    QVariant currentValue(int column) const;
    void setCurrentValue(int column, const QVariant &value);

    // Editing through the local cache.
    void append();       // new record at the end; sets the new-record date default
    void edit();
    void post();         // into the cache
    void cancel();       // drops the pending edit or insertion of the current record
    void deleteRecord(); // removes the current row, caching its delete
    bool hasPendingUpdates() const;
    // Drops every cached change: deleted rows come back, changed rows show
    // what they held, inserted rows go away.
    void cancelUpdates();
    // Runs the cached changes' statements in order, then forgets them. On an
    // error the cache is kept and the error propagates; the caller decides
    // what to roll back.
    void applyUpdates();
    // Puts the record whose apply failed back into insert or edit mode.
    void resumeFailedUpdate();
    // Re-reads every column of the current row from the database.
    void refresh();

    // The generated statements, for tests and for reading.
    QString refreshSql() const;
    QString modifySql() const;
    QString insertSql() const;
    QString deleteSql() const;

Q_SIGNALS:
    void opened();
    void closed();
    void rowsFetched(int first, int last);
    void rowInserted(int row);         // a record appended in the cache
    void rowRemoved(int row);          // deleted, or an insertion cancelled
    void rowChanged(int row);          // values of a row changed (post, cancel, refresh)
    void currentChanged(int row);      // the current row moved
    void valueChanged(int column);     // a field of the current record was assigned
    void stateChanged(Dataset::State state);

private:
    struct Private;
    friend class Field;
    fb::Connection &m_connection;
    const TableDef *m_table;
    QString m_sql;
    State m_state = State::Inactive;
    int m_current = -1;
    std::unique_ptr<Private> d;
};
