#pragma once

#include "datasetmodel.h"

#include <QColor>
#include <QPointer>
#include <QStyledItemDelegate>
#include <QTableView>
#include <functional>
#include <optional>

class QLabel;

// A read-only grid over a dataset, as every list of the system shows one:
// whole rows selected, the selection visible with or without the focus,
// resizable columns, and each cell painted by GridCellPainter. The selected
// row and the dataset's current row are kept the same both ways.
class DBGrid : public QTableView
{
    Q_OBJECT
public:
    // The fixed text colour rules some lists use; PerRow asks setRowColour's function.
    enum class TextColour { GridDefault, BlackOnSelected, BlackAll, NavyAll };
    // A colour for a row's text (row of the dataset), or nothing for the grid's own colour.
    using RowColour = std::function<std::optional<QColor>(int row)>;

    static inline const QColor kSelectedBackground = QColor(166, 202, 240); // sky blue

    explicit DBGrid(QWidget *parent = nullptr);

    void bind(Dataset *dataset, const QList<GridColumn> &columns);
    Dataset *dataset() const;
    DatasetModel *datasetModel() const { return m_model; }

    void setTextColour(TextColour rule) { m_textColour = rule; viewport()->update(); }
    void setRowColour(RowColour rule) { m_rowColour = std::move(rule); viewport()->update(); }
    // The colour the rules give a row's text; nothing keeps the grid's own.
    std::optional<QColor> textColourFor(int row, bool selected) const;

    // The hidden label of the window that keeps the selected row's key
    // ("the row that the list shows as selected"), and the key column copied.
    void setSelectedKeyLabel(QLabel *label, const QString &keyColumn);
    // Copies the selected row's key into the label (painting calls it too).
    void copySelectedKey(int row);

    // The selected row, or -1.
    int selectedRow() const;

Q_SIGNALS:
    // The grid shows another row as selected, or the selected row's values
    // changed; screens that mirror the selected record listen to it.
    void selectedRowShown(int row);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    // A row stays selected until another is chosen: no Ctrl+click toggling,
    // no clearing by a click below the last row.
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex &index,
                                                         const QEvent *event = nullptr) const override;

private:
    void selectDatasetRow();
    void onCurrentRowChanged(const QModelIndex &current);
    void showSelectedRow(int row);

    DatasetModel *m_model = nullptr;
    TextColour m_textColour = TextColour::GridDefault;
    RowColour m_rowColour;
    QPointer<QLabel> m_keyLabel;
    QString m_keyColumn;
    bool m_following = false;
};

// Paints a grid cell: sky-blue background on the selected row, the text
// colour the grid's rule gives, the cell filled, and the field's plain text
// written 2 pixels right of the left edge, at the top.
class GridCellPainter : public QStyledItemDelegate
{
    Q_OBJECT
public:
    explicit GridCellPainter(DBGrid *grid);
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    DBGrid *m_grid;
};
