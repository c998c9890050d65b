#include "dataset.h"

#include "brformat.h"
#include "firebird.h"

#include <QRegularExpression>
#include <algorithm>

namespace {

struct Row {
    std::vector<QVariant> values;
    quint64 id = 0;
};

enum class ChangeKind { Insert, Modify, Delete };

struct PendingChange {
    ChangeKind kind;
    quint64 rowId;
    std::vector<QVariant> values;    // the new values (insert, modify)
    std::vector<QVariant> original;  // as the row was read (modify, delete)
    int position = -1;               // where a deleted row stood
};

QVariant normalised(const ColumnDef &col, const QVariant &value)
{
    if (!value.isValid() || value.isNull())
        return {};
    switch (col.kind) {
    case ColumnKind::Integer: {
        if (value.typeId() == QMetaType::QString) {
            const QString t = value.toString().trimmed();
            if (t.isEmpty())
                return {};
            bool ok = false;
            const int v = t.toInt(&ok);
            if (!ok)
                throw fb::Error(QStringLiteral("'%1' não é um valor inteiro válido").arg(t));
            return v;
        }
        return value.toInt();
    }
    case ColumnKind::Number:
    case ColumnKind::Money: {
        if (value.typeId() == QMetaType::QString) {
            if (value.toString().trimmed().isEmpty())
                return {};
            const auto v = BrFormat::parseNumber(value.toString());
            if (!v)
                throw fb::Error(QStringLiteral("'%1' não é um valor numérico válido").arg(value.toString()));
            return *v;
        }
        return value.toDouble();
    }
    case ColumnKind::DateTime: {
        if (value.typeId() == QMetaType::QDateTime)
            return value;
        if (value.typeId() == QMetaType::QDate)
            return value.toDate().startOfDay();
        const QString t = value.toString().trimmed();
        if (t.isEmpty())
            return {};
        QDateTime dt = QDateTime::fromString(t, QStringLiteral("dd/MM/yyyy hh:mm:ss"));
        if (!dt.isValid())
            dt = BrFormat::parseDate(t).startOfDay();
        if (!dt.isValid())
            throw fb::Error(QStringLiteral("'%1' não é uma data válida").arg(t));
        return dt;
    }
    case ColumnKind::Text: {
        QString t = value.typeId() == QMetaType::Double ? BrFormat::plainNumber(value.toDouble()) : value.toString();
        if (col.size > 0 && t.size() > col.size)
            t.truncate(col.size);
        return t;
    }
    }
    return value;
}

ColumnDef columnFromResult(const fb::ColumnInfo &info)
{
    ColumnDef c;
    c.name = info.name;
    switch (info.type) {
    case fb::ValueType::Integer:
    case fb::ValueType::BigInt: c.kind = ColumnKind::Integer; break;
    case fb::ValueType::Double: c.kind = ColumnKind::Number; break;
    case fb::ValueType::Timestamp: c.kind = ColumnKind::DateTime; break;
    default: c.kind = ColumnKind::Text; c.size = info.length; break;
    }
    return c;
}

} // namespace

struct Dataset::Private {
    std::vector<ColumnDef> columns;
    std::unique_ptr<fb::Cursor> cursor;
    std::vector<int> resultToColumn;      // result column -> dataset column (-1: not kept)
    std::vector<Row> rows;
    std::vector<PendingChange> pending;
    std::vector<QVariant> editBuffer;     // the current record while inserting or editing
    quint64 nextRowId = 1;

    PendingChange *pendingFor(quint64 rowId)
    {
        for (auto &p : pending)
            if (p.rowId == rowId)
                return &p;
        return nullptr;
    }
    void dropPendingFor(quint64 rowId)
    {
        std::erase_if(pending, [&](const PendingChange &p) { return p.rowId == rowId; });
    }
};

// ------------------------------------------------------------------ Field

