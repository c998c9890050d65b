#include "produtoscad.h"

#include "dataset.h"
#include "dbcontrols.h"
#include "dm.h"
#include "editcolours.h"
#include "estoquedigitos.h"
#include "firebird.h"
#include "keymap.h"
#include "messages.h"
#include "modules.h"
#include "produtoscodigo.h"
#include "produtosgrupos.h"
#include "produtostextos.h"
#include "produtosui.h"
#include "registerform.h"
#include "recordconventions.h"
#include "recordsequences.h"

#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <memory>

GroupCombo::GroupCombo(QWidget *parent) : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
}

void GroupCombo::focusInEvent(QFocusEvent *event)
{
    QComboBox::focusInEvent(event);
    // Coming back from a message box or from the drop-down is not coming into the list.
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        Q_EMIT entered();
}

TCadProdForm::TCadProdForm(QWidget *parent)
    : RecordWindow(DM->ProdForneQuery, ProductTexts::recordTexts(), parent)
{
    setWindowTitle(ProductTexts::kNewCaption);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    Dataset *products = DM->ProdForneQuery;

    auto *grid = new QGridLayout;
    m_code = new DBEdit;
    m_code->bind(products, QStringLiteral("NPROD"));
    ProductUi::keepWhiteWhenDisabled(m_code);
    ProductUi::captioned(grid, 0, 0, QStringLiteral("Cod. Produto"), m_code);
    m_description = new DBEdit;
    m_description->bind(products, QStringLiteral("DESCRICAO"));
    ProductUi::captioned(grid, 0, 1, QStringLiteral("Descrição (Nome do Produto)"), m_description, 2);

    m_group = new GroupCombo;
    auto *editGroups = ProductUi::pictureButton(style()->standardIcon(QStyle::SP_FileDialogDetailedView),
                                                QStringLiteral("Editar Grupos"));
    auto *groupRow = new QWidget;
    auto *groupLayout = new QHBoxLayout(groupRow);
    groupLayout->setContentsMargins(0, 0, 0, 0);
    groupLayout->addWidget(m_group, 1);
    groupLayout->addWidget(editGroups);
    auto *groupLabel = ProductUi::captioned(grid, 2, 0, QStringLiteral("Grupo"), groupRow);
    groupLabel->setBuddy(m_group);
    m_group->setAccessibleName(QStringLiteral("Grupo"));
    groupRow->setAccessibleName(QString());
    auto *brand = new DBEdit;
    brand->bind(products, QStringLiteral("MARCA"));
    ProductUi::captioned(grid, 2, 1, QStringLiteral("Marca / Fabricante"), brand, 2);

    auto *values = new QGroupBox(QStringLiteral("Valores R$"));
    auto *valuesGrid = new QGridLayout(values);
    auto *purchase = new DBEdit;
    purchase->bind(products, QStringLiteral("CUSTOCOMPRA"));
    ProductUi::captioned(valuesGrid, 0, 0, QStringLiteral("Custo de Compra"), purchase);
    auto *sale = new DBEdit;
    sale->bind(products, QStringLiteral("CUSTOVENDA"));
    ProductUi::captioned(valuesGrid, 0, 1, QStringLiteral("Custo de Venda"), sale);
    grid->addWidget(values, 4, 0, 1, 2);

    auto *quantities = new QGroupBox(QStringLiteral("Quantidade"));
    auto *quantitiesGrid = new QGridLayout(quantities);
    auto *inStock = new DBEdit;
    inStock->bind(products, QStringLiteral("QTDEDISP"));
    DigitsOnly::install(inStock);
    ProductUi::captioned(quantitiesGrid, 0, 0, QStringLiteral("Qtde Disponível"), inStock);
    auto *minimum = new DBEdit;
    minimum->bind(products, QStringLiteral("QTDEMIN"));
    DigitsOnly::install(minimum);
    ProductUi::captioned(quantitiesGrid, 0, 1, QStringLiteral("Qtde Mínima"), minimum);
    grid->addWidget(quantities, 4, 2);

    m_supplierCode = new QLineEdit;
    EditColours::setEditable(m_supplierCode, false);
    ProductUi::captioned(grid, 5, 0, QStringLiteral("Cod. Fornecedor"), m_supplierCode);
    m_supplierName = new QLineEdit;
    m_supplierName->setEnabled(false);
    ProductUi::keepWhiteWhenDisabled(m_supplierName);
    ProductUi::captioned(grid, 5, 1, QStringLiteral("Nome do Fornecedor"), m_supplierName);
    auto *pick = RegisterForm::button(QStringLiteral("..."), this);
    pick->setMaximumWidth(30);
    auto *addSupplier = ProductUi::pictureButton(style()->standardIcon(QStyle::SP_FileDialogNewFolder),
                                                 QStringLiteral("Adicionar Fornecedor"));
    auto *supplierButtons = new QHBoxLayout;
    supplierButtons->addWidget(pick);
    supplierButtons->addWidget(addSupplier);
    supplierButtons->addStretch();
    grid->addLayout(supplierButtons, 6, 2);

    auto *notes = new DBMemo;
    notes->bind(products, QStringLiteral("ANOTA"));
    notes->setMaximumHeight(70);
    ProductUi::captioned(grid, 7, 0, QStringLiteral("Anotações sobre o produto"), notes, 3);

    auto *save = RegisterForm::button(QStringLiteral("Gravar"), this);
    auto *cancelButton = RegisterForm::button(QStringLiteral("Cancelar [ESC]"), this);
    auto *date = new DBDateEdit;
    date->bind(products, QStringLiteral("DATACAD"));
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(save);
    bottom->addWidget(cancelButton);
    bottom->addStretch();
    auto *dateLabel = new QLabel(QStringLiteral("Data de Cadastro"));
    dateLabel->setBuddy(date);
    date->setAccessibleName(QStringLiteral("Data de Cadastro"));
    bottom->addWidget(dateLabel);
    bottom->addWidget(date);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    grid->setColumnMinimumWidth(1, 260);

    connect(save, &QPushButton::clicked, this, &TCadProdForm::gravar);
    connect(cancelButton, &QPushButton::clicked, this, &RecordWindow::cancel);
    (new KeyMap(this))->press(KeyMap::Esc, cancelButton);
    connect(m_group, &GroupCombo::entered, this, &TCadProdForm::reloadGroups);
    connect(editGroups, &QToolButton::clicked, this, [] { ProductGroups::openForEditing(); });
    connect(pick, &QPushButton::clicked, this, &TCadProdForm::pickSupplier);
    connect(addSupplier, &QToolButton::clicked, this,
            [this] { Modules::open(QStringLiteral("TCadForneForm"), this); });
}

