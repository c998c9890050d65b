#pragma once

#include "dm.h"
#include "testdatabase.h"

#include <QString>

// A fresh database with the data module connected to it, for one test.
struct UiDatabase {
    TestDatabase files;
    TDM dm;

    UiDatabase() { dm.connect(files.path()); }

    // Runs a statement and commits it, as another screen would have.
    void run(const QString &sql)
    {
        dm.Database().execute(sql);
        dm.commitRetaining();
    }

    void addClient(int id, const QString &name, int annotation = 1, int person = 1)
    {
        run(QStringLiteral("insert into clientes (idcliente, nome, cidade, tipoanot, tipopessoa) "
                           "values (%1, '%2', 'SANTOS', %3, %4)")
                .arg(id).arg(name).arg(annotation).arg(person));
    }

    void addOrder(int id, int client)
    {
        run(QStringLiteral("insert into ordemserv (idordem, idcliente, descricao) values (%1, %2, 'TV %1')")
                .arg(id).arg(client));
    }

    int count(const QString &sql) { return dm.Database().scalar(sql).toInt(); }
};
