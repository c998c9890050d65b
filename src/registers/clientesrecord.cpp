#include "clientesrecord.h"

#include "clientesanotacoes.h"
#include "dbcontrols.h"
#include "dm.h"
#include "editcolours.h"
#include "firebird.h"
#include "messages.h"
#include "modules.h"
#include "registerform.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>
#include <memory>

namespace {
const QString kNewCaption = QStringLiteral("Cadastro de Cliente");
constexpr int kNaturalPerson = 0; // "Pessoa Física"; TIPOPESSOA 1
constexpr int kLegalPerson = 1;   // "Pessoa Jurídica"; TIPOPESSOA 2
} // namespace

RecordTexts clientRecordTexts()
{
    RecordTexts t;
    t.wholeTable = QStringLiteral("select * from clientes");
    t.keyColumn = QStringLiteral("IDCLIENTE");
    t.scratch = DM->AuxQuery;
    t.newCaption = kNewCaption;
    t.changeCaption = QStringLiteral("Alteração de Cliente");
    t.goneOnEdit = QStringLiteral("Não é possivel editar o cliente, o mesmo já não se encontra mais no sistema.");
    t.goneOnDelete = QStringLiteral("Cliente já foi excluído por outro terminal!");
    t.deleteTitle = QStringLiteral("Excluir Cliente");
    t.deleteQuestion = [](Dataset &clients) {
        return QStringLiteral("Deseja excluir o Cliente [ ") + clients.field(QStringLiteral("NOME")).asString()
               + QStringLiteral(" ] ?");
    };
    // A client's service orders go with it; its sales, agenda, cheques and carnês stay.
    t.dependentDeletes = [](Dataset &clients) {
        return QStringList{QStringLiteral("delete from ordemserv where idcliente=")
                           + QString::number(clients.field(QStringLiteral("IDCLIENTE")).asInteger())};
    };
    t.closeBeforeDelete = {DM->OrdensQuery};
    return t;
}

TClientesForm::TClientesForm(QWidget *parent) : RecordWindow(DM->ClientesQuery, clientRecordTexts(), parent)
{
    using RegisterForm::captioned;
    using RegisterForm::edit;
    Dataset *clients = DM->ClientesQuery;
    setWindowTitle(QStringLiteral("Cadastro de Clientes"));

    m_personType = new RadioGroup(QString(), this);
    m_personType->setAccessibleName(QStringLiteral("Tipo de Pessoa"));
    m_personType->setItems({QStringLiteral("Pessoa Física"), QStringLiteral("Pessoa Jurídica")}, 2);
    m_personType->setItemIndex(kNaturalPerson);

    DBEdit *code = edit(QStringLiteral("Código"), clients, QStringLiteral("IDCLIENTE"));
    EditColours::setEditable(code, false);
    DBEdit *name = edit(QStringLiteral("Nome do Cliente"), clients, QStringLiteral("NOME"));
    m_homePhone = edit(QStringLiteral("Telefone Residencial"), clients, QStringLiteral("FONERES"));
    DBEdit *workPhone = edit(QStringLiteral("Telefone Comercial"), clients, QStringLiteral("FONECOM"));
    DBEdit *mobile = edit(QStringLiteral("Celular"), clients, QStringLiteral("FONECEL"));
    m_cpf = edit(QStringLiteral("CPF"), clients, QStringLiteral("CPF"));
    m_rg = edit(QStringLiteral("RG"), clients, QStringLiteral("RG"));
    DBEdit *email = edit(QStringLiteral("E-mail"), clients, QStringLiteral("EMAIL"));
    m_cnpj = edit(QStringLiteral("CNPJ"), clients, QStringLiteral("CNPJ"));
    m_ie = edit(QStringLiteral("Inscriçao Estadual"), clients, QStringLiteral("IE"));
    m_contact = edit(QStringLiteral("Pessoa para Contato"), clients, QStringLiteral("PESSOACONT"));
    auto *registered = new DBDateEdit;
    registered->bind(clients, QStringLiteral("DATACADASTRO"));

    auto *left = new QGridLayout;
    left->addWidget(m_personType, 0, 0, 1, 3);
    left->addWidget(captioned(QStringLiteral("Código"), code), 1, 0);
    left->addWidget(captioned(QStringLiteral("Nome do Cliente"), name), 1, 1, 1, 2);
    left->addWidget(captioned(QStringLiteral("Telefone Residencial"), m_homePhone), 2, 0);
    left->addWidget(captioned(QStringLiteral("Telefone Comercial"), workPhone), 2, 1);
    left->addWidget(captioned(QStringLiteral("Celular"), mobile), 2, 2);
    RegisterForm::addAddress(left, 3, clients);
    left->addWidget(captioned(QStringLiteral("CPF"), m_cpf), 6, 0);
    left->addWidget(captioned(QStringLiteral("RG"), m_rg), 6, 1);
    left->addWidget(captioned(QStringLiteral("E-mail"), email), 7, 0, 1, 3);
    left->addWidget(captioned(QStringLiteral("CNPJ"), m_cnpj), 8, 0);
    left->addWidget(captioned(QStringLiteral("Inscriçao Estadual"), m_ie), 8, 1);
    left->addWidget(captioned(QStringLiteral("Pessoa para Contato"), m_contact), 9, 0, 1, 2);
    left->addWidget(captioned(QStringLiteral("Data de Cadastro"), registered), 9, 2);
    left->setColumnMinimumWidth(1, 140);
    left->setColumnMinimumWidth(2, 140);

    QPushButton *legend = RegisterForm::button(QStringLiteral("Legenda Anotações"), this);
    auto *settings = new QPushButton(this);
    settings->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    settings->setAccessibleName(QStringLiteral("Configurações"));
    settings->setToolTip(QStringLiteral("Configurações"));
    settings->setAutoDefault(false);
    m_annotationType = new RadioGroup(QStringLiteral("Tipo de Anotação"), this);
    m_annotationType->setItems(ClientAnnotations::items(), 2);
    m_annotationType->setItemIndex(0);
    auto *notes = new DBMemo;
    notes->bind(clients, QStringLiteral("ANOTA"));

    auto *legendRow = new QHBoxLayout;
    legendRow->addWidget(legend);
    legendRow->addWidget(settings);
    legendRow->addStretch(1);
    auto *right = new QVBoxLayout;
    right->addLayout(legendRow);
    right->addWidget(m_annotationType);
    right->addWidget(captioned(QStringLiteral("Anotações Gerais"), notes), 1);

    RegisterForm::layOutRecordWindow(this, left, right);

    // Only the person type's own boxes are open; the window starts as "Pessoa Física".
    showPersonType(kNaturalPerson);
    connect(m_personType, &RadioGroup::itemIndexChanged, this, &TClientesForm::showPersonType);
    connect(legend, &QPushButton::clicked, this, [this] { ClientAnnotations::showLegend(this); });
    connect(settings, &QPushButton::clicked, this, &TClientesForm::openSettings);
}

