#include "produtospicker.h"

#include "dataset.h"
#include "dbgrid.h"
#include "dm.h"
#include "firebird.h"
#include "messages.h"
#include "produtostextos.h"
#include "registerform.h"
#include "recordconventions.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <memory>

TProdForm2::TProdForm2(QWidget *parent)
    : RegisterPicker(DM->ProdForneQuery, QStringLiteral("Produtos"),
                     {{QStringLiteral("Cod. Produto"), QStringLiteral("NPROD")},
                      {QStringLiteral("Descrição"), QStringLiteral("DESCRICAO")}},
                     parent)
{
    // Only a close box.
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    auto *label = new QLabel(QStringLiteral("Busca por produto:"));
    m_searchBox = new QLineEdit;
    m_searchBox->setAccessibleName(QStringLiteral("Busca por produto:"));
    label->setBuddy(m_searchBox);
    auto *search = RegisterForm::button(QStringLiteral("Procurar"), this);
    auto *searchBar = new QHBoxLayout;
    searchBar->addWidget(label);
    searchBar->addWidget(m_searchBox, 1);
    searchBar->addWidget(search);
    topLayout()->addLayout(searchBar);
    grid()->setAccessibleName(QStringLiteral("Produtos"));
    grid()->setColumnWidth(1, 300);

    connect(search, &QPushButton::clicked, this, &TProdForm2::procurar);
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

void TProdForm2::applyChoice()
{
    try {
        ProductPicker::fillSaleItem(*DM->ProdForneQuery, *DM->IVendasQuery);
    } catch (const fb::Error &e) {
        Messages::error(this, e.message());
    }
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
    if (!RegisterPicker::hasRecord(caller, DM->ProdForneQuery, QStringLiteral("IDPROD"),
                                   QStringLiteral("Não existe produto cadastrado!")))
        return false;
    return RegisterPicker::showEverything(std::make_unique<TProdForm2>(caller), caller, ProductTexts::kAll);
}

} // namespace ProductPicker
