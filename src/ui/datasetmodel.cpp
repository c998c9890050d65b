#include "datasetmodel.h"

#include "brformat.h"
#include "dataset.h"

DatasetModel::DatasetModel(Dataset *dataset, QList<GridColumn> columns, QObject *parent)
    : QAbstractTableModel(parent), m_dataset(dataset), m_columns(std::move(columns))
{
    resolveColumns();
    m_rows = m_dataset->isOpen() ? m_dataset->rowCount() : 0;

    connect(m_dataset, &Dataset::opened, this, &DatasetModel::reset);
    connect(m_dataset, &Dataset::closed, this, &DatasetModel::reset);
    connect(m_dataset, &Dataset::rowsFetched, this, &DatasetModel::followRowCount);
    connect(m_dataset, &Dataset::rowInserted, this, &DatasetModel::onRowInserted);
    connect(m_dataset, &Dataset::rowRemoved, this, &DatasetModel::onRowRemoved);
    connect(m_dataset, &Dataset::rowChanged, this, &DatasetModel::onRowChanged);
    connect(m_dataset, &Dataset::valueChanged, this, &DatasetModel::onValueChanged);
}

void DatasetModel::resolveColumns()
{
    m_datasetColumns.clear();
    for (const GridColumn &c : m_columns)
        m_datasetColumns << m_dataset->columnIndex(c.field);
}

int DatasetModel::datasetColumn(int modelColumn) const
{
    return modelColumn >= 0 && modelColumn < m_datasetColumns.size() ? m_datasetColumns[modelColumn] : -1;
}

int DatasetModel::modelColumn(const QString &field) const
{
    for (int i = 0; i < m_columns.size(); ++i)
        if (m_columns[i].field.compare(field, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QVariant DatasetModel::value(int row, const QString &field) const
{
    if (row < 0 || row >= m_rows)
        return {};
    const int column = m_dataset->columnIndex(field);
    return column < 0 ? QVariant() : m_dataset->value(row, column);
}

QString DatasetModel::plainText(const ColumnDef &column, const QVariant &value)
{
    return Field::plainText(column, value);
}

QString DatasetModel::plainText(int row, int modelColumn) const
{
    const int column = datasetColumn(modelColumn);
    if (row < 0 || row >= m_rows || column < 0)
        return {};
    return plainText(m_dataset->columnDef(column), m_dataset->value(row, column));
}

int DatasetModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int DatasetModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant DatasetModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || role != Qt::DisplayRole)
        return {};
    return plainText(index.row(), index.column());
}

QVariant DatasetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return section >= 0 && section < m_columns.size() ? m_columns[section].title : QVariant();
    return {};
}

Qt::ItemFlags DatasetModel::flags(const QModelIndex &index) const
{
    // Read-only: the user never edits a row in a grid.
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

bool DatasetModel::canFetchMore(const QModelIndex &parent) const
{
    return !parent.isValid() && m_dataset->isOpen() && !m_dataset->allFetched();
}

void DatasetModel::fetchMore(const QModelIndex &parent)
{
    if (canFetchMore(parent)) {
        m_dataset->fetchMore();
        followRowCount();
    }
}

void DatasetModel::reset()
{
    beginResetModel();
    resolveColumns();
    m_rows = m_dataset->isOpen() ? m_dataset->rowCount() : 0;
    endResetModel();
}

// Rows the dataset already holds but the model has not announced yet (or the
// other way round) are announced now, so the view never reads a row that is
// not there.
void DatasetModel::followRowCount()
{
    const int rows = m_dataset->isOpen() ? m_dataset->rowCount() : 0;
    if (rows > m_rows) {
        beginInsertRows({}, m_rows, rows - 1);
        m_rows = rows;
        endInsertRows();
    } else if (rows < m_rows) {
        beginRemoveRows({}, rows, m_rows - 1);
        m_rows = rows;
        endRemoveRows();
    }
}

void DatasetModel::onRowInserted(int row)
{
    const int rows = m_dataset->rowCount();
    if (rows != m_rows + 1 || row < 0 || row > m_rows) {
        followRowCount();
        return;
    }
    beginInsertRows({}, row, row);
    m_rows = rows;
    endInsertRows();
}

void DatasetModel::onRowRemoved(int row)
{
    const int rows = m_dataset->rowCount();
    if (rows != m_rows - 1 || row < 0 || row >= m_rows) {
        reset();
        return;
    }
    beginRemoveRows({}, row, row);
    m_rows = rows;
    endRemoveRows();
}

void DatasetModel::onRowChanged(int row)
{
    if (row >= 0 && row < m_rows && !m_columns.isEmpty())
        Q_EMIT dataChanged(index(row, 0), index(row, int(m_columns.size()) - 1));
}

void DatasetModel::onValueChanged(int column)
{
    const int row = m_dataset->currentRow();
    if (row < 0 || row >= m_rows)
        return;
    if (column < 0) { // every value of the current record
        onRowChanged(row);
        return;
    }
    for (int i = 0; i < m_datasetColumns.size(); ++i)
        if (m_datasetColumns[i] == column)
            Q_EMIT dataChanged(index(row, i), index(row, i));
}