void TCadProdForm::setCodeEditable(bool editable) { m_code->setEnabled(editable); }

void TCadProdForm::setSupplier(const QString &code, const QString &name)
{
    m_supplierCode->setText(code);
    m_supplierName->setText(name);
}

void TCadProdForm::readUnboundControls()
{
    Dataset *products = dataset();
    m_stockAsRead = products->field(QStringLiteral("QTDEDISP")).value();
    setCodeEditable(false);
    m_group->setEditText(products->field(QStringLiteral("GRUPO")).asString());
    const Field supplier = products->field(QStringLiteral("IDFORNECE"));
    setSupplier(supplier.isNull() ? QString() : QString::number(supplier.asInteger()),
                products->field(QStringLiteral("NOMEFORNE")).asString());
}

void TCadProdForm::writeUnboundControls()
{
    Dataset *products = dataset();
    const std::optional<qint64> supplier = Sql::integer(m_supplierCode->text());
    if (supplier)
        products->field(QStringLiteral("IDFORNECE")).setInteger(int(*supplier));
    else
        products->field(QStringLiteral("IDFORNECE")).clear();
    products->field(QStringLiteral("NOMEFORNE")).setString(m_supplierName->text());
    products->field(QStringLiteral("GRUPO")).setString(m_group->currentText());
}

