#pragma once

#include "queryrowsource.h"
#include "relosbands.h"
#include "report.h"

#include <QObject>

class TDM;
class QWidget;

// The printed service order ("Ordem de Serviço"), built once and refilled for
// every print: filled with one client's order from the order editor, or blank
// for the shop to fill in by hand. It reads its own three queries (the client,
// the order and the settings row), so printing never moves the data module's
// datasets. It belongs to the data module and lives as long as it does.
//
// The fields of the client and the order keep the shown or hidden state of
// the last print, and the warranty marks their texts, until the next fill or
// blank print sets them again; each of the two sets all of them.
class TRelOSForm : public QObject
{
    Q_OBJECT
public:
    static TRelOSForm &of(TDM &dm);

    // Loads the client and the order by their keys with the settings row,
    // shows every field and marks the order's warranty choice.
    void fill(int clientKey, int orderKey);
    // Loads the settings row only and hides every client and order field and
    // both marks: the shop's header, captions, rules and conditions remain.
    void fillBlank();

    // Fills and shows the modal preview, from which the order is printed or
    // saved. A database error stops the print and is shown.
    void imprimir(QWidget *parent, int clientKey, int orderKey);
    void imprimirEmBranco(QWidget *parent);

    // Fills and lays the pages out without a preview: the order editor
    // writes them as pictures for e-mail. A database error is the caller's.
    report::Document prepare(int clientKey, int orderKey);

    report::Report &report() { return m_report; }

private:
    explicit TRelOSForm(TDM &dm);

    void setWarrantyMarks(int warrantyItem);
    void setDataVisible(bool visible);
    template <class Fill> void previewed(QWidget *parent, Fill fill);

    report::QueryRowSource m_client;
    report::QueryRowSource m_order;
    report::QueryRowSource m_settings;
    report::Report m_report;
    OrderPrint::WarrantyMarks m_marks;
};
