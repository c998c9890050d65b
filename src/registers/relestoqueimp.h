#pragma once

#include "queryrowsource.h"
#include "report.h"

#include <QDate>
#include <QObject>

class TDM;

// The two stock reports, built once and refilled for every print. Each has
// its own queries (the rows and the shop's header lines), so printing never
// moves the data module's datasets, and its own white/silver switch, which
// goes on from where the last print left it. They belong to the data module
// and live as long as it does.

// What both reports are made of: the report, its rows and the shop's header
// lines each read by a query of its own, and its white/silver switch.
class StockReport : public QObject
{
    Q_OBJECT
public:
    report::Report &report() { return m_report; }
    report::ShadingSwitch &shading() { return m_shading; }

protected:
    StockReport(TDM &dm, const QString &title);

    report::QueryRowSource m_rows;
    report::QueryRowSource m_header;
    report::ShadingSwitch m_shading;
    report::Report m_report;
};

// The stock movements of a period: "Relatório de Estoque. Entrada / Saida de Produtos."
class TImpEntForm : public StockReport
{
    Q_OBJECT
public:
    static TImpEntForm &of(TDM &dm);

    // Loads the rows of the movement statement and the header lines, sets the
    // period line and shows the preview.
    void imprimir(QWidget *parent, const QString &movementStatement, const QDate &first, const QDate &last);
    // The same filling without the preview.
    void fill(const QString &movementStatement, const QDate &first, const QDate &last);

private:
    explicit TImpEntForm(TDM &dm);

    report::TextItem *m_period = nullptr;
};

// Every product with its prices and stock: "Relatório de Estoque Atual".
class TImpEstoqueForm : public StockReport
{
    Q_OBJECT
public:
    static TImpEstoqueForm &of(TDM &dm);

    void imprimir(QWidget *parent);
    void fill();

private:
    explicit TImpEstoqueForm(TDM &dm);
};
