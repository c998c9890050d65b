#include "queryrowsource.h"

#include "dataset.h"

namespace report {

void QueryRowSource::reload(const QString &sql)
{
    m_query->close();
    m_query->setSql(sql);
    m_query->open();
    m_query->fetchAll();
}

int QueryRowSource::rowCount() const
{
    return m_query->isOpen() ? m_query->rowCount() : 0;
}

QVariant QueryRowSource::value(int row, const QString &column) const
{
    if (row < 0 || row >= rowCount())
        return {};
    const int col = m_query->columnIndex(column);
    return col < 0 ? QVariant() : m_query->value(row, col);
}

} // namespace report
