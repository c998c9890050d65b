#include "serverinstaller.h"

#include "installpaths.h"

#include <QFileInfo>

namespace {

QString components(WorkstationRole role)
{
    return role == WorkstationRole::Server
               ? QStringLiteral("SuperServerComponent, ServerComponent, ClientComponent")
               : QStringLiteral("ClientComponent");
}

} // namespace

ServerInstaller::ServerInstaller(ProcessStarter starter) : m_starter(std::move(starter)) {}

ProcessRequest ServerInstaller::request(WorkstationRole role)
{
    const QString arguments = QStringLiteral("/VERYSILENT /NOICONS /COMPONENTS=\"%1\" /FORCE /COPYFBCLIENT")
                                  .arg(components(role));
    return {InstallPaths::serverInstallerFile(), arguments, InstallPaths::installFolder()};
}

ServerInstaller::Outcome ServerInstaller::install(WorkstationRole role) const
{
    const ProcessRequest command = request(role);
#ifndef Q_OS_WIN
    // The Windows installer ships with the system; elsewhere it is only run
    // when someone placed one in the install folder.
    if (!QFileInfo::exists(command.program))
        return Outcome::NotInThisSystem;
#endif
    m_starter(command);
    return Outcome::Started;
}
