#pragma once

// The register windows (clients, suppliers, products) the main window opens.
namespace Registers {

// Registers every opener of this folder with Modules; main() calls it once.
void registerWindows();

void registerClientWindows();
void registerSupplierWindows();
void registerProductWindows();

} // namespace Registers