QString TCadProdForm::validationMessage() const
{
    if (dataset()->field(QStringLiteral("DESCRICAO")).asString().trimmed().isEmpty())
        return QStringLiteral("Descrição (Nome do Produto) não pode estar em branco!");
    return {};
}

void TCadProdForm::gravar()
{
    if (isNewRecord()) {
        if (!numberIsFree())
            return;
        // The number is kept as its digits, without blanks typed around them.
        dataset()->field(QStringLiteral("NPROD")).setString(*ProductCode::digits(m_code->text()));
    } else if (windowTitle() != ProductTexts::kChangeCaption) {
        return;
    } else {
        keepStockMovedElsewhere();
    }
    RecordSequences::saveRecord(*this);
}

// Another workstation may have moved this product's stock while the window
// was open. Unless the user typed a new quantity, the save writes the stock
// as the database holds it now, locked until the save commits, instead of
// the quantity read when the window opened.
void TCadProdForm::keepStockMovedElsewhere()
{
    Field inStock = dataset()->field(QStringLiteral("QTDEDISP"));
    if (inStock.value() != m_stockAsRead)
        return;
    try {
        const int key = dataset()->field(QStringLiteral("IDPROD")).asInteger();
        auto cursor = dataset()->connection().openCursor(
            QStringLiteral("select qtdedisp from prodforne where idprod = ? with lock"), {key});
        std::vector<QVariant> row;
        if (cursor->fetch(row))
            inStock.setValue(row[0]);
    } catch (const fb::Error &) {
        // Another workstation holds the row: the save itself reports the conflict.
    }
}

// The duplicate test: the typed number may not belong to another product,
// however many leading zeros either of them carries.
bool TCadProdForm::numberIsFree()
{
    const QString typed = m_code->text();
    if (!ProductCode::digits(typed)) {
        Messages::inform(this, QStringLiteral("Cod. Produto inválido! Digite somente números."));
        m_code->setFocus();
        return false;
    }
    Dataset *lookup = DM->AuxProd;
    try {
        if (ProductCode::find(*lookup, typed)) {
            const QString existing = lookup->field(QStringLiteral("DESCRICAO")).asString();
            lookup->close();
            if (!existing.isEmpty()) {
                Messages::warn(this,
                               QStringLiteral("Escolha outro código.\n") + typed + QStringLiteral(" - ") + existing,
                               QStringLiteral("Código já em uso!"));
                m_code->setFocus();
                return false;
            }
        }
        lookup->close();
    } catch (const fb::Error &e) {
        Messages::error(this, e.message());
        return false;
    }
    return true;
}

void TCadProdForm::reloadGroups()
{
    try {
        const QStringList groups = ProductGroups::load();
        const QString typed = m_group->currentText();
        m_group->clear();
        m_group->addItems(groups);
        m_group->setEditText(typed);
    } catch (const fb::Error &e) {
        Messages::error(this, e.message());
    }
}

// The supplier picker fills "Cod. Fornecedor" and "Nome do Fornecedor" itself,
// or says there is no supplier to choose.
void TCadProdForm::pickSupplier()
{
    Modules::open(QStringLiteral("TForneForm2"), this);
}

namespace Products {

bool addProduct(QWidget *opener)
{
    Dataset *products = DM->ProdForneQuery;
    std::unique_ptr<TCadProdForm> window(new TCadProdForm(opener));
    try {
        if (!products->isOpen())
            products->open();
        products->append();
        window->setWindowTitle(ProductTexts::kNewCaption);
        window->setCodeEditable(true);
        // A provisional key, so the proposed number can be shown; the save allocates again.
        const int key = Records::allocateKey(*DM->AuxQuery4, QStringLiteral("prodforne"), QStringLiteral("idprod"));
        products->field(QStringLiteral("IDPROD")).setInteger(key);
        products->field(QStringLiteral("NPROD")).setString(ProductCode::proposed(key));
    } catch (const fb::Error &e) {
        products->cancel();
        Messages::error(opener, e.message());
        return false;
    }
    return Messages::execModal(window.get()) == QDialog::Accepted;
}

} // namespace Products
