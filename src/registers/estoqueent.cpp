#include "estoqueent.h"

#include "dataset.h"
#include "dbcontrols.h"
#include "dm.h"
#include "editcolours.h"
#include "estoquedigitos.h"
#include "firebird.h"
#include "listwindow.h"
#include "messages.h"
#include "produtostextos.h"
#include "produtosui.h"
#include "registerform.h"
#include "recordconventions.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <memory>

namespace {

const QString kEntryTitle = QStringLiteral("Entrada de Produto");
const QString kExitTitle = QStringLiteral("Saída de Produto");

QString productGoneMessage(StockMovement::Kind kind)
{
    return kind == StockMovement::Kind::Entry
               ? QStringLiteral("Não é possivel dar entrada no produto o mesmo foi excluido por outro terminal!")
               : QStringLiteral("Não é possivel dar saída no produto o mesmo foi excluido por outro terminal!");
}

} // namespace

TProdEntForm::TProdEntForm(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(kEntryTitle);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    setFont(QFont(QStringLiteral("Tahoma"), 8));
    Dataset *products = DM->ProdForneQuery;
    Dataset *movements = DM->ProdEntQuery;

    auto *grid = new QGridLayout;
    auto readOnly = [&](int row, int column, const QString &caption, const QString &field, int span = 1) {
        auto *box = new DBEdit;
        box->bind(products, field);
        EditColours::setEditable(box, false);
        ProductUi::captioned(grid, row, column, caption, box, span);
    };
    readOnly(0, 0, QStringLiteral("Cod. Produto"), QStringLiteral("NPROD"));
    readOnly(0, 1, QStringLiteral("Descrição"), QStringLiteral("DESCRICAO"), 2);
    readOnly(2, 0, QStringLiteral("Fornecedor"), QStringLiteral("NOMEFORNE"), 2);
    readOnly(2, 2, QStringLiteral("Quantidade Disponível\n em Estoque"), QStringLiteral("QTDEDISP"));

    m_quantity = new DBEdit;
    m_quantity->bind(movements, QStringLiteral("QTDEENT"));
    EditColours::setEditable(m_quantity, true);
    DigitsOnly::install(m_quantity);
    m_quantityLabel = ProductUi::captioned(grid, 4, 0, QString(), m_quantity);
    auto *date = new DBDateEdit;
    date->bind(movements, QStringLiteral("DATACAD"));
    EditColours::setEditable(date, true);
    m_date = date;
    m_dateLabel = ProductUi::captioned(grid, 4, 1, QString(), date);

    m_entryPicture = new QLabel;
    m_entryPicture->setPixmap(ProductUi::entryPicture().pixmap(48, 48));
    m_exitPicture = new QLabel;
    m_exitPicture->setPixmap(ProductUi::exitPicture().pixmap(48, 48));
    grid->addWidget(m_entryPicture, 4, 2, 2, 1, Qt::AlignCenter);
    grid->addWidget(m_exitPicture, 4, 2, 2, 1, Qt::AlignCenter);

    auto *notes = new DBMemo;
    notes->bind(movements, QStringLiteral("OBS"));
    EditColours::setEditable(notes, true);
    notes->setMaximumHeight(60);
    ProductUi::captioned(grid, 6, 0, QStringLiteral("Observação"), notes, 3);
    grid->setColumnMinimumWidth(1, 220);

    auto *save = RegisterForm::button(QStringLiteral("Gravar"), this);
    auto *cancel = RegisterForm::button(QStringLiteral("Cancelar [ESC]"), this);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(cancel);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(save, &QPushButton::clicked, this, &TProdEntForm::gravar);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    setMode(StockMovement::Kind::Entry);
}

void TProdEntForm::setMode(StockMovement::Kind kind)
{
    const bool entry = kind == StockMovement::Kind::Entry;
    setWindowTitle(entry ? kEntryTitle : kExitTitle);
    const QString quantity = entry ? QStringLiteral("Quantidade de Entrada") : QStringLiteral("Quantidade de Saída");
    m_quantityLabel->setText(quantity + QStringLiteral("\nde Produto"));
    m_quantity->setAccessibleName(quantity + QStringLiteral(" de Produto"));
    const QString date = entry ? QStringLiteral("Data de Entrada") : QStringLiteral("Data de Saida");
    m_dateLabel->setText(date);
    m_date->setAccessibleName(date);
    m_entryPicture->setVisible(entry);
    m_exitPicture->setVisible(!entry);
}

void TProdEntForm::gravar()
{
    StockMovement::Kind kind;
    if (windowTitle() == kEntryTitle)
        kind = StockMovement::Kind::Entry;
    else if (windowTitle() == kExitTitle)
        kind = StockMovement::Kind::Exit;
    else
        return;

    StockMovement::Outcome outcome;
    try {
        outcome = StockMovement::save(kind, *DM->ProdForneQuery, *DM->ProdEntQuery, *DM->AuxQuery5);
    } catch (const fb::Error &e) {
        Messages::error(this, e.message());
        return;
    }
    switch (outcome) {
    case StockMovement::Outcome::Saved:
        accept();
        break;
    case StockMovement::Outcome::Abandoned:
        reject();
        break;
    case StockMovement::Outcome::NotEnoughStock:
        Messages::inform(this, QStringLiteral("Quantidade de item a retirar é menor que a quantidade de item "
                                              "disponível em estoque!"));
        m_quantity->setFocus();
        break;
    case StockMovement::Outcome::ProductGone:
        Messages::inform(this, productGoneMessage(kind));
        break;
    }
}

void TProdEntForm::done(int result)
{
    if (DM->ProdForneQuery->isEditing() || DM->ProdEntQuery->isEditing())
        StockMovement::abandon(*DM->ProdForneQuery, *DM->ProdEntQuery);
    QDialog::done(result);
}

void TProdEntForm::keyPressEvent(QKeyEvent *event)
{
    // Enter in a box presses no button; Esc cancels.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TProdEntForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    centreOnScreen(this);
    m_quantity->setFocus();
}

namespace StockMovementWindow {

void open(QWidget *list, StockMovement::Kind kind, int selectedKey)
{
    Dataset *products = DM->ProdForneQuery;
    Dataset *movements = DM->ProdEntQuery;
    if (!products->isOpen() || products->currentRow() < 0
        || products->field(QStringLiteral("IDPROD")).asInteger() == 0)
        return;
    try {
        if (!Records::reopenAt(*products, ProductTexts::kOrdered, QStringLiteral("IDPROD"), selectedKey)) {
            Messages::inform(list, productGoneMessage(kind));
            return;
        }
    } catch (const fb::Error &e) {
        Messages::error(list, e.message());
        return;
    }
    std::unique_ptr<TProdEntForm> window(new TProdEntForm(list));
    try {
        if (!movements->isOpen())
            movements->open();
        movements->append();
        // The quantity in stock as it is now, not as the list read it.
        products->refresh();
        products->edit();
    } catch (const fb::Error &e) {
        StockMovement::abandon(*products, *movements);
        Messages::error(list, e.message());
        return;
    }
    window->setMode(kind);
    Messages::execModal(window.get());
}

} // namespace StockMovementWindow
