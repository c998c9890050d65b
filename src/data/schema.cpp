#include "schema.h"

namespace {

ColumnDef integer(const char *name, bool notNull = false) { return {QLatin1String(name), ColumnKind::Integer, 0, notNull, false}; }
ColumnDef text(const char *name, int size, bool notNull = false) { return {QLatin1String(name), ColumnKind::Text, size, notNull, false}; }
ColumnDef number(const char *name) { return {QLatin1String(name), ColumnKind::Number, 0, false, false}; }
ColumnDef money(const char *name) { return {QLatin1String(name), ColumnKind::Money, 0, false, false}; }
ColumnDef dateTime(const char *name, bool notNull = false) { return {QLatin1String(name), ColumnKind::DateTime, 0, notNull, false}; }
// A date-time that data controls and reports show as "dd/mm/yyyy".
ColumnDef shownDate(const char *name, bool notNull = false) { return {QLatin1String(name), ColumnKind::DateTime, 0, notNull, true}; }

std::vector<TableDef> buildTables()
{
    std::vector<TableDef> t;

    t.push_back({QStringLiteral("CLIENTES"),
                 {integer("IDCLIENTE", true), text("NOME", 70), text("FONERES", 13), text("FONECOM", 13),
                  text("FONECEL", 13), text("END1", 100), text("END2", 100), text("CIDADE", 50), text("UF", 2),
                  text("CEP", 9), text("CPF", 20), text("RG", 20), text("EMAIL", 150), text("CNPJ", 50),
                  text("IE", 50), text("PESSOACONT", 70), dateTime("DATACADASTRO"), integer("TIPOANOT"),
                  text("ANOTA", 300), integer("TIPOPESSOA")},
                 {QStringLiteral("IDCLIENTE")}, QStringLiteral("IDCLIENTE"), QStringLiteral("DATACADASTRO")});

    t.push_back({QStringLiteral("ORDEMSERV"),
                 {integer("IDORDEM", true), text("DESCRICAO", 100), text("SOLICITANTE", 70), text("ANOTA", 300),
                  text("REPARO", 300), text("TECNICO", 70), text("SITUACAO", 20), money("VALORTOT"),
                  money("DESCONTO"), integer("IDCLIENTE"), text("NORDEM", 10), money("VALORPECAS"),
                  money("VALORSERV"), money("VALORDESLOC"), text("DATACAD", 20), text("DATAENTREGA", 20),
                  text("DATAEMI", 10), text("NFISCAL", 20), integer("VOLTS110"), integer("VOLTS220"),
                  integer("GARANTIAITEM"), text("GARANTIA", 200), text("FORMAPAGTO", 50)},
                 {QStringLiteral("IDORDEM")}, QStringLiteral("IDORDEM"), {}});

    t.push_back({QStringLiteral("CONFIG"),
                 {integer("IDCONFIG", true), text("CAB1", 100), text("CAB2", 100), text("CAB3", 100),
                  text("CAB4", 100), text("VERDE", 150), text("AZUL", 150), text("VERMELHO", 150),
                  text("GARANTIA1", 200), text("GARANTIA2", 200)},
                 {QStringLiteral("IDCONFIG")}, QStringLiteral("IDCONFIG"), {}});

    t.push_back({QStringLiteral("FORNECEDORES"),
                 {integer("IDFORNECE", true), text("RAZAOSOCIAL", 100), text("NOMEFANTASIA", 150),
                  text("CNPJ", 70), text("IE", 70), text("END1", 150), text("END2", 150), text("CIDADE", 50),
                  text("UF", 2), text("CEP", 9), text("FONE", 13), text("FAX", 13), text("ANOTA", 300),
                  text("PESSOACONT", 70), text("SITE", 100), dateTime("DATA"), text("EMAIL", 150)},
                 {}, QStringLiteral("IDFORNECE"), QStringLiteral("DATA")});

    t.push_back({QStringLiteral("PRODFORNE"),
                 {integer("IDPROD", true), text("DESCRICAO", 200), integer("IDFORNECE"), text("GRUPO", 50),
                  text("MARCA", 100), money("CUSTOCOMPRA"), money("CUSTOVENDA"), text("ANOTA", 200),
                  number("QTDEDISP"), number("QTDEMIN"), dateTime("DATACAD"), text("NOMEFORNE", 150),
                  text("NPROD", 20)},
                 {QStringLiteral("IDPROD")}, QStringLiteral("IDPROD"), QStringLiteral("DATACAD")});

    t.push_back({QStringLiteral("PRODENT"),
                 {integer("IDPRODENT", true), integer("IDPROD"), dateTime("DATACAD"), number("QTDEENT"),
                  text("OBS", 200), text("TIPO", 7), text("NOMEFORNE", 100), text("DESCRICAO", 200),
                  text("NPROD", 20), integer("IDVENDA")},
                 {QStringLiteral("IDPRODENT")}, QStringLiteral("IDPRODENT"), QStringLiteral("DATACAD")});

    t.push_back({QStringLiteral("CONTASPAGAR"),
                 {integer("IDCONTA", true), text("NOMECONTA", 70), text("NDOC", 20), shownDate("DATADOC"),
                  shownDate("DATAVENCTO"), shownDate("DATAPAGTO"), shownDate("DATACAD"), money("VALOR"),
                  text("SITUACAO", 9), text("DESCRICAO", 200)},
                 {QStringLiteral("IDCONTA")}, QStringLiteral("IDCONTA"), {}});

    t.push_back({QStringLiteral("CHEQUES"),
                 {integer("IDCHEQUE", true), text("TIPO", 3), text("NCHEQUE", 20), money("VALOR"),
                  shownDate("DATA", true), text("ANOTA", 200), text("QUITADO", 3), text("BANCO", 30),
                  text("NOMECLIENTE", 70)},
                 {QStringLiteral("IDCHEQUE"), QStringLiteral("DATA")}, QStringLiteral("IDCHEQUE"), {}});

    t.push_back({QStringLiteral("AGENDAOS"),
                 {integer("IDAGENDAOS", true), text("TECNICO", 70), text("NORDEM", 10, true),
                  text("DESCRICAO", 100), text("CLIENTE", 100), text("DATACAD", 20), text("DATAENTREGA", 20),
                  text("SITUACAO", 20), text("OUTROSDADOS", 400), integer("IDCLIENTE")},
                 {QStringLiteral("IDAGENDAOS")}, QStringLiteral("IDAGENDAOS"), {}});

    t.push_back({QStringLiteral("VENDAS"),
                 {integer("IDVENDA", true), integer("IDCLIENTE"), text("DATAVENDA", 10), text("VENDEDOR", 70),
                  text("FORMAPAGTO", 30), money("DESCONTO"), money("TOTALVENDA"), text("NOMECLI", 70)},
                 {QStringLiteral("IDVENDA")}, QStringLiteral("IDVENDA"), {}});

    t.push_back({QStringLiteral("IVENDAS"),
                 {integer("IDVENDAS", true), integer("IDCLIENTE"), integer("IDPRODUTO"), money("VALORPROD"),
                  number("QTDE"), money("TOTALPROD"), text("DESCRICAO", 70), text("NPROD", 20)},
                 {}, QStringLiteral("IDVENDAS"), {}});

    t.push_back({QStringLiteral("CARNES"),
                 {integer("IDCARNE", true), integer("IDVENDA"), text("SITUACAO", 20), text("NOMECLIENTE", 70),
                  money("VALORENTRADA"), money("VALORVENDA"), text("DATAVENDA", 10), text("ANOTA", 300)},
                 {QStringLiteral("IDCARNE")}, QStringLiteral("IDCARNE"), {}});

    t.push_back({QStringLiteral("PARCELAS"),
                 {integer("IDCARNE"), text("NPARCELA", 20), shownDate("VENCTO"), money("VALORPARCELA"),
                  shownDate("DATAPAGTO"), text("SITUACAO", 6), integer("IDPARCELA", true)},
                 {QStringLiteral("IDPARCELA")}, QStringLiteral("IDPARCELA"), {}});

    t.push_back({QStringLiteral("CONFIGEMAIL"),
                 {integer("IDEMAIL", true), text("EMAIL", 200), text("LOGIN", 100), text("SENHA", 100),
                  text("SERPOP", 100), text("SERSMTP", 100)},
                 {QStringLiteral("IDEMAIL")}, QStringLiteral("IDEMAIL"), {}});

    t.push_back({QStringLiteral("USUARIOS"),
                 {integer("IDUSUARIO", true), text("LOGIN", 20), text("SENHA", 20), text("LEMBRETE", 100),
                  integer("TCLIENTE"), integer("TFORNECEDORES"), integer("TPRODUTOS"), integer("TUSUARIOS"),
                  integer("TVENDAS"), integer("TCONTAS"), integer("TCHEQUES"), integer("TCARNES"),
                  integer("TCONFIGURA"), integer("TRELESTOQUE"), integer("TRELVENDAS"), integer("TRELCARNES"),
                  integer("TCONTROLEOS"), integer("TLISTAOS"), integer("TAGENDAOS"), integer("TOSBRANCO")},
                 {QStringLiteral("IDUSUARIO")}, QStringLiteral("IDUSUARIO"), {}});
    return t;
}

QString columnDdl(const ColumnDef &c)
{
    QString type;
    switch (c.kind) {
    case ColumnKind::Integer: type = QStringLiteral("INTEGER"); break;
    case ColumnKind::Text: type = QStringLiteral("VARCHAR(%1)").arg(c.size); break;
    case ColumnKind::Number:
    case ColumnKind::Money: type = QStringLiteral("DOUBLE PRECISION"); break;
    case ColumnKind::DateTime: type = QStringLiteral("DATE"); break; // dialect 1: date and time of day
    }
    return c.name + u' ' + type + (c.notNull ? QStringLiteral(" NOT NULL") : QString());
}

} // namespace