QString Field::name() const { return m_dataset->columnName(m_column); }
ColumnKind Field::kind() const { return m_dataset->columnDef(m_column).kind; }
int Field::size() const { return m_dataset->columnDef(m_column).size; }
QString Field::displayFormat() const
{
    return m_dataset->columnDef(m_column).dateOnlyDisplay ? QStringLiteral("dd/mm/yyyy") : QString();
}
bool Field::isNull() const { return value().isNull(); }
QVariant Field::value() const { return m_dataset->currentValue(m_column); }
int Field::asInteger() const
{
    const QVariant v = value();
    return v.isNull() ? 0 : (v.typeId() == QMetaType::Double ? int(v.toDouble()) : v.toInt());
}
double Field::asFloat() const { return value().isNull() ? 0.0 : value().toDouble(); }
QDateTime Field::asDateTime() const
{
    const QVariant v = value();
    return v.typeId() == QMetaType::QDateTime ? v.toDateTime() : QDateTime();
}

QString Field::asString() const
{
    const QVariant v = value();
    if (v.isNull())
        return {};
    switch (kind()) {
    case ColumnKind::DateTime: {
        const QDateTime dt = v.toDateTime();
        return dt.time() == QTime(0, 0) ? BrFormat::date(dt) : dt.toString(QStringLiteral("dd/MM/yyyy hh:mm:ss"));
    }
    case ColumnKind::Number:
    case ColumnKind::Money: return BrFormat::plainNumber(v.toDouble());
    case ColumnKind::Integer: return QString::number(v.toLongLong());
    case ColumnKind::Text: return v.toString();
    }
    return v.toString();
}

QString Field::displayText() const
{
    if (isNull())
        return {};
    if (kind() == ColumnKind::Money)
        return BrFormat::money(asFloat());
    if (kind() == ColumnKind::DateTime && !displayFormat().isEmpty())
        return BrFormat::date(asDateTime());
    return asString();
}

QString Field::plainText() const { return plainText(m_dataset->columnDef(m_column), value()); }

QString Field::plainText(const ColumnDef &column, const QVariant &value)
{
    if (value.isNull() || !value.isValid())
        return {};
    switch (column.kind) {
    case ColumnKind::Number:
    case ColumnKind::Money: return BrFormat::plainNumber(value.toDouble());
    case ColumnKind::DateTime: return BrFormat::date(value.toDateTime());
    case ColumnKind::Integer: return QString::number(value.toLongLong());
    case ColumnKind::Text: break;
    }
    return value.toString();
}

void Field::setValue(const QVariant &value) { m_dataset->setCurrentValue(m_column, value); }

// ------------------------------------------------------------------ Dataset

Dataset::Dataset(fb::Connection &connection, const TableDef *table, QObject *parent)
    : QObject(parent), m_connection(connection), m_table(table), d(std::make_unique<Private>())
{
    if (m_table) {
        d->columns = m_table->columns;
        m_sql = QStringLiteral("select * from %1").arg(m_table->name);
    }
}

Dataset::~Dataset() = default;

void Dataset::setSql(const QString &sql)
{
    close();
    m_sql = sql;
}

void Dataset::open()
{
    if (isOpen())
        return;
    auto cursor = m_connection.openCursor(m_sql);
    const auto &info = cursor->columns();
    d->resultToColumn.assign(info.size(), -1);
    if (m_table) {
        for (size_t i = 0; i < info.size(); ++i)
            d->resultToColumn[i] = m_table->indexOf(info[i].name);
    } else {
        d->columns.clear();
        for (size_t i = 0; i < info.size(); ++i) {
            d->columns.push_back(columnFromResult(info[i]));
            d->resultToColumn[i] = int(i);
        }
    }
    d->cursor = std::move(cursor);
    d->rows.clear();
    d->pending.clear();
    m_state = State::Browse;
    m_current = -1;
    Q_EMIT opened();
    fetchMore(kFetchBatch);
    moveTo(0);
    Q_EMIT stateChanged(m_state);
}

void Dataset::close()
{
    if (!isOpen())
        return;
    d->cursor.reset();
    d->rows.clear();
    d->pending.clear();
    d->editBuffer.clear();
    m_state = State::Inactive;
    m_current = -1;
    Q_EMIT closed();
    Q_EMIT currentChanged(-1);
    Q_EMIT stateChanged(m_state);
}

int Dataset::rowCount() const { return int(d->rows.size()); }
bool Dataset::allFetched() const { return !d->cursor || d->cursor->atEnd(); }

