#include "fornecedoreslista.h"

#include "dbgrid.h"
#include "dm.h"
#include "fornecedoresrecord.h"

namespace {

RegisterListTexts supplierListTexts()
{
    RegisterListTexts t;
    t.caption = QStringLiteral("Lista de Fornecedores");
    t.searchLabel = QStringLiteral("Procurar Fornecedor");
    t.heading = QStringLiteral("FORNECEDORES");
    t.table = QStringLiteral("fornecedores");
    t.sortColumn = QStringLiteral("nomefantasia");
    t.searchChoices = {{QStringLiteral("Nome"), QStringLiteral("nomefantasia")},
                       {QStringLiteral("Cidade"), QStringLiteral("cidade")},
                       {QStringLiteral("Endereço"), QStringLiteral("end1")}};
    t.columns = {
        {QStringLiteral("Código"), QStringLiteral("IDFORNECE")},
        {QStringLiteral("Razão Sozial"), QStringLiteral("RAZAOSOCIAL")},
        {QStringLiteral("Nome Fantasia"), QStringLiteral("NOMEFANTASIA")},
        {QStringLiteral("Telefone"), QStringLiteral("FONE")},
        {QStringLiteral("Fax"), QStringLiteral("FAX")},
        {QStringLiteral("Cidade"), QStringLiteral("CIDADE")},
        {QStringLiteral("UF"), QStringLiteral("UF")},
        {QStringLiteral("CEP"), QStringLiteral("CEP")},
        {QStringLiteral("Endereço"), QStringLiteral("END1")},
        {QStringLiteral("Endereço"), QStringLiteral("END2")},
        {QStringLiteral("CNPJ"), QStringLiteral("CNPJ")},
        {QStringLiteral("Inscrição Estadual"), QStringLiteral("IE")},
        {QStringLiteral("E-mail"), QStringLiteral("EMAIL")},
        {QStringLiteral("Pessoa para Contato"), QStringLiteral("PESSOACONT")},
    };
    t.addButton = QStringLiteral("Cadastrar Fornecedor");
    t.editButton = QStringLiteral("Editar Fornecedor");
    t.deleteButton = QStringLiteral("Excluir Fornecedor");
    t.statusLine = QStringLiteral("F1 - Cadastrar Fornecedor | F2 ou Clique duplo - Editar Fornecedor | "
                                  "F3 - Excluir Fornecedor | ESC - Fechar Janela");
    return t;
}

} // namespace

TForneForm::TForneForm(QWidget *mainWindow)
    : RegisterListWindow(mainWindow, DM->ForneQuery, supplierListTexts(), supplierRecordTexts(),
                         [](QWidget *opener) { return new TCadForneForm(opener); })
{
    grid()->setTextColour(DBGrid::TextColour::BlackAll);
}

void TForneForm::addRecord()
{
    DM->ProdForneQuery->close();
    RegisterListWindow::addRecord();
}
