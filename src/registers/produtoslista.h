#pragma once

#include "listwindow.h"
#include "recordsequences.h"

class DBGrid;
class QLineEdit;
class RadioGroup;

// The product list "Controle de Estoque / Produtos": search, register, edit
// and delete products, stock entries and exits of the selected product, and
// the current-stock report. Products below their minimum are drawn in red.
class TProdForm : public ListWindow
{
    Q_OBJECT
public:
    explicit TProdForm(QWidget *mainWindow);

    DBGrid *grid() const { return m_grid; }

    // The search statement for the typed text and the "Procurar por:" choice.
    static QString searchStatement(const QString &typed, int searchBy);

private:
    void search();
    void showColourLegend();

    QLineEdit *m_searchBox;
    RadioGroup *m_searchBy;
    DBGrid *m_grid;
    RecordActions m_actions;
};

// True when the product's stock is under its minimum (an empty value counts as 0).
bool isBelowMinimum(const QVariant &inStock, const QVariant &minimum);
