#pragma once

#include <QString>
#include <functional>

class QPrinter;
class QWidget;

namespace report {

// Where the preview asks the user for things the tests answer themselves:
// the file to save to and the printer to print on.
namespace OutputSeams {

// Returns the chosen path, or "" when the user gives up.
using SaveFileChooser = std::function<QString(QWidget *parent, const QString &caption,
                                              const QString &suggestedName, const QString &filter)>;
// Gets the printer ready (the default printer unless changed); false to cancel.
using PrinterSetup = std::function<bool(QPrinter &printer)>;

// An empty function restores the normal behaviour.
void setSaveFileChooser(SaveFileChooser chooser);
void setPrinterSetup(PrinterSetup setup);

QString chooseSaveFile(QWidget *parent, const QString &caption, const QString &suggestedName,
                       const QString &filter);
bool setUpPrinter(QPrinter &printer);

} // namespace OutputSeams

} // namespace report
