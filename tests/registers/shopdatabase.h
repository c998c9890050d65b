#pragma once

// A fresh shop database with the data module connected to it and its start
// datasets open, as the program has them after logging in; statements run
// and committed here stand for what another screen of this workstation saved.

#include "dm.h"
#include "firebird.h"
#include "testdatabase.h"

struct ShopDatabase {
    TestDatabase files;
    TDM dm;

    ShopDatabase()
    {
        dm.connect(files.path());
        dm.openStartDatasets();
    }

    void run(const QString &sql)
    {
        dm.Database().execute(sql);
        dm.commitRetaining();
    }
    QVariant scalar(const QString &sql) { return dm.Database().scalar(sql); }
    int count(const QString &sql) { return scalar(sql).toInt(); }
};
