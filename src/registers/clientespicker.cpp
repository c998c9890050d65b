#include "clientespicker.h"

#include "dataset.h"
#include "dm.h"
#include "firebird.h"
#include "messages.h"
#include "recordconventions.h"
#include "registerform.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <memory>

namespace {

const QString kAllClients = QStringLiteral("select * from clientes");

// Writes into the caller's record, which the caller has in insert or edit; a
// record merely shown is put in edit, as a data control would do.
void writeIntoCallerRecord(Dataset *dataset, const QString &column, const QVariant &value)
{
    if (!dataset->isEditing()) {
        if (!dataset->isOpen() || dataset->currentRow() < 0)
            return;
        dataset->edit();
    }
    dataset->field(column).setValue(value);
}

} // namespace

TClientesForm2::TClientesForm2(QWidget *parent)
    : RegisterPicker(DM->ClientesQuery, QStringLiteral("Clientes"),
                     {{QStringLiteral("Cod. Cliente"), QStringLiteral("IDCLIENTE")},
                      {QStringLiteral("Nome"), QStringLiteral("NOME")}},
                     parent)
{
    auto *label = new QLabel(QStringLiteral("Busca por cliente:"), this);
    m_searchBox = new QLineEdit(this);
    m_searchBox->setAccessibleName(label->text());
    label->setBuddy(m_searchBox);
    QPushButton *searchButton = RegisterForm::button(QStringLiteral("Procurar"), this);
    auto *bar = new QHBoxLayout;
    bar->addWidget(label);
    bar->addWidget(m_searchBox, 1);
    bar->addWidget(searchButton);
    topLayout()->addLayout(bar);
    connect(searchButton, &QPushButton::clicked, this, &TClientesForm2::search);
}

bool TClientesForm2::pick(QWidget *caller, const QString &callerTag)
{
    if (!hasRecord(caller, DM->ClientesQuery, QStringLiteral("IDCLIENTE"), QStringLiteral("Não existe cliente cadastrado!")))
        return false;
    auto picker = std::make_unique<TClientesForm2>(caller);
    picker->setCallerTag(callerTag);
    return showEverything(std::move(picker), caller, kAllClients);
}

void TClientesForm2::search()
{
    const QString sql = Sql::searchStatement(m_searchBox->text(),
                                             QStringLiteral("select * from clientes where upper(nome) like \"%"),
                                             QStringLiteral("%\" order by nome"), kAllClients);
    try {
        dataset()->reopen(sql);
    } catch (const fb::Error &e) {
        Messages::error(this, e.message());
    }
}

void TClientesForm2::applyChoice()
{
    Dataset *clients = dataset();
    const int key = clients->field(QStringLiteral("IDCLIENTE")).asInteger();
    const QString name = clients->field(QStringLiteral("NOME")).asString();
    try {
        if (m_callerTag == QLatin1String("vendas")) {
            writeIntoCallerRecord(DM->VendasQuery, QStringLiteral("IDCLIENTE"), key);
            writeIntoCallerRecord(DM->VendasQuery, QStringLiteral("NOMECLI"), name);
        } else if (m_callerTag == QLatin1String("ordem")) {
            // The service order editor then lists this client's orders.
            DM->OrdensQuery->close();
            DM->OrdensQuery->reopen(QStringLiteral("select * from ordemserv where idcliente=") + QString::number(key));
        } else if (m_callerTag == QLatin1String("cheque")) {
            writeIntoCallerRecord(DM->ChequesQuery, QStringLiteral("NOMECLIENTE"), name);
        }
    } catch (const fb::Error &e) {
        Messages::error(this, e.message());
    }
}