void TClientesForm::addFromOtherScreen(QWidget *opener)
{
    RegisterForm::addFromOtherScreen(std::make_unique<TClientesForm>(opener), opener);
}

void TClientesForm::showPersonType(int index)
{
    if (index < 0)
        return;
    const bool natural = index == kNaturalPerson;
    // Switching clears nothing: what the closed boxes hold stays in the row and is saved.
    EditColours::setEditable({m_homePhone, m_cpf, m_rg}, natural);
    EditColours::setEditable({m_cnpj, m_ie, m_contact}, !natural);
}

void TClientesForm::readUnboundControls()
{
    const int annotation = dataset()->field(QStringLiteral("TIPOANOT")).asInteger();
    m_annotationType->setItemIndex(annotation >= 1 && annotation <= 4 ? annotation - 1 : 0);
    const int person = dataset()->field(QStringLiteral("TIPOPESSOA")).asInteger();
    if (person == 1)
        m_personType->setItemIndex(kNaturalPerson);
    else if (person == 2)
        m_personType->setItemIndex(kLegalPerson);
    showPersonType(m_personType->itemIndex());
}

void TClientesForm::writeUnboundControls()
{
    Dataset *clients = dataset();
    if (!clients->isEditing())
        return;
    clients->field(QStringLiteral("TIPOANOT")).setInteger(qMax(0, m_annotationType->itemIndex()) + 1);
    clients->field(QStringLiteral("TIPOPESSOA")).setInteger(m_personType->itemIndex() == kLegalPerson ? 2 : 1);
}

QString TClientesForm::validationMessage() const
{
    if (dataset()->field(QStringLiteral("NOME")).asString().isEmpty())
        return QStringLiteral("Nome do Cliente não pode estar em branco!");
    return {};
}

void TClientesForm::openSettings()
{
    try {
        if (!DM->ConfigQuery->isOpen())
            DM->ConfigQuery->open();
    } catch (const fb::Error &e) {
        Messages::error(this, e.message());
        return;
    }
    // The settings window opened on its "Cabeçalho OS" page, where the program offers it.
    if (!Modules::open(QStringLiteral("TConfigForm:Cabeçalho OS"), this))
        Modules::open(QStringLiteral("TConfigForm"), this);
}
