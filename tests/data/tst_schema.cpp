// The database a new shop starts with: every table and column as the shop's
// data needs them, dialect 1, and the rows the program cannot create itself.

#include "firebird.h"
#include "testdatabase.h"

#include <QtTest>

namespace {

// The tables as the shop's data is laid out: "NAME kind [NN]" per column, in order.
// Kinds: I integer, Tn varchar(n), D double, DT date-time.
const char *const kExpected[] = {
    "CLIENTES|IDCLIENTE I NN,NOME T70,FONERES T13,FONECOM T13,FONECEL T13,END1 T100,END2 T100,CIDADE T50,"
    "UF T2,CEP T9,CPF T20,RG T20,EMAIL T150,CNPJ T50,IE T50,PESSOACONT T70,DATACADASTRO DT,TIPOANOT I,"
    "ANOTA T300,TIPOPESSOA I|IDCLIENTE",
    "ORDEMSERV|IDORDEM I NN,DESCRICAO T100,SOLICITANTE T70,ANOTA T300,REPARO T300,TECNICO T70,SITUACAO T20,"
    "VALORTOT D,DESCONTO D,IDCLIENTE I,NORDEM T10,VALORPECAS D,VALORSERV D,VALORDESLOC D,DATACAD T20,"
    "DATAENTREGA T20,DATAEMI T10,NFISCAL T20,VOLTS110 I,VOLTS220 I,GARANTIAITEM I,GARANTIA T200,"
    "FORMAPAGTO T50|IDORDEM",
    "CONFIG|IDCONFIG I NN,CAB1 T100,CAB2 T100,CAB3 T100,CAB4 T100,VERDE T150,AZUL T150,VERMELHO T150,"
    "GARANTIA1 T200,GARANTIA2 T200|IDCONFIG",
    "FORNECEDORES|IDFORNECE I NN,RAZAOSOCIAL T100,NOMEFANTASIA T150,CNPJ T70,IE T70,END1 T150,END2 T150,"
    "CIDADE T50,UF T2,CEP T9,FONE T13,FAX T13,ANOTA T300,PESSOACONT T70,SITE T100,DATA DT,EMAIL T150|",
    "PRODFORNE|IDPROD I NN,DESCRICAO T200,IDFORNECE I,GRUPO T50,MARCA T100,CUSTOCOMPRA D,CUSTOVENDA D,"
    "ANOTA T200,QTDEDISP D,QTDEMIN D,DATACAD DT,NOMEFORNE T150,NPROD T20|IDPROD",
    "PRODENT|IDPRODENT I NN,IDPROD I,DATACAD DT,QTDEENT D,OBS T200,TIPO T7,NOMEFORNE T100,DESCRICAO T200,"
    "NPROD T20,IDVENDA I|IDPRODENT",
    "CONTASPAGAR|IDCONTA I NN,NOMECONTA T70,NDOC T20,DATADOC DT,DATAVENCTO DT,DATAPAGTO DT,DATACAD DT,"
    "VALOR D,SITUACAO T9,DESCRICAO T200|IDCONTA",
    "CHEQUES|IDCHEQUE I NN,TIPO T3,NCHEQUE T20,VALOR D,DATA DT NN,ANOTA T200,QUITADO T3,BANCO T30,"
    "NOMECLIENTE T70|IDCHEQUE+DATA",
    "AGENDAOS|IDAGENDAOS I NN,TECNICO T70,NORDEM T10 NN,DESCRICAO T100,CLIENTE T100,DATACAD T20,"
    "DATAENTREGA T20,SITUACAO T20,OUTROSDADOS T400,IDCLIENTE I|IDAGENDAOS",
    "VENDAS|IDVENDA I NN,IDCLIENTE I,DATAVENDA T10,VENDEDOR T70,FORMAPAGTO T30,DESCONTO D,TOTALVENDA D,"
    "NOMECLI T70|IDVENDA",
    "IVENDAS|IDVENDAS I NN,IDCLIENTE I,IDPRODUTO I,VALORPROD D,QTDE D,TOTALPROD D,DESCRICAO T70,NPROD T20|",
    "CARNES|IDCARNE I NN,IDVENDA I,SITUACAO T20,NOMECLIENTE T70,VALORENTRADA D,VALORVENDA D,DATAVENDA T10,"
    "ANOTA T300|IDCARNE",
    "PARCELAS|IDCARNE I,NPARCELA T20,VENCTO DT,VALORPARCELA D,DATAPAGTO DT,SITUACAO T6,IDPARCELA I NN|IDPARCELA",
    "CONFIGEMAIL|IDEMAIL I NN,EMAIL T200,LOGIN T100,SENHA T100,SERPOP T100,SERSMTP T100|IDEMAIL",
    "USUARIOS|IDUSUARIO I NN,LOGIN T20,SENHA T20,LEMBRETE T100,TCLIENTE I,TFORNECEDORES I,TPRODUTOS I,"
    "TUSUARIOS I,TVENDAS I,TCONTAS I,TCHEQUES I,TCARNES I,TCONFIGURA I,TRELESTOQUE I,TRELVENDAS I,"
    "TRELCARNES I,TCONTROLEOS I,TLISTAOS I,TAGENDAOS I,TOSBRANCO I|IDUSUARIO",
};

QString describeColumn(const std::vector<QVariant> &row)
{
    // name, field type, char length, null flag
    const QString name = row[0].toString().trimmed();
    const int type = row[1].toInt();
    QString kind;
    switch (type) {
    case 8: kind = QStringLiteral("I"); break;
    case 27: kind = QStringLiteral("D"); break;
    case 35: kind = QStringLiteral("DT"); break;
    case 37: kind = QStringLiteral("T") + QString::number(row[2].toInt()); break;
    default: kind = QStringLiteral("?%1").arg(type);
    }
    return name + u' ' + kind + (row[3].toInt() == 1 ? QStringLiteral(" NN") : QString());
}

} // namespace

