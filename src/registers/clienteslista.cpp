#include "clienteslista.h"

#include "clientesanotacoes.h"
#include "clientesrecord.h"
#include "dbgrid.h"
#include "dm.h"

#include <QPushButton>

namespace {

RegisterListTexts clientListTexts()
{
    RegisterListTexts t;
    t.caption = QStringLiteral("Lista de Clientes");
    t.searchLabel = QStringLiteral("Procurar Cliente");
    t.heading = QStringLiteral("CLIENTES");
    t.table = QStringLiteral("clientes");
    t.sortColumn = QStringLiteral("nome");
    t.searchChoices = {{QStringLiteral("Nome"), QStringLiteral("nome")},
                       {QStringLiteral("Cidade"), QStringLiteral("cidade")},
                       {QStringLiteral("Endereço"), QStringLiteral("end1")}};
    t.columns = {
        {QStringLiteral("Cod. Cliente"), QStringLiteral("IDCLIENTE")},
        {QStringLiteral("Nome"), QStringLiteral("NOME")},
        {QStringLiteral("Telefone Residencial"), QStringLiteral("FONERES")},
        {QStringLiteral("Telefone Comercial"), QStringLiteral("FONECOM")},
        {QStringLiteral("Celular"), QStringLiteral("FONECEL")},
        {QStringLiteral("Endereço"), QStringLiteral("END1")},
        {QStringLiteral("Endereço"), QStringLiteral("END2")},
        {QStringLiteral("Cidade"), QStringLiteral("CIDADE")},
        {QStringLiteral("UF"), QStringLiteral("UF")},
        {QStringLiteral("CEP"), QStringLiteral("CEP")},
        {QStringLiteral("CPF"), QStringLiteral("CPF")},
        {QStringLiteral("RG"), QStringLiteral("RG")},
        {QStringLiteral("E-mail"), QStringLiteral("EMAIL")},
        {QStringLiteral("CNPJ"), QStringLiteral("CNPJ")},
        {QStringLiteral("IE"), QStringLiteral("IE")},
        {QStringLiteral("Pessoa Contato"), QStringLiteral("PESSOACONT")},
        {QStringLiteral("Anotações"), QStringLiteral("ANOTA")},
    };
    t.addButton = QStringLiteral("Cadastrar Cliente");
    t.editButton = QStringLiteral("Editar Cliente");
    t.deleteButton = QStringLiteral("Excluir Cliente");
    t.statusLine = QStringLiteral("F1 - Cadastrar Cliente | F2 ou Clique duplo - Editar Cliente | "
                                  "F3 - Excluir Cliente | ESC - Fechar Janela");
    return t;
}

} // namespace

TListaClientesForm::TListaClientesForm(QWidget *mainWindow)
    : RegisterListWindow(mainWindow, DM->ClientesQuery, clientListTexts(), clientRecordTexts(),
                         [](QWidget *opener) { return new TClientesForm(opener); })
{
    QPushButton *legend = addSearchBarButton(QStringLiteral("Legenda Cores"));
    connect(legend, &QPushButton::clicked, this, [this] { ClientAnnotations::showLegend(this); });

    // Each row in its annotation's colour, the selected one too.
    DBGrid *rows = grid();
    rows->setRowColour([rows](int row) {
        const QVariant type = rows->datasetModel()->value(row, QStringLiteral("TIPOANOT"));
        return type.isNull() ? std::nullopt : ClientAnnotations::rowColour(type.toInt());
    });
}
