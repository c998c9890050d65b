#pragma once

#include <QStringList>
#include <QVariant>
#include <vector>

namespace report {

// Where a report's rows come from: a read-only, already loaded list of rows
// whose values are found by column name. A report never moves or changes it.
class RowSource
{
public:
    virtual ~RowSource() = default;
    virtual int rowCount() const = 0;
    // The value of a column in a row; a null QVariant for an unknown column
    // or a row that does not exist.
    virtual QVariant value(int row, const QString &column) const = 0;
};

// The sum of a numeric column over every row (a report's total line).
double sum(const RowSource &source, const QString &column);

// Rows kept in memory: labels set by code, fixed lists, and the tests.
class TableRowSource : public RowSource
{
public:
    explicit TableRowSource(const QStringList &columns = {}) : m_columns(columns) {}

    void setColumns(const QStringList &columns) { m_columns = columns; m_rows.clear(); }
    void addRow(const QVariantList &values) { m_rows.push_back(values); }
    void clear() { m_rows.clear(); }

    int rowCount() const override { return int(m_rows.size()); }
    QVariant value(int row, const QString &column) const override;

private:
    QStringList m_columns;
    std::vector<QVariantList> m_rows;
};

} // namespace report
