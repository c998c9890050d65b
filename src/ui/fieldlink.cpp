#include "fieldlink.h"

#include "dataset.h"

#include <QWidget>

FieldLink::FieldLink(QWidget *control, std::function<void()> show)
    : QObject(control), m_control(control), m_show(std::move(show))
{
}

Dataset *FieldLink::dataset() const
{
    return m_dataset;
}

void FieldLink::bind(Dataset *dataset, const QString &column)
{
    for (const auto &c : std::as_const(m_connections))
        disconnect(c);
    m_connections.clear();

    m_dataset = dataset;
    m_column = column;
    m_columnIndex = dataset ? dataset->columnIndex(column) : -1;
    if (dataset) {
        const auto again = [this] { refresh(); };
        m_connections << connect(dataset, &Dataset::opened, this, again)
                      << connect(dataset, &Dataset::closed, this, again)
                      << connect(dataset, &Dataset::currentChanged, this, again)
                      << connect(dataset, &Dataset::rowChanged, this, again)
                      << connect(dataset, &Dataset::rowRemoved, this, again)
                      << connect(dataset, &Dataset::stateChanged, this, again)
                      << connect(dataset, &Dataset::valueChanged, this, [this](int column) {
                             // -1: every value of the record changed (cancel, refresh).
                             if (column == m_columnIndex || column < 0)
                                 refresh();
                         });
    }
    refresh();
}

bool FieldLink::isBound() const
{
    return m_dataset && m_columnIndex >= 0;
}

bool FieldLink::hasRecord() const
{
    return isBound() && m_dataset->isOpen() && m_dataset->currentRow() >= 0;
}

Field FieldLink::field() const
{
    return Field(m_dataset, m_columnIndex);
}

QVariant FieldLink::value() const
{
    return hasRecord() ? m_dataset->currentValue(m_columnIndex) : QVariant();
}

bool FieldLink::write(const QVariant &value)
{
    if (!hasRecord())
        return false;
    m_writing = true;
    if (m_dataset->state() == Dataset::State::Browse)
        m_dataset->edit();
    field().setValue(value);
    m_writing = false;
    return true;
}

void FieldLink::refresh()
{
    // The column index may only be known once a scratch query is open.
    if (m_dataset && m_columnIndex < 0)
        m_columnIndex = m_dataset->columnIndex(m_column);
    if (!m_writing && m_show)
        m_show();
}
