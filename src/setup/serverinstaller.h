#pragma once

#include "processstarter.h"

// What a workstation of a network installation is.
enum class WorkstationRole {
    Server, // "Servidor - Sistema com Banco de Dados."
    Client, // "Cliente - Somente o sistema."
};

// Starts the database server's installer ("baseinstall.exe" in the install
// folder) silently, with the components the workstation's role needs.
class ServerInstaller
{
public:
    enum class Outcome {
        Started,         // handed to the system; its own outcome is not checked
        NotInThisSystem, // no installer here: the database server comes from the package manager
    };

    explicit ServerInstaller(ProcessStarter starter = startHiddenDetached);

    Outcome install(WorkstationRole role) const;

    // The installer's command line for a role, run from the install folder.
    static ProcessRequest request(WorkstationRole role);

private:
    ProcessStarter m_starter;
};
