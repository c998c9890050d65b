#include "rowsource.h"

namespace report {

double sum(const RowSource &source, const QString &column)
{
    double total = 0;
    for (int row = 0; row < source.rowCount(); ++row)
        total += source.value(row, column).toDouble();
    return total;
}

QVariant TableRowSource::value(int row, const QString &column) const
{
    if (row < 0 || row >= rowCount())
        return {};
    const QVariantList &values = m_rows[size_t(row)];
    for (int i = 0; i < m_columns.size() && i < values.size(); ++i)
        if (m_columns[i].compare(column, Qt::CaseInsensitive) == 0)
            return values[i];
    return {};
}

} // namespace report
