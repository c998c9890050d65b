#include "testdatabase.h"

#include "databasecreator.h"
#include "installpaths.h"

#include <QDir>
#include <QFile>

TestDatabase::TestDatabase() : m_previousRoot(qgetenv("TAVREL_ROOT"))
{
    qputenv("TAVREL_ROOT", m_dir.path().toUtf8());
    QDir().mkpath(InstallPaths::installFolder());
    DatabaseCreator::create(InstallPaths::databaseFile());
    QFile localBase(InstallPaths::localBaseFile());
    if (localBase.open(QIODevice::WriteOnly))
        localBase.write(InstallPaths::databaseFile().toUtf8());
    m_valid = true;
}

TestDatabase::~TestDatabase()
{
    if (m_previousRoot.isEmpty())
        qunsetenv("TAVREL_ROOT");
    else
        qputenv("TAVREL_ROOT", m_previousRoot);
}

QString TestDatabase::path() const { return InstallPaths::databaseFile(); }
