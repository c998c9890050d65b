// tavrel-createdb: writes a new, ready-to-use DADOS.GDB.
//   tavrel-createdb [path]   (default: the install folder's DADOS.GDB)

#include "databasecreator.h"
#include "firebird.h"
#include "installpaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString path = args.size() > 1 ? args.at(1) : InstallPaths::databaseFile();
    if (QFileInfo::exists(path)) {
        std::fprintf(stderr, "%s already exists; nothing was changed.\n", qPrintable(path));
        return 1;
    }
    QDir().mkpath(QFileInfo(path).absolutePath());
    try {
        DatabaseCreator::create(path);
    } catch (const fb::Error &e) {
        std::fprintf(stderr, "Could not create %s: %s\n", qPrintable(path), qPrintable(e.message()));
        return 1;
    }
    std::printf("Created %s\n", qPrintable(path));
    return 0;
}
