#pragma once

#include "datasetmodel.h"

#include <QDialog>

class DBGrid;
class Dataset;
class QVBoxLayout;

// A small modal window in which another screen chooses a record of a
// register: a grid over the register's shared dataset (navy text) and "OK".
// "OK" and a double click on a row accept the selected row, which stays the
// dataset's current one; the close box accepts nothing. It has no keys of its
// own: Enter and Esc do nothing here.
class RegisterPicker : public QDialog
{
    Q_OBJECT
public:
    RegisterPicker(Dataset *dataset, const QString &caption, const QList<GridColumn> &columns,
                   QWidget *parent = nullptr);

    DBGrid *grid() const { return m_grid; }
    Dataset *dataset() const { return m_dataset; }

public Q_SLOTS:
    // Accepts the selected row: the subclass's effect, then the window closes
    // (without effect when the grid has no row).
    void choose();

protected:
    // What accepting does for the caller.
    virtual void applyChoice() = 0;
    // The layout above the grid, for a search bar.
    QVBoxLayout *topLayout() const { return m_top; }

    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    Dataset *m_dataset;
    DBGrid *m_grid;
    QVBoxLayout *m_top;
};
