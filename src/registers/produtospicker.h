#pragma once

#include <QDialog>

class DBGrid;
class Dataset;
class QLineEdit;

// The product picker "Produtos": the point of sale chooses the product of the
// sale item it is entering. "OK" or a double click fills the item (the sale
// items dataset's current row, in insert) from the selected product.
class TProdForm2 : public QDialog
{
    Q_OBJECT
public:
    explicit TProdForm2(QWidget *parent = nullptr);

    // The picker's search: every product, or those whose description holds the text.
    static QString searchStatement(const QString &typed);

    DBGrid *grid() const { return m_grid; }

public Q_SLOTS:
    void procurar();
    // Fills the sale item from the selected product and closes.
    void escolher();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    QLineEdit *m_searchBox;
    DBGrid *m_grid;
};

namespace ProductPicker {

// What the point of sale's "..." does: with no product at all it says so;
// otherwise every product is listed and the picker shown modally. True when
// a product was chosen and the item filled.
bool choose(QWidget *caller);

// The item's columns from the product: number, description, price, quantity
// 1 and its total. False when the items dataset has no item being entered.
bool fillSaleItem(Dataset &products, Dataset &items);

} // namespace ProductPicker
