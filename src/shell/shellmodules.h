#pragma once

// Registers the windows the shell itself builds with the main window's
// module registry.
namespace ShellModules {

void registerWindows();

} // namespace ShellModules
