#pragma once

#include <QVariant>

#include "recordwindow.h"

#include <QComboBox>

class DBEdit;
class QLineEdit;
class QPushButton;
class QToolButton;

// The "Grupo" list: tells when the user comes into it, so its items can be
// read again from the group file.
class GroupCombo : public QComboBox
{
    Q_OBJECT
public:
    explicit GroupCombo(QWidget *parent = nullptr);

Q_SIGNALS:
    void entered();

protected:
    void focusInEvent(QFocusEvent *event) override;
};

// The product record window: enters a new product or changes one. The group
// and the supplier are held in boxes of their own while the window is open
// and written into the product only when it is saved.
class TCadProdForm : public RecordWindow
{
    Q_OBJECT
public:
    explicit TCadProdForm(QWidget *parent = nullptr);

    void readUnboundControls() override;
    void writeUnboundControls() override;
    QString validationMessage() const override;

    // The supplier chosen for the product: what the supplier picker fills in.
    void setSupplier(const QString &code, const QString &name);
    // New mode: the number box may be typed into (it is never in edit mode).
    void setCodeEditable(bool editable);

public Q_SLOTS:
    // "Gravar": in new mode the number must be free first; then the save sequence.
    void gravar();

private:
    bool numberIsFree();
    void reloadGroups();
    void pickSupplier();
    void keepStockMovedElsewhere();

    DBEdit *m_code;
    QVariant m_stockAsRead; // the quantity in stock when the window opened
    DBEdit *m_description;
    GroupCombo *m_group;
    QLineEdit *m_supplierCode;
    QLineEdit *m_supplierName;
};

namespace Products {

// "Cadastrar Produto" of the product list and "Adicionar Produto" of the
// point of sale: a new product with a provisional key and the proposed
// number, shown modally. True when the product was saved; the products
// dataset then stands on it.
bool addProduct(QWidget *opener);

} // namespace Products
