#include "outputseams.h"

#include <QFileDialog>
#include <QPrinter>

namespace report::OutputSeams {

namespace {
SaveFileChooser &chooser()
{
    static SaveFileChooser current;
    return current;
}
PrinterSetup &printerSetup()
{
    static PrinterSetup current;
    return current;
}
} // namespace

void setSaveFileChooser(SaveFileChooser c) { chooser() = std::move(c); }
void setPrinterSetup(PrinterSetup s) { printerSetup() = std::move(s); }

QString chooseSaveFile(QWidget *parent, const QString &caption, const QString &suggestedName,
                       const QString &filter)
{
    if (chooser())
        return chooser()(parent, caption, suggestedName, filter);
    return QFileDialog::getSaveFileName(parent, caption, suggestedName, filter);
}

bool setUpPrinter(QPrinter &printer)
{
    if (printerSetup())
        return printerSetup()(printer);
    return printer.isValid();
}

} // namespace report::OutputSeams
