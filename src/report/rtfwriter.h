#pragma once

#include "document.h"

#include <QByteArray>

namespace report {

// A prepared report as an RTF document for a word processor: the page size
// and margins of the report, its text in position order (top to bottom, one
// paragraph per printed line, tab stops where the items stand), fonts, sizes,
// bold and colours, horizontal rules and the top and bottom edges of boxes as
// paragraph borders (vertical lines have no place in running text), silver
// rows as shaded paragraphs, and a page break between pages.
namespace RtfWriter {

QByteArray toRtf(const Document &document);
bool write(const Document &document, const QString &path);

} // namespace RtfWriter

} // namespace report
