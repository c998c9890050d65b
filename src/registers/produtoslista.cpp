#include "produtoslista.h"

#include "dataset.h"
#include "dbcontrols.h"
#include "dbgrid.h"
#include "dm.h"
#include "estoqueent.h"
#include "firebird.h"
#include "keymap.h"
#include "messages.h"
#include "produtoscad.h"
#include "produtostextos.h"
#include "produtosui.h"
#include "registerform.h"
#include "recordconventions.h"
#include "relestoqueimp.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

bool isBelowMinimum(const QVariant &inStock, const QVariant &minimum)
{
    return minimum.toDouble() > inStock.toDouble();
}

TProdForm::TProdForm(QWidget *mainWindow)
    : ListWindow(mainWindow, QStringLiteral("Controle de Estoque / Produtos")),
      m_actions(this, DM->ProdForneQuery, ProductTexts::recordTexts(), [this] { return selectedKey(); },
                [](QWidget *opener) { return new TCadProdForm(opener); })
{
    setObjectName(QStringLiteral("TProdForm"));
    Dataset *products = DM->ProdForneQuery;

    auto *searchLabel = new QLabel(QStringLiteral("Procurar Produto"));
    m_searchBox = new QLineEdit;
    m_searchBox->setAccessibleName(QStringLiteral("Procurar Produto"));
    searchLabel->setBuddy(m_searchBox);
    m_searchBy = new RadioGroup(QStringLiteral("Procurar por:"));
    m_searchBy->setItems({QStringLiteral("Descrição"), QStringLiteral("Fornecedor")}, 2);
    m_searchBy->setItemIndex(0);
    auto *searchButton = RegisterForm::button(QStringLiteral("Procurar"), this);
    auto *legend = RegisterForm::button(QStringLiteral("Legenda Cores"), this);
    auto *searchBar = new QHBoxLayout;
    auto *searchColumn = new QVBoxLayout;
    searchColumn->addWidget(searchLabel);
    searchColumn->addWidget(m_searchBox);
    searchBar->addLayout(searchColumn, 1);
    searchBar->addWidget(m_searchBy);
    searchBar->addWidget(searchButton, 0, Qt::AlignBottom);
    searchBar->addWidget(legend, 0, Qt::AlignBottom);

    m_grid = new DBGrid;
    m_grid->setAccessibleName(QStringLiteral("Produtos"));
    m_grid->bind(products, {{QStringLiteral("Cód. Produto"), QStringLiteral("NPROD")},
                            {QStringLiteral("Descrição"), QStringLiteral("DESCRICAO")},
                            {QStringLiteral("Qtde. Disponível"), QStringLiteral("QTDEDISP")},
                            {QStringLiteral("Fornecedor"), QStringLiteral("NOMEFORNE")},
                            {QStringLiteral("Grupo"), QStringLiteral("GRUPO")}});
    m_grid->setColumnWidth(1, 280);
    m_grid->setRowColour([this](int row) -> std::optional<QColor> {
        const DatasetModel *model = m_grid->datasetModel();
        return isBelowMinimum(model->value(row, QStringLiteral("QTDEDISP")), model->value(row, QStringLiteral("QTDEMIN")))
                   ? QColor(255, 0, 0)
                   : QColor(0, 0, 0);
    });
    m_grid->setSelectedKeyLabel(selectedKeyLabel(), QStringLiteral("IDPROD"));

    auto *add = RegisterForm::button(QStringLiteral("Cadastrar Produto"), this);
    auto *edit = RegisterForm::button(QStringLiteral("Editar Produto"), this);
    auto *remove = RegisterForm::button(QStringLiteral("Excluir Produto"), this);
    auto *close = RegisterForm::button(QStringLiteral("Fechar Janela"), this);
    auto *entry = ProductUi::pictureButton(ProductUi::entryPicture(), QStringLiteral("Entrada de Produto"));
    auto *exit = ProductUi::pictureButton(ProductUi::exitPicture(), QStringLiteral("Saida de Produto"));
    auto *print = RegisterForm::button(QStringLiteral("Imprimir Estoque Atual"), this);
    auto *bottom = new QHBoxLayout;
    for (QWidget *w : std::initializer_list<QWidget *>{add, edit, remove, close, entry, exit})
        bottom->addWidget(w);
    bottom->addStretch();
    bottom->addWidget(print);

    auto *status = new QLabel(QStringLiteral("F1 - Cadastrar Produto | F2 - Editar Produto | F3 - Excluir Produto | "
                                             "ESC - Fechar Janela | [+  Entrada] [- Saida]"));
    status->setFrameShape(QFrame::StyledPanel);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(searchBar);
    layout->addWidget(m_grid, 1);
    layout->addLayout(bottom);
    layout->addWidget(status);
    resize(760, 480);

    connect(searchButton, &QPushButton::clicked, this, &TProdForm::search);
    connect(legend, &QPushButton::clicked, this, &TProdForm::showColourLegend);
    connect(add, &QPushButton::clicked, this, [this] { Products::addProduct(this); });
    connect(edit, &QPushButton::clicked, this, [this] { m_actions.editRecord(); });
    connect(remove, &QPushButton::clicked, this, [this] { m_actions.deleteRecord(); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(entry, &QToolButton::clicked, this,
            [this] { StockMovementWindow::open(this, StockMovement::Kind::Entry, selectedKey()); });
    connect(exit, &QToolButton::clicked, this,
            [this] { StockMovementWindow::open(this, StockMovement::Kind::Exit, selectedKey()); });
    connect(print, &QPushButton::clicked, this, [this] { TImpEstoqueForm::of(*DM).imprimir(this); });

    auto *keys = new KeyMap(this);
    keys->press(KeyMap::F1, add);
    keys->press(KeyMap::F2, edit);
    keys->press(KeyMap::F3, remove);
    keys->press(KeyMap::Esc, close);
    keys->press(KeyMap::KeypadPlus, entry);
    keys->press(KeyMap::KeypadMinus, exit);
    keys->searchOnEnter(m_searchBox, searchButton);
}

QString TProdForm::searchStatement(const QString &typed, int searchBy)
{
    const QString column = searchBy == 1 ? QStringLiteral("nomeforne") : QStringLiteral("descricao");
    return Sql::searchStatement(typed, QStringLiteral("select * from prodforne where upper(%1) like \"%").arg(column),
                                QStringLiteral("%\" order by descricao"), ProductTexts::kOrdered);
}

void TProdForm::search()
{
    try {
        DM->ProdForneQuery->reopen(searchStatement(m_searchBox->text(), m_searchBy->itemIndex()));
    } catch (const fb::Error &e) {
        Messages::error(this, e.message());
    }
}

void TProdForm::showColourLegend()
{
    Messages::warn(this,
                   QStringLiteral("Preto - Quantidade em estoque maior que quantidade mínima.\n"
                                  "Vermelho - Quantidade em estoque menor que quantidade mínima."),
                   QStringLiteral("Legenda Estoque"));
}
