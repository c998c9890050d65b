#pragma once

#include "dataset.h"
#include "firebird.h"

#include <QObject>
#include <memory>

// The data module: the one connection, the one transaction, one dataset per
// table and the scratch queries used for key allocation and product look-up.
// Every window reads and writes the database through the single instance DM.
class TDM : public QObject
{
    Q_OBJECT
public:
    explicit TDM(QObject *parent = nullptr);
    ~TDM() override;

    // Opens the connection named by databaseName ("host:path" or a plain path).
    void connect(const QString &databaseName);
    // Opens the thirteen datasets the start sequence opens, in its order.
    void openStartDatasets();
    // Closes every dataset, then the connection (committing its transaction).
    void closeAll();
    // Commit-retaining after each saved change.
    void commitRetaining();

    fb::Connection &Database() { return *m_connection; }

    Dataset *ClientesQuery, *ForneQuery, *ConfigQuery, *OrdensQuery, *ProdForneQuery,
        *ProdEntQuery, *ContasPagQuery, *ChequesQuery, *AgendaOSQuery, *VendasQuery,
        *IVendasQuery, *CarneQuery, *ParcelasQuery, *ConfigEmailQuery, *UsuariosQuery;

    Dataset *AuxQuery, *AuxQuery2, *AuxQuery3, *AuxQuery4, *AuxQuery5, *AuxQuery6,
        *AuxQuery7, *AuxQuery8, *AuxQuery9, *AuxQuery10, *AuxQuery11, *AuxQuery12, *AuxProd;

    // A private dataset over the same table, for a window whose searches must
    // not disturb the shared one. Owned by `owner`.
    Dataset *createTableDataset(const QString &table, QObject *owner);
    // A scratch query owned by `owner`.
    Dataset *createScratchQuery(QObject *owner);

    const QList<Dataset *> &allDatasets() const { return m_datasets; }

private:
    Dataset *makeTable(const QString &table);
    Dataset *makeScratch();

    std::unique_ptr<fb::Connection> m_connection;
    QList<Dataset *> m_datasets;
};

// The single instance, created at start after the main window.
extern TDM *DM;
