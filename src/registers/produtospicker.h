#pragma once

#include "registerpicker.h"

class Dataset;
class QLineEdit;

// The product picker "Produtos": the point of sale chooses the product of the
// sale item it is entering. "OK" or a double click fills the item (the sale
// items dataset's current row, in insert) from the selected product.
class TProdForm2 : public RegisterPicker
{
    Q_OBJECT
public:
    explicit TProdForm2(QWidget *parent = nullptr);

    // The picker's search: every product, or those whose description holds the text.
    static QString searchStatement(const QString &typed);

public Q_SLOTS:
    void procurar();

protected:
    void applyChoice() override;

private:
    QLineEdit *m_searchBox;
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