int Dataset::fetchMore(int count)
{
    if (allFetched())
        return 0;
    const int first = rowCount();
    std::vector<QVariant> raw;
    int got = 0;
    while (got < count && d->cursor->fetch(raw)) {
        Row row;
        row.id = d->nextRowId++;
        row.values.assign(d->columns.size(), QVariant());
        for (size_t i = 0; i < raw.size(); ++i) {
            const int col = d->resultToColumn[i];
            if (col >= 0)
                row.values[size_t(col)] = normalised(d->columns[size_t(col)], raw[i]);
        }
        d->rows.push_back(std::move(row));
        ++got;
    }
    if (d->cursor->atEnd())
        d->cursor.reset();
    if (got > 0)
        Q_EMIT rowsFetched(first, first + got - 1);
    return got;
}

void Dataset::fetchAll()
{
    while (fetchMore(500) > 0) {
    }
}

bool Dataset::isEmpty() const { return d->rows.empty(); }

bool Dataset::moveTo(int row)
{
    if (!isOpen() || row < 0)
        return false;
    while (row >= rowCount() && fetchMore(kFetchBatch) > 0) {
    }
    if (row >= rowCount())
        return false;
    if (isEditing() && row != m_current)
        post();
    if (row != m_current) {
        m_current = row;
        Q_EMIT currentChanged(row);
    }
    return true;
}

bool Dataset::next() { return moveTo(m_current + 1); }

bool Dataset::locate(const QString &column, const QVariant &value)
{
    const int col = columnIndex(column);
    if (col < 0 || !isOpen())
        return false;
    const QVariant wanted = normalised(d->columns[size_t(col)], value);
    for (int row = 0;; ++row) {
        if (row >= rowCount() && fetchMore(500) == 0)
            return false;
        const QVariant &v = d->rows[size_t(row)].values[size_t(col)];
        const bool match = d->columns[size_t(col)].kind == ColumnKind::Text
                               ? v.toString().compare(wanted.toString(), Qt::CaseSensitive) == 0
                               : (!v.isNull() && v == wanted);
        if (match)
            return moveTo(row);
    }
}

int Dataset::columnCount() const { return int(d->columns.size()); }

