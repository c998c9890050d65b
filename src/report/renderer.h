#pragma once

#include "document.h"

#include <QImage>
#include <QPageSize>

class QPainter;
class QPrinter;

namespace report {

// Paints prepared pages. Every output goes through paintPage, so the
// preview, the PDF, the printer and the page images show the same thing.
namespace Renderer {

// Paints a page on the painter's device, the paper's top-left corner at the
// device's origin; `zoom` scales it (1 draws it at its real size on paper).
void paintPage(QPainter &painter, const Page &page, double zoom = 1.0);

QPageSize pageSize(const PageFormat &format);

// Writes every page to a PDF file; false when the file cannot be written.
bool writePdf(const Document &document, const QString &path);

// Prints every page on an already set-up printer, one copy.
bool print(const Document &document, QPrinter &printer);

// One page drawn on a white image at `dpi` dots per inch.
QImage pageImage(const Document &document, int page, double dpi);

} // namespace Renderer

} // namespace report
