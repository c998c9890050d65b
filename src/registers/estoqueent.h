#pragma once

#include "estoquemovimento.h"

#include <QDialog>

class DBEdit;
class QLabel;
class QToolButton;

// The stock movement window: one entry or exit of the product the list has
// selected. Works on the products dataset (the product, in edit) and the
// movements dataset (the new movement, in insert) at once; its title says
// which way the goods go.
class TProdEntForm : public QDialog
{
    Q_OBJECT
public:
    explicit TProdEntForm(QWidget *parent = nullptr);

    // Title, captions and picture of an entry or an exit.
    void setMode(StockMovement::Kind kind);

    // Whatever closes the window without a save drops both pending changes.
    void done(int result) override;

public Q_SLOTS:
    void gravar();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    QLabel *m_quantityLabel;
    QLabel *m_dateLabel;
    DBEdit *m_quantity;
    QWidget *m_date;
    QLabel *m_entryPicture;
    QLabel *m_exitPicture;
};

namespace StockMovementWindow {

// "Entrada de Produto" / "Saida de Produto" of the product list: the
// selected product found again, the window prepared and shown modally.
void open(QWidget *list, StockMovement::Kind kind, int selectedKey);

} // namespace StockMovementWindow
