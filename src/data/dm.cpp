#include "dm.h"

TDM *DM = nullptr;

TDM::TDM(QObject *parent) : QObject(parent), m_connection(std::make_unique<fb::Connection>())
{
    ClientesQuery = makeTable(QStringLiteral("CLIENTES"));
    ForneQuery = makeTable(QStringLiteral("FORNECEDORES"));
    ConfigQuery = makeTable(QStringLiteral("CONFIG"));
    OrdensQuery = makeTable(QStringLiteral("ORDEMSERV"));
    ProdForneQuery = makeTable(QStringLiteral("PRODFORNE"));
    ProdEntQuery = makeTable(QStringLiteral("PRODENT"));
    ContasPagQuery = makeTable(QStringLiteral("CONTASPAGAR"));
    ChequesQuery = makeTable(QStringLiteral("CHEQUES"));
    AgendaOSQuery = makeTable(QStringLiteral("AGENDAOS"));
    VendasQuery = makeTable(QStringLiteral("VENDAS"));
    IVendasQuery = makeTable(QStringLiteral("IVENDAS"));
    CarneQuery = makeTable(QStringLiteral("CARNES"));
    ParcelasQuery = makeTable(QStringLiteral("PARCELAS"));
    ConfigEmailQuery = makeTable(QStringLiteral("CONFIGEMAIL"));
    UsuariosQuery = makeTable(QStringLiteral("USUARIOS"));

    AuxQuery = makeScratch();
    AuxQuery2 = makeScratch();
    AuxQuery3 = makeScratch();
    AuxQuery4 = makeScratch();
    AuxQuery5 = makeScratch();
    AuxQuery6 = makeScratch();
    AuxQuery7 = makeScratch();
    AuxQuery8 = makeScratch();
    AuxQuery9 = makeScratch();
    AuxQuery10 = makeScratch();
    AuxQuery11 = makeScratch();
    AuxQuery12 = makeScratch();
    AuxProd = makeScratch();
    if (!DM)
        DM = this;
}

TDM::~TDM()
{
    try {
        closeAll();
    } catch (const fb::Error &) {
        // Ending anyway: the connection object releases its handles.
    }
    if (DM == this)
        DM = nullptr;
}

Dataset *TDM::makeTable(const QString &table)
{
    auto *ds = new Dataset(*m_connection, Schema::table(table), this);
    m_datasets.append(ds);
    return ds;
}

Dataset *TDM::makeScratch()
{
    auto *ds = new Dataset(*m_connection, nullptr, this);
    m_datasets.append(ds);
    return ds;
}

Dataset *TDM::createTableDataset(const QString &table, QObject *owner)
{
    auto *ds = new Dataset(*m_connection, Schema::table(table), owner);
    m_datasets.append(ds);
    QObject::connect(ds, &QObject::destroyed, this, [this, ds] { m_datasets.removeOne(ds); });
    return ds;
}

Dataset *TDM::createScratchQuery(QObject *owner)
{
    auto *ds = new Dataset(*m_connection, nullptr, owner);
    m_datasets.append(ds);
    QObject::connect(ds, &QObject::destroyed, this, [this, ds] { m_datasets.removeOne(ds); });
    return ds;
}

void TDM::connect(const QString &databaseName)
{
    m_connection->open(databaseName);
}

void TDM::openStartDatasets()
{
    for (Dataset *ds : {ClientesQuery, ForneQuery, ConfigQuery, OrdensQuery, ProdForneQuery, ProdEntQuery,
                        ContasPagQuery, ChequesQuery, AgendaOSQuery, VendasQuery, CarneQuery, ConfigEmailQuery,
                        UsuariosQuery})
        ds->open();
}

void TDM::closeAll()
{
    for (Dataset *ds : std::as_const(m_datasets))
        ds->close();
    m_connection->close();
}

void TDM::commitRetaining() { m_connection->commitRetaining(); }
