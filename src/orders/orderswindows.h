#pragma once

// The service order windows the main window opens.
namespace Orders {

// Registers every opener of this folder with Modules; main() calls it once.
void registerWindows();

} // namespace Orders
