#include "permissions.h"

#include "dataset.h"

namespace Permissions {

const std::vector<Permission> &all()
{
    static const std::vector<Permission> table = {
        {QStringLiteral("TCLIENTE"), QStringLiteral("Clientes"), QStringLiteral("Cadastros"), {QStringLiteral("Cadastros/Clientes")}, {}},
        {QStringLiteral("TFORNECEDORES"), QStringLiteral("Fornecedores"), QStringLiteral("Cadastros"), {QStringLiteral("Cadastros/Fornecedores")}, {}},
        {QStringLiteral("TPRODUTOS"), QStringLiteral("Estoque [Produtos]"), QStringLiteral("Cadastros"), {QStringLiteral("Cadastros/Estoque")}, {}},
        {QStringLiteral("TUSUARIOS"), QStringLiteral("Permissões de Usuários"), QStringLiteral("Cadastros"), {QStringLiteral("Cadastros/Usuários")}, {}},
        {QStringLiteral("TCONTAS"), QStringLiteral("Contas à Pagar"), QStringLiteral("Financeiro"), {QStringLiteral("Financeiro/Contas a Pagar")}, {QStringLiteral("Contas à Pagar")}},
        {QStringLiteral("TCHEQUES"), QStringLiteral("Controle de Cheques"), QStringLiteral("Financeiro"), {QStringLiteral("Financeiro/Controle de Cheques")}, {QStringLiteral("Controle de Cheques")}},
        {QStringLiteral("TCARNES"), QStringLiteral("Carnês [Débitos de Clientes]"), QStringLiteral("Financeiro"), {QStringLiteral("Financeiro/Carnês - Débitos de Clientes")}, {QStringLiteral("Carnês - Débitos de Clientes")}},
        {QStringLiteral("TCONTROLEOS"), QStringLiteral("Controle de OS"), QStringLiteral("Ordem de Serviço"), {QStringLiteral("OS/Controle de Ordem de Serviço")}, {}},
        {QStringLiteral("TLISTAOS"), QStringLiteral("Lista de Todas as OSs"), QStringLiteral("Ordem de Serviço"), {QStringLiteral("OS/Ordens de Serviço [Lista]")}, {}},
        {QStringLiteral("TAGENDAOS"), QStringLiteral("Agenda de OS"), QStringLiteral("Ordem de Serviço"), {QStringLiteral("OS/Agenda de Ordens de Serviço")}, {}},
        {QStringLiteral("TOSBRANCO"), QStringLiteral("OS em Branco"), QStringLiteral("Ordem de Serviço"), {QStringLiteral("OS/OS em Branco")}, {}},
        {QStringLiteral("TRELESTOQUE"), QStringLiteral("Relatório de Estoque"), QStringLiteral("Relatórios"), {QStringLiteral("Relatórios/Relatório de Estoque")}, {}},
        {QStringLiteral("TRELVENDAS"), QStringLiteral("Relatório de Vendas"), QStringLiteral("Relatórios"), {QStringLiteral("Relatórios/Relatório de Vendas"), QStringLiteral("Vendas/Relatório de Vendas")}, {}},
        {QStringLiteral("TRELCARNES"), QStringLiteral("Relatório de Carnês Quitados"), QStringLiteral("Relatórios"), {QStringLiteral("Relatórios/Carnês Quitados (Parcelas)")}, {}},
        {QStringLiteral("TVENDAS"), QStringLiteral("VENDAS"), QStringLiteral("Outros"), {QStringLiteral("Vendas/VENDAS")}, {}},
        {QStringLiteral("TCONFIGURA"), QStringLiteral("Configurações"), QStringLiteral("Outros"), {QStringLiteral("Arquivo/Configurações")}, {}},
    };
    return table;
}

QStringList groups()
{
    QStringList list;
    for (const Permission &p : all())
        if (!list.contains(p.group))
            list << p.group;
    return list;
}

bool grants(Dataset &users, const QString &column)
{
    return users.currentRow() >= 0 && users.field(column).asInteger() == kGranted;
}

} // namespace Permissions
