#pragma once

#include "recordwindow.h"

class DBGrid;
class QWidget;

// The suppliers' texts for the record sequences: statements, captions, messages.
RecordTexts supplierRecordTexts();

// "Cadastro de Fornecedor" / "Alteração de Fornecedor": one supplier of
// ForneQuery, with the products bought from it shown, not edited, below its notes.
class TCadForneForm : public RecordWindow
{
    Q_OBJECT
public:
    explicit TCadForneForm(QWidget *parent = nullptr);

    // "Adicionar Fornecedor" of the product record window: a new supplier
    // appended without refreshing; the products dataset, which holds the
    // product being entered, is left alone.
    static void addFromProductWindow(QWidget *opener);

    // Lists the supplier's products in "Produtos que fornece".
    void readUnboundControls() override;
    QString validationMessage() const override;

    DBGrid *productGrid() const { return m_products; }

private:
    DBGrid *m_products;
};