const ColumnDef *TableDef::column(const QString &name) const
{
    const int i = indexOf(name);
    return i < 0 ? nullptr : &columns[size_t(i)];
}

int TableDef::indexOf(const QString &name) const
{
    for (size_t i = 0; i < columns.size(); ++i)
        if (columns[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return int(i);
    return -1;
}

namespace Schema {

const std::vector<TableDef> &tables()
{
    static const std::vector<TableDef> all = buildTables();
    return all;
}

const TableDef *table(const QString &name)
{
    for (const TableDef &t : tables())
        if (t.name.compare(name, Qt::CaseInsensitive) == 0)
            return &t;
    return nullptr;
}

QStringList createStatements()
{
    QStringList ddl;
    for (const TableDef &t : tables()) {
        QStringList parts;
        for (const ColumnDef &c : t.columns)
            parts << columnDdl(c);
        if (!t.primaryKey.isEmpty())
            parts << QStringLiteral("PRIMARY KEY (%1)").arg(t.primaryKey.join(QStringLiteral(", ")));
        ddl << QStringLiteral("CREATE TABLE %1 (%2)").arg(t.name, parts.join(QStringLiteral(", ")));
    }
    // Every list opens ordered or searched by one of these columns; without
    // an index a shop's large table would be read whole to show its first rows.
    ddl << QStringLiteral("CREATE INDEX CLIENTES_NOME ON CLIENTES (NOME)")
        << QStringLiteral("CREATE INDEX FORNECEDORES_NOMEFANTASIA ON FORNECEDORES (NOMEFANTASIA)")
        << QStringLiteral("CREATE UNIQUE INDEX FORNECEDORES_IDFORNECE ON FORNECEDORES (IDFORNECE)")
        << QStringLiteral("CREATE INDEX PRODFORNE_DESCRICAO ON PRODFORNE (DESCRICAO)")
        << QStringLiteral("CREATE INDEX PRODFORNE_NPROD ON PRODFORNE (NPROD)")
        << QStringLiteral("CREATE INDEX PRODFORNE_IDFORNECE ON PRODFORNE (IDFORNECE)")
        << QStringLiteral("CREATE INDEX PRODENT_IDPROD ON PRODENT (IDPROD)")
        << QStringLiteral("CREATE INDEX PRODENT_IDVENDA ON PRODENT (IDVENDA)")
        << QStringLiteral("CREATE INDEX PRODENT_DATACAD ON PRODENT (DATACAD)")
        << QStringLiteral("CREATE INDEX ORDEMSERV_IDCLIENTE ON ORDEMSERV (IDCLIENTE)")
        << QStringLiteral("CREATE INDEX ORDEMSERV_NORDEM ON ORDEMSERV (NORDEM)")
        << QStringLiteral("CREATE INDEX IVENDAS_IDVENDAS ON IVENDAS (IDVENDAS)")
        << QStringLiteral("CREATE INDEX PARCELAS_IDCARNE ON PARCELAS (IDCARNE)")
        << QStringLiteral("CREATE INDEX USUARIOS_LOGIN ON USUARIOS (LOGIN)");
    return ddl;
}

QStringList initialRows()
{
    QStringList flags;
    for (int i = 0; i < 16; ++i)
        flags << QStringLiteral("1");
    return {
        QStringLiteral("INSERT INTO CONFIG (IDCONFIG, CAB1, CAB2, CAB3, CAB4, VERDE, AZUL, VERMELHO, GARANTIA1, GARANTIA2) "
                       "VALUES (1, \"NOME DA SUA EMPRESA\", \"Endereço da empresa\", \"Cidade - UF\", \"Telefone\", "
                       "\"Cliente em dia\", \"Cliente especial\", \"Cliente com pendências\", "
                       "\"Garantia de 90 dias para as peças e serviços descritos nesta ordem.\", "
                       "\"A garantia não cobre mau uso, quedas ou violação do lacre.\")"),
        QStringLiteral("INSERT INTO CONFIGEMAIL (IDEMAIL, EMAIL, LOGIN, SENHA, SERPOP, SERSMTP) "
                       "VALUES (1, \"\", \"\", \"\", \"\", \"\")"),
        QStringLiteral("INSERT INTO USUARIOS (IDUSUARIO, LOGIN, SENHA, LEMBRETE, TCLIENTE, TFORNECEDORES, "
                       "TPRODUTOS, TUSUARIOS, TVENDAS, TCONTAS, TCHEQUES, TCARNES, TCONFIGURA, TRELESTOQUE, "
                       "TRELVENDAS, TRELCARNES, TCONTROLEOS, TLISTAOS, TAGENDAOS, TOSBRANCO) "
                       "VALUES (1, \"ADMIN\", \"%1\", \"A senha inicial é admin; troque-a em Cadastros > Usuários.\", %2)")
            .arg(QLatin1String(kFirstAdminPassword), flags.join(QStringLiteral(", "))),
    };
}

} // namespace Schema
