#include "fornecedoresrecord.h"

#include "dbcontrols.h"
#include "dbgrid.h"
#include "dm.h"
#include "editcolours.h"
#include "firebird.h"
#include "messages.h"
#include "registerform.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QVBoxLayout>
#include <memory>

namespace {
const QString kNewCaption = QStringLiteral("Cadastro de Fornecedor");
}

RecordTexts supplierRecordTexts()
{
    RecordTexts t;
    t.wholeTable = QStringLiteral("select * from fornecedores");
    t.keyColumn = QStringLiteral("IDFORNECE");
    t.scratch = DM->AuxQuery3;
    t.newCaption = kNewCaption;
    t.changeCaption = QStringLiteral("Alteração de Fornecedor");
    t.goneOnEdit = QStringLiteral("Não é possivel editar o fornecedor, o mesmo já não se encontra mais no sistema.");
    t.goneOnDelete = QStringLiteral("Fornecedor já foi excluído por outro terminal!");
    t.deleteTitle = QStringLiteral("Excluir Fornecedor");
    t.deleteQuestion = [](Dataset &suppliers) {
        return QStringLiteral("Deseja excluir o Fornecedor [ ")
               + suppliers.field(QStringLiteral("NOMEFANTASIA")).asString() + QStringLiteral(" ] ?");
    };
    // Its products keep their supplier's code and name.
    return t;
}

TCadForneForm::TCadForneForm(QWidget *parent) : RecordWindow(DM->ForneQuery, supplierRecordTexts(), parent)
{
    using RegisterForm::captioned;
    using RegisterForm::edit;
    Dataset *suppliers = DM->ForneQuery;
    setWindowTitle(kNewCaption);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);

    DBEdit *code = edit(QStringLiteral("Código"), suppliers, QStringLiteral("IDFORNECE"));
    EditColours::setEditable(code, false);
    DBEdit *company = edit(QStringLiteral("Razão Social"), suppliers, QStringLiteral("RAZAOSOCIAL"));
    DBEdit *tradeName = edit(QStringLiteral("Nome Fantasia"), suppliers, QStringLiteral("NOMEFANTASIA"));
    DBEdit *phone = edit(QStringLiteral("Telefone"), suppliers, QStringLiteral("FONE"));
    DBEdit *fax = edit(QStringLiteral("Fax"), suppliers, QStringLiteral("FAX"));
    DBEdit *email = edit(QStringLiteral("E-mail"), suppliers, QStringLiteral("EMAIL"));
    DBEdit *site = edit(QStringLiteral("Site"), suppliers, QStringLiteral("SITE"));
    DBEdit *cnpj = edit(QStringLiteral("CNPJ"), suppliers, QStringLiteral("CNPJ"));
    DBEdit *ie = edit(QStringLiteral("Inscrição Estadual"), suppliers, QStringLiteral("IE"));
    DBEdit *contact = edit(QStringLiteral("Pessoa para Contato"), suppliers, QStringLiteral("PESSOACONT"));
    auto *registered = new DBDateEdit;
    registered->bind(suppliers, QStringLiteral("DATA"));

    auto *left = new QGridLayout;
    left->addWidget(captioned(QStringLiteral("Código"), code), 0, 0);
    left->addWidget(captioned(QStringLiteral("Razão Social"), company), 0, 1, 1, 2);
    left->addWidget(captioned(QStringLiteral("Nome Fantasia"), tradeName), 1, 0, 1, 3);
    left->addWidget(captioned(QStringLiteral("Telefone"), phone), 2, 0);
    left->addWidget(captioned(QStringLiteral("Fax"), fax), 2, 1);
    RegisterForm::addAddress(left, 3, suppliers);
    left->addWidget(captioned(QStringLiteral("E-mail"), email), 6, 0, 1, 2);
    left->addWidget(captioned(QStringLiteral("Site"), site), 6, 2);
    left->addWidget(captioned(QStringLiteral("CNPJ"), cnpj), 7, 0);
    left->addWidget(captioned(QStringLiteral("Inscrição Estadual"), ie), 7, 1);
    left->addWidget(captioned(QStringLiteral("Pessoa para Contato"), contact), 8, 0, 1, 2);
    left->addWidget(captioned(QStringLiteral("Data de Cadastro"), registered), 8, 2);
    left->setColumnMinimumWidth(1, 140);
    left->setColumnMinimumWidth(2, 140);

    auto *notes = new DBMemo;
    notes->bind(suppliers, QStringLiteral("ANOTA"));
    notes->setMaximumHeight(110);
    m_products = new DBGrid;
    m_products->bind(DM->ProdForneQuery, {{QStringLiteral("Código"), QStringLiteral("IDPROD")},
                                          {QStringLiteral("Descrição"), QStringLiteral("DESCRICAO")}});
    m_products->setTextColour(DBGrid::TextColour::NavyAll);
    m_products->horizontalHeader()->setStretchLastSection(true);
    m_products->setEnabled(false);
    auto *note = new QLabel(QStringLiteral("Obs.: Adicione os produtos fornecidos por este fornecedor no módulo Estoque."));
    note->setWordWrap(true);
    QPalette grey = note->palette();
    grey.setColor(QPalette::WindowText, QColor(128, 128, 128));
    note->setPalette(grey);

    auto *right = new QVBoxLayout;
    right->addWidget(captioned(QStringLiteral("Anotações Gerais"), notes));
    right->addWidget(captioned(QStringLiteral("Produtos que fornece"), m_products), 1);
    right->addWidget(note);

    RegisterForm::layOutRecordWindow(this, left, right);
}

void TCadForneForm::addFromProductWindow(QWidget *opener)
{
    RegisterForm::addFromOtherScreen(std::make_unique<TCadForneForm>(opener), opener);
}

void TCadForneForm::readUnboundControls()
{
    const int key = dataset()->field(QStringLiteral("IDFORNECE")).asInteger();
    Dataset *products = DM->ProdForneQuery;
    try {
        products->close();
        products->reopen(QStringLiteral("select * from prodforne where idfornece=") + QString::number(key));
    } catch (const fb::Error &e) {
        Messages::error(this, e.message());
    }
}

QString TCadForneForm::validationMessage() const
{
    if (dataset()->field(QStringLiteral("NOMEFANTASIA")).asString().isEmpty())
        return QStringLiteral("Nome Fantasia não pode estar em branco!");
    return {};
}
