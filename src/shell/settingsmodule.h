#pragma once

// The settings window, which the main window's "Arquivo" › "Configurações"
// and the client record window open.
namespace SettingsModule {

// Registers the opener of "TConfigForm" with Modules.
void registerWindows();

} // namespace SettingsModule
