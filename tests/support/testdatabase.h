#pragma once

#include <QString>
#include <QTemporaryDir>

// A fresh install root for one test or fixture: TAVREL_ROOT points at a
// temporary folder holding "Tavrel - Meridel/DADOS.GDB", created new.
class TestDatabase
{
public:
    TestDatabase();   // creates the folder, the database and localbase.txt
    ~TestDatabase();

    QString root() const { return m_dir.path(); }
    QString path() const;          // the database file
    bool isValid() const { return m_valid; }

private:
    QTemporaryDir m_dir;
    QByteArray m_previousRoot;
    bool m_valid = false;
};

#include "dm.h"

// A fresh database with a data module connected to it, as one workstation
// has it; the datasets are left closed.
struct ConnectedDatabase {
    TestDatabase files;
    TDM dm;
    ConnectedDatabase() { dm.connect(files.path()); }
};