class TestSchema : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void tablesAndColumns_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("columns");
        QTest::addColumn<QString>("primaryKey");
        for (const char *layout : kExpected) {
            const QStringList parts = QString::fromLatin1(layout).split(u'|');
            QTest::newRow(qPrintable(parts[0])) << parts[0] << parts[1] << parts[2];
        }
    }

    void tablesAndColumns()
    {
        QFETCH(QString, table);
        QFETCH(QString, columns);
        QFETCH(QString, primaryKey);
        TestDatabase tdb;
        fb::Connection db;
        db.open(tdb.path());

        QStringList actual;
        auto cur = db.openCursor(QStringLiteral(
            "select rf.rdb$field_name, f.rdb$field_type, f.rdb$character_length, rf.rdb$null_flag "
            "from rdb$relation_fields rf join rdb$fields f on f.rdb$field_name = rf.rdb$field_source "
            "where rf.rdb$relation_name = ? order by rf.rdb$field_position"), {table});
        std::vector<QVariant> row;
        while (cur->fetch(row))
            actual << describeColumn(row);
        QCOMPARE(actual.join(u','), columns);

        QStringList key;
        auto pk = db.openCursor(QStringLiteral(
            "select s.rdb$field_name from rdb$relation_constraints c "
            "join rdb$index_segments s on s.rdb$index_name = c.rdb$index_name "
            "where c.rdb$relation_name = ? and c.rdb$constraint_type = \"PRIMARY KEY\" "
            "order by s.rdb$field_position"), {table});
        while (pk->fetch(row))
            key << row[0].toString().trimmed();
        QCOMPARE(key.join(u'+'), primaryKey);
    }

    void exactlyFifteenTablesInDialectOne()
    {
        TestDatabase tdb;
        fb::Connection db;
        db.open(tdb.path());
        QCOMPARE(db.scalar(QStringLiteral("select count(*) from rdb$relations where rdb$system_flag = 0")).toInt(), 15);
        QCOMPARE(db.scalar(QStringLiteral("select mon$sql_dialect from mon$database")).toInt(), 1);
        // Dialect 1: double quotes are literals, and DATE holds a time of day.
        QCOMPARE(db.scalar(QStringLiteral("select \"texto\" from rdb$database")).toString(), QStringLiteral("texto"));
    }

    void rowsTheProgramNeeds()
    {
        TestDatabase tdb;
        fb::Connection db;
        db.open(tdb.path());
        QCOMPARE(db.scalar(QStringLiteral("select count(*) from config where idconfig = 1")).toInt(), 1);
        QCOMPARE(db.scalar(QStringLiteral("select count(*) from config")).toInt(), 1);
        QCOMPARE(db.scalar(QStringLiteral("select count(*) from configemail")).toInt(), 1);
        auto cur = db.openCursor(QStringLiteral("select * from usuarios where login = \"ADMIN\""));
        std::vector<QVariant> row;
        QVERIFY(cur->fetch(row));
        QCOMPARE(row[2].toString(), QStringLiteral("admin"));   // the first password the README gives
        for (size_t i = 4; i < 20; ++i)
            QCOMPARE(row[i].toInt(), 1);
        QVERIFY(!cur->fetch(row));
    }
};

QTEST_GUILESS_MAIN(TestSchema)
#include "tst_schema.moc"
