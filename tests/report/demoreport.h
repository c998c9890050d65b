#pragma once

#include "report.h"

// A small list report used by the tests and as the demonstration of the
// engine: the shop's header line, a title and column headings once, one
// shaded line per part, and a footer with the printing time after the last
// line. A4 Plus, so 56 lines fit under the header on the first page.
struct DemoReport {
    static constexpr double kHeaderHeight = 30;
    static constexpr double kRowHeight = 5;
    static constexpr double kFooterHeight = 10;

    report::TableRowSource settings{{QStringLiteral("CAB1")}};
    report::TableRowSource parts{{QStringLiteral("CODIGO"), QStringLiteral("DESCRICAO"), QStringLiteral("VALOR"),
                                  QStringLiteral("DATACAD")}};
    report::ShadingSwitch shading;
    report::Report report{QStringLiteral("Relatório de Peças")};
    report::TextItem *footerText = nullptr;

    DemoReport();
    void fillParts(int count);   // "Peça 001"..., values 1234.5 + n, dates from 01/03/2026
};
