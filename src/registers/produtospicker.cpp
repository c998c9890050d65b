#include "produtospicker.h"

#include "dataset.h"
#include "dbgrid.h"
#include "dm.h"
#include "firebird.h"
#include "listwindow.h"
#include "messages.h"
#include "produtostextos.h"
#include "produtosui.h"
#include "recordconventions.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <memory>

TProdForm2::TProdForm2(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Produtos"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFont(QFont(QStringLiteral("Tahoma"), 8));

    auto *label = new QLabel(QStringLiteral("Busca por produto:"));
    m_searchBox = new QLineEdit;
    m_searchBox->setAccessibleName(QStringLiteral("Busca por produto:"));
    label->setBuddy(m_searchBox);
    auto *search = ProductUi::button(QStringLiteral("Procurar"));
    auto *searchBar = new QHBoxLayout;
    searchBar->addWidget(label);
    searchBar->addWidget(m_searchBox, 1);
    searchBar->addWidget(search);

    m_grid = new DBGrid;
    m_grid->setAccessibleName(QStringLiteral("Produtos"));
    m_grid->bind(DM->ProdForneQuery, {{QStringLiteral("Cod. Produto"), QStringLiteral("NPROD")},
                                      {QStringLiteral("Descrição"), QStringLiteral("DESCRICAO")}});
    m_grid->setTextColour(DBGrid::TextColour::NavyAll);
    m_grid->setColumnWidth(1, 300);

    auto *ok = ProductUi::button(QStringLiteral("OK"));
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(searchBar);
    layout->addWidget(m_grid, 1);
    layout->addWidget(ok, 0, Qt::AlignRight);
    setFixedSize(480, 360);

    connect(search, &QPushButton::clicked, this, &TProdForm2::procurar);
    connect(ok, &QPushButton::clicked, this, &TProdForm2::escolher);
    connect(m_grid, &DBGrid::doubleClicked, this, &TProdForm2::escolher);
}

QString TProdForm2::searchStatement(const QString &typed)
{
    return Sql::searchStatement(typed, ProductTexts::kAll + QStringLiteral(" where upper(descricao) like \"%"),
                                QStringLiteral("%\" order by descricao"), ProductTexts::kAll);
}

void TProdForm2::procurar()
{
    try {
        DM->ProdForneQuery->reopen(searchStatement(m_searchBox->text()));
    } catch (const fb::Error &e) {
        Messages::error(this, e.message());
    }
}

void TProdForm2::escolher()
{
    try {
        if (!ProductPicker::fillSaleItem(*DM->ProdForneQuery, *DM->IVendasQuery))
            return;
    } catch (const fb::Error &e) {
        Messages::error(this, e.message());
        return;
    }
    accept();
}

void TProdForm2::keyPressEvent(QKeyEvent *event)
{
    // Enter in the search box does not search, nor choose.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TProdForm2::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    centreOnScreen(this);
}

namespace ProductPicker {

bool fillSaleItem(Dataset &products, Dataset &items)
{
    if (!items.isEditing() || !products.isOpen() || products.currentRow() < 0)
        return false;
    items.field(QStringLiteral("NPROD")).setValue(products.field(QStringLiteral("NPROD")).value());
    items.field(QStringLiteral("DESCRICAO")).setValue(products.field(QStringLiteral("DESCRICAO")).value());
    items.field(QStringLiteral("VALORPROD")).setFloat(products.field(QStringLiteral("CUSTOVENDA")).asFloat());
    items.field(QStringLiteral("QTDE")).setFloat(1);
    items.field(QStringLiteral("TOTALPROD"))
        .setFloat(items.field(QStringLiteral("VALORPROD")).asFloat() * items.field(QStringLiteral("QTDE")).asFloat());
    items.field(QStringLiteral("IDPRODUTO")).setInteger(products.field(QStringLiteral("IDPROD")).asInteger());
    return true;
}

bool choose(QWidget *caller)
{
    Dataset *products = DM->ProdForneQuery;
    const bool hasProduct = products->isOpen() && products->currentRow() >= 0
                            && products->field(QStringLiteral("IDPROD")).asInteger() != 0;
    if (!hasProduct) {
        Messages::inform(caller, QStringLiteral("Não existe produto cadastrado!"));
        return false;
    }
    std::unique_ptr<TProdForm2> picker(new TProdForm2(caller));
    try {
        products->reopen(ProductTexts::kAll);
    } catch (const fb::Error &e) {
        Messages::error(caller, e.message());
        return false;
    }
    return Messages::execModal(picker.get()) == QDialog::Accepted;
}

} // namespace ProductPicker