int Dataset::columnIndex(const QString &name) const
{
    for (size_t i = 0; i < d->columns.size(); ++i)
        if (d->columns[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return int(i);
    return -1;
}

QString Dataset::columnName(int column) const { return d->columns.at(size_t(column)).name; }
ColumnDef Dataset::columnDef(int column) const { return d->columns.at(size_t(column)); }

Field Dataset::field(const QString &name)
{
    const int col = columnIndex(name);
    if (col < 0)
        throw fb::Error(QStringLiteral("Field '%1' not found").arg(name));
    return Field(this, col);
}

QVariant Dataset::value(int row, int column) const
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return {};
    if (row == m_current && isEditing())
        return d->editBuffer[size_t(column)];
    return d->rows[size_t(row)].values[size_t(column)];
}

QVariant Dataset::currentValue(int column) const { return value(m_current, column); }

void Dataset::setCurrentValue(int column, const QVariant &v)
{
    if (!isEditing())
        throw fb::Error(QStringLiteral("Dataset not in edit or insert mode"));
    d->editBuffer[size_t(column)] = normalised(d->columns.at(size_t(column)), v);
    Q_EMIT valueChanged(column);
}

void Dataset::append()
{
    if (!isOpen())
        throw fb::Error(QStringLiteral("Dataset not open"));
    if (isEditing())
        post();
    Row row;
    row.id = d->nextRowId++;
    row.values.assign(d->columns.size(), QVariant());
    d->rows.push_back(row);
    d->editBuffer = row.values;
    m_current = rowCount() - 1;
    m_state = State::Insert;
    Q_EMIT rowInserted(m_current);
    Q_EMIT currentChanged(m_current);
    Q_EMIT stateChanged(m_state);
    if (m_table && !m_table->newRecordDateColumn.isEmpty())
        setCurrentValue(columnIndex(m_table->newRecordDateColumn), QDate::currentDate().startOfDay());
}

void Dataset::edit()
{
    if (isEditing())
        return;
    if (!isOpen() || m_current < 0)
        throw fb::Error(QStringLiteral("Cannot perform this operation on an empty dataset"));
    d->editBuffer = d->rows[size_t(m_current)].values;
    m_state = State::Edit;
    Q_EMIT stateChanged(m_state);
}

void Dataset::post()
{
    if (!isEditing())
        return;
    Row &row = d->rows[size_t(m_current)];
    PendingChange *existing = d->pendingFor(row.id);
    if (existing && existing->kind != ChangeKind::Delete) {
        existing->values = d->editBuffer; // still one insert (or one modify) for this row
    } else if (m_state == State::Insert) {
        d->pending.push_back({ChangeKind::Insert, row.id, d->editBuffer, {}});
    } else {
        d->pending.push_back({ChangeKind::Modify, row.id, d->editBuffer, row.values});
    }
    row.values = d->editBuffer;
    d->editBuffer.clear();
    m_state = State::Browse;
    Q_EMIT rowChanged(m_current);
    Q_EMIT stateChanged(m_state);
}

void Dataset::cancel()
{
    if (!isEditing())
        return;
    const bool wasInsert = m_state == State::Insert;
    d->editBuffer.clear();
    m_state = State::Browse;
    if (wasInsert) {
        const int removed = m_current;
        d->rows.erase(d->rows.begin() + removed);
        Q_EMIT rowRemoved(removed);
        m_current = std::min(removed, rowCount() - 1);
        Q_EMIT currentChanged(m_current);
    } else {
        Q_EMIT rowChanged(m_current);
    }
    Q_EMIT valueChanged(-1);
    Q_EMIT stateChanged(m_state);
}

void Dataset::deleteRecord()
{
    if (m_state == State::Insert) {
        cancel();
        return;
    }
    if (!isOpen() || m_current < 0)
        throw fb::Error(QStringLiteral("Cannot perform this operation on an empty dataset"));
    if (m_state == State::Edit)
        cancel();
    Row &row = d->rows[size_t(m_current)];
    PendingChange *existing = d->pendingFor(row.id);
    if (existing && existing->kind == ChangeKind::Insert) {
        d->dropPendingFor(row.id); // never reached the database
    } else {
        const auto original = existing ? existing->original : row.values;
        d->dropPendingFor(row.id);
        d->pending.push_back({ChangeKind::Delete, row.id, {}, original, m_current});
    }
    const int removed = m_current;
    d->rows.erase(d->rows.begin() + removed);
    Q_EMIT rowRemoved(removed);
    m_current = std::min(removed, rowCount() - 1);
    Q_EMIT currentChanged(m_current);
}

bool Dataset::hasPendingUpdates() const { return !d->pending.empty() || isEditing(); }

namespace {

// Turns ":NAME" / ":OLD_NAME" placeholders into positional ones and collects the values.
QString bindNamed(const QString &sql, const TableDef &table, const std::vector<QVariant> &values,
                  const std::vector<QVariant> &original, QVariantList &params)
{
    static const QRegularExpression placeholder(QStringLiteral(":([A-Z0-9_]+)"));
    QString out;
    qsizetype last = 0;
    auto it = placeholder.globalMatch(sql);
    while (it.hasNext()) {
        const auto m = it.next();
        out += sql.mid(last, m.capturedStart() - last);
        out += u'?';
        QString name = m.captured(1);
        const bool old = name.startsWith(QStringLiteral("OLD_"));
        if (old)
            name = name.mid(4);
        const int col = table.indexOf(name);
        params << (old ? original.at(size_t(col)) : values.at(size_t(col)));
        last = m.capturedEnd();
    }
    out += sql.mid(last);
    return out;
}

} // namespace

void Dataset::applyUpdates()
{
    if (isEditing())
        post();
    if (!m_table)
        return;
    for (const PendingChange &change : d->pending) {
        QString sql;
        switch (change.kind) {
        case ChangeKind::Insert: sql = insertSql(); break;
        case ChangeKind::Modify: sql = modifySql(); break;
        case ChangeKind::Delete: sql = deleteSql(); break;
        }
        QVariantList params;
        const QString positional = bindNamed(sql, *m_table, change.values, change.original, params);
        m_connection.execute(positional, params);
    }
    d->pending.clear();
}

void Dataset::cancelUpdates()
{
    cancel();
    int restored = -1;
    // Newest first, so each deleted row goes back where it stood.
    for (auto change = d->pending.rbegin(); change != d->pending.rend(); ++change) {
        const auto row = std::find_if(d->rows.begin(), d->rows.end(), [&](const Row &r) { return r.id == change->rowId; });
        switch (change->kind) {
        case ChangeKind::Insert:
            if (row != d->rows.end()) {
                const int at = int(row - d->rows.begin());
                d->rows.erase(row);
                Q_EMIT rowRemoved(at);
            }
            break;
        case ChangeKind::Modify:
            if (row != d->rows.end()) {
                row->values = change->original;
                Q_EMIT rowChanged(int(row - d->rows.begin()));
            }
            break;
        case ChangeKind::Delete: {
            const int at = std::clamp(change->position, 0, rowCount());
            d->rows.insert(d->rows.begin() + at, Row{change->original, change->rowId});
            Q_EMIT rowInserted(at);
            restored = at;
            break;
        }
        }
    }
    d->pending.clear();
    // The user is back on the row whose delete was undone.
    m_current = restored >= 0 ? restored : std::min(std::max(m_current, isEmpty() ? -1 : 0), rowCount() - 1);
    Q_EMIT currentChanged(m_current);
}

void Dataset::resumeFailedUpdate()
{
    if (m_current < 0 || isEditing())
        return;
    Row &row = d->rows[size_t(m_current)];
    PendingChange *change = d->pendingFor(row.id);
    if (!change || change->kind == ChangeKind::Delete)
        return;
    const bool wasInsert = change->kind == ChangeKind::Insert;
    d->editBuffer = change->values;
    if (!wasInsert)
        row.values = change->original;
    d->dropPendingFor(row.id);
    m_state = wasInsert ? State::Insert : State::Edit;
    Q_EMIT stateChanged(m_state);
}

void Dataset::refresh()
{
    if (!m_table || m_current < 0 || m_state == State::Insert)
        return;
    Row &row = d->rows[size_t(m_current)];
    QVariantList params;
    const QString sql = bindNamed(refreshSql(), *m_table, row.values, row.values, params);
    auto cursor = m_connection.openCursor(sql, params);
    std::vector<QVariant> raw;
    if (!cursor->fetch(raw))
        return; // gone from the database: the row keeps what it showed
    const auto &info = cursor->columns();
    for (size_t i = 0; i < raw.size(); ++i) {
        const int col = m_table->indexOf(info[i].name);
        if (col >= 0)
            row.values[size_t(col)] = normalised(d->columns[size_t(col)], raw[i]);
    }
    if (m_state == State::Edit)
        d->editBuffer = row.values;
    Q_EMIT rowChanged(m_current);
    Q_EMIT valueChanged(-1);
}

QString Dataset::refreshSql() const
{
    if (!m_table)
        return {};
    QStringList cols;
    for (const auto &c : m_table->columns)
        cols << c.name;
    return QStringLiteral("select %1 from %2 where %3 = :%3")
        .arg(cols.join(QStringLiteral(", ")), m_table->name, m_table->keyColumn);
}

QString Dataset::modifySql() const
{
    if (!m_table)
        return {};
    QStringList sets;
    for (const auto &c : m_table->columns)
        sets << QStringLiteral("%1 = :%1").arg(c.name);
    return QStringLiteral("update %1 set %2 where %3 = :OLD_%3")
        .arg(m_table->name, sets.join(QStringLiteral(", ")), m_table->keyColumn);
}

QString Dataset::insertSql() const
{
    if (!m_table)
        return {};
    QStringList cols, vals;
    for (const auto &c : m_table->columns) {
        cols << c.name;
        vals << u':' + c.name;
    }
    return QStringLiteral("insert into %1 (%2) values (%3)")
        .arg(m_table->name, cols.join(QStringLiteral(", ")), vals.join(QStringLiteral(", ")));
}

QString Dataset::deleteSql() const
{
    if (!m_table)
        return {};
    return QStringLiteral("delete from %1 where %2 = :OLD_%2").arg(m_table->name, m_table->keyColumn);
}
