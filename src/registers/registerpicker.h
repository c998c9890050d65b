#pragma once

#include "datasetmodel.h"

#include <QDialog>

#include <memory>

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

    // What a caller asks before making a picker: whether the register's
    // dataset stands on a record (a row whose key is not 0). When it does not,
    // `noneMessage` is shown over the caller and no picker should open.
    static bool hasRecord(QWidget *caller, Dataset *dataset, const QString &keyColumn, const QString &noneMessage);
    // Lists every record of the register (`everything`) in the picker's
    // dataset, shows the picker modally over the caller and destroys it. A
    // database error is shown over the caller instead. True when a row was accepted.
    static bool showEverything(std::unique_ptr<RegisterPicker> picker, QWidget *caller, const QString &everything);

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
