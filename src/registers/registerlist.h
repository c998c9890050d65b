#pragma once

#include "datasetmodel.h"
#include "listwindow.h"
#include "recordsequences.h"

#include <QList>
#include <QString>

class DBGrid;
class Dataset;
class QHBoxLayout;
class QLineEdit;
class QPushButton;
class RadioGroup;

// What a register's list shows and says: the table it searches, the grid's
// columns, the captions of its bars.
struct RegisterListTexts {
    // One item of "Procurar por:" and the column it searches.
    struct SearchChoice {
        QString item;
        QString column;
    };

    QString caption;                  // "Lista de Clientes"
    QString searchLabel;              // "Procurar Cliente"
    QString heading;                  // "CLIENTES", large bold navy
    QString table;                    // "clientes"
    QString sortColumn;               // "nome"
    QList<SearchChoice> searchChoices;
    QList<GridColumn> columns;
    QString addButton, editButton, deleteButton;  // "Cadastrar Cliente", ...
    QString statusLine;
};

// A register's list window: a search bar ("Procurar por:" chooses the column),
// a read-only grid over the table's shared dataset, the add, edit and delete
// buttons with the record sequences behind them, and "Fechar Janela".
// F1, F2, F3 and Esc press the four buttons; Enter in the search box searches;
// a double click on a row edits it.
class RegisterListWindow : public ListWindow
{
    Q_OBJECT
public:
    RegisterListWindow(QWidget *mainWindow, Dataset *dataset, RegisterListTexts texts, RecordTexts recordTexts,
                       RecordSequences::MakeRecordWindow makeRecordWindow);

    DBGrid *grid() const { return m_grid; }
    Dataset *dataset() const { return m_dataset; }

    // The statement "Procurar" runs for a typed text and the chosen column.
    QString searchStatement(const QString &typed, int choice) const;

public Q_SLOTS:
    void search();
    virtual void addRecord();
    void editRecord();
    void deleteRecord();

protected:
    // A button placed in the search bar after "Procurar por:".
    QPushButton *addSearchBarButton(const QString &caption);

private:
    Dataset *m_dataset;
    RegisterListTexts m_texts;
    RecordActions m_actions;
    QLineEdit *m_searchBox;
    RadioGroup *m_searchBy;
    QHBoxLayout *m_searchBar;
    int m_searchBarExtras;
    DBGrid *m_grid;
};
