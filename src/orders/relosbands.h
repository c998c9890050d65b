#pragma once

// The sheet of the printed service order, on A4 Plus paper: the shop's header
// with the order number, the client's and the order's data with the quote and
// the warranty, and at the bottom the box for notes, the shop's warranty
// conditions and the two signature lines.

#include "report.h"

namespace OrderPrint {

// The two warranty marks, set by code for every print.
struct WarrantyMarks {
    report::TextItem *yes = nullptr;
    report::TextItem *no = nullptr;
};

inline const QString kYesBlank = QStringLiteral("(  ) SIM");
inline const QString kYesMarked = QStringLiteral("( X ) SIM");
inline const QString kNoBlank = QStringLiteral("(  ) NÃO");
inline const QString kNoMarked = QStringLiteral("( X ) NÃO");

// Lays the page out on `report`, reading the client, the order and the
// settings row from their sources; returns the marks to set.
WarrantyMarks addBands(report::Report &report, const report::RowSource &client,
                       const report::RowSource &order, const report::RowSource &settings);

} // namespace OrderPrint
