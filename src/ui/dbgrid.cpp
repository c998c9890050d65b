#include "dbgrid.h"

#include "dataset.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>

DBGrid::DBGrid(QWidget *parent) : QTableView(parent)
{
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setTabKeyNavigation(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setVisible(false);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    setItemDelegate(new GridCellPainter(this));
}

void DBGrid::bind(Dataset *dataset, const QList<GridColumn> &columns)
{
    DatasetModel *old = m_model;
    QItemSelectionModel *oldSelection = selectionModel();
    if (old)
        disconnect(old->dataset(), nullptr, this, nullptr);
    m_model = new DatasetModel(dataset, columns, this);
    setModel(m_model);
    delete oldSelection;
    delete old;

    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) { onCurrentRowChanged(current); });
    connect(dataset, &Dataset::currentChanged, this, [this] { selectDatasetRow(); });
    // After a reset (reopen, close) the view has lost its selection.
    connect(m_model, &QAbstractItemModel::modelReset, this, [this] { selectDatasetRow(); });
    connect(m_model, &QAbstractItemModel::rowsInserted, this, [this] { selectDatasetRow(); });
    connect(m_model, &QAbstractItemModel::rowsRemoved, this, [this] { selectDatasetRow(); });
    connect(m_model, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex &from, const QModelIndex &to) {
                const int row = selectedRow();
                if (row >= from.row() && row <= to.row())
                    showSelectedRow(row);
            });
    selectDatasetRow();
}

Dataset *DBGrid::dataset() const
{
    return m_model ? m_model->dataset() : nullptr;
}

int DBGrid::selectedRow() const
{
    if (!selectionModel())
        return -1;
    const QModelIndex current = selectionModel()->currentIndex();
    return current.isValid() && selectionModel()->isRowSelected(current.row(), {}) ? current.row() : -1;
}

std::optional<QColor> DBGrid::textColourFor(int row, bool selected) const
{
    switch (m_textColour) {
    case TextColour::BlackOnSelected:
        if (selected)
            return QColor(Qt::black);
        break;
    case TextColour::BlackAll:
        return QColor(Qt::black);
    case TextColour::NavyAll:
        return QColor(0, 0, 128);
    case TextColour::GridDefault:
        break;
    }
    if (m_rowColour)
        return m_rowColour(row);
    return std::nullopt;
}

void DBGrid::setSelectedKeyLabel(QLabel *label, const QString &keyColumn)
{
    m_keyLabel = label;
    m_keyColumn = keyColumn;
    copySelectedKey(selectedRow());
}

void DBGrid::copySelectedKey(int row)
{
    if (!m_keyLabel || !m_model || row < 0)
        return;
    const QString key = m_model->value(row, m_keyColumn).toString();
    if (m_keyLabel->text() != key)
        m_keyLabel->setText(key);
}

void DBGrid::showSelectedRow(int row)
{
    copySelectedKey(row);
    Q_EMIT selectedRowShown(row);
}

// The dataset's current row, wherever it was moved from, is the grid's selected row.
void DBGrid::selectDatasetRow()
{
    Dataset *ds = dataset();
    if (!ds || m_following)
        return;
    const int row = ds->currentRow();
    m_following = true;
    if (row >= 0 && row < m_model->rowCount()) {
        if (selectedRow() != row) {
            selectionModel()->setCurrentIndex(m_model->index(row, qMax(0, currentIndex().column())),
                                              QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        }
        scrollTo(m_model->index(row, qMax(0, currentIndex().column())));
        showSelectedRow(row);
    } else {
        selectionModel()->clear();
    }
    m_following = false;
    viewport()->update();
}

// A row the user selects becomes the dataset's current row.
void DBGrid::onCurrentRowChanged(const QModelIndex &current)
{
    if (!current.isValid())
        return;
    showSelectedRow(current.row());
    if (m_following)
        return;
    Dataset *ds = dataset();
    if (ds && ds->currentRow() != current.row()) {
        m_following = true;
        ds->moveTo(current.row());
        m_following = false;
    }
}

void DBGrid::keyPressEvent(QKeyEvent *event)
{
    // Ctrl+Delete never deletes a record from a grid, whatever else is held.
    if (event->key() == Qt::Key_Delete && (event->modifiers() & Qt::ControlModifier)) {
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

QItemSelectionModel::SelectionFlags DBGrid::selectionCommand(const QModelIndex &index, const QEvent *) const
{
    return index.isValid() ? QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows
                           : QItemSelectionModel::NoUpdate;
}

GridCellPainter::GridCellPainter(DBGrid *grid) : QStyledItemDelegate(grid), m_grid(grid) {}

void GridCellPainter::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const bool selected = index.row() == m_grid->selectedRow();
    if (selected)
        m_grid->copySelectedKey(index.row());

    const QPalette &palette = option.palette;
    const QColor background = selected ? DBGrid::kSelectedBackground : palette.color(QPalette::Base);
    const QColor text = m_grid->textColourFor(index.row(), selected)
                            .value_or(palette.color(selected ? QPalette::HighlightedText : QPalette::Text));

    painter->save();
    painter->fillRect(option.rect, background);
    painter->setPen(text);
    painter->setFont(option.font);
    painter->setClipRect(option.rect);
    const QRect textRect = option.rect.adjusted(2, 0, 0, 0);
    painter->drawText(textRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                      index.data(Qt::DisplayRole).toString());
    painter->restore();
}
