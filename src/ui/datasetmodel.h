#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QString>

class Dataset;
struct ColumnDef;

// One column a grid shows: the title over it and the dataset column under it.
struct GridColumn {
    QString title;
    QString field;
};

// A table model over a shared dataset. Rows come in as the view scrolls
// (canFetchMore/fetchMore), never all at once, and the model follows every
// change the dataset announces, whichever window caused it: a reopen with
// another statement, appended and deleted records, posted or cancelled values.
class DatasetModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    DatasetModel(Dataset *dataset, QList<GridColumn> columns, QObject *parent = nullptr);

    Dataset *dataset() const { return m_dataset; }
    const QList<GridColumn> &columns() const { return m_columns; }
    // The dataset column under a model column; -1 when the dataset lacks it.
    int datasetColumn(int modelColumn) const;
    // The model column showing a dataset column name; -1 when not shown.
    int modelColumn(const QString &field) const;

    // A row's value in a dataset column, by name; null when out of range.
    QVariant value(int row, const QString &field) const;
    // A cell's plain text: a money value as 12,5, a date-time as its date.
    QString plainText(int row, int modelColumn) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool canFetchMore(const QModelIndex &parent) const override;
    void fetchMore(const QModelIndex &parent) override;

    // The plain text of a value of a column, as grids show it.
    static QString plainText(const ColumnDef &column, const QVariant &value);

private:
    void reset();
    void followRowCount();
    void onRowInserted(int row);
    void onRowRemoved(int row);
    void onRowChanged(int row);
    void onValueChanged(int column);
    void resolveColumns();

    Dataset *m_dataset;
    QList<GridColumn> m_columns;
    QList<int> m_datasetColumns;
    int m_rows = 0;
};
