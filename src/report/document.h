#pragma once

#include <QColor>
#include <QFont>
#include <QLineF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <variant>
#include <vector>

namespace report {

// A prepared report: its pages with every item already placed, all in
// millimetres from the paper's top-left corner. Painters, the RTF writer and
// the page images all read this; none of them lays anything out again.

struct TextElement {
    QRectF rect;          // one line of text; the text is aligned inside it
    QString text;
    QFont font;
    Qt::Alignment alignment = Qt::AlignLeft;
    QColor color = Qt::black;
};

struct LineElement {
    QLineF line;
    double widthMm = 0.25;
    QColor color = Qt::black;
};

struct BoxElement {
    QRectF rect;
    double penMm = 0.25;  // 0 draws no outline
    QColor pen = Qt::black;
    QColor fill;          // invalid: not filled
};

using Element = std::variant<TextElement, LineElement, BoxElement>;

struct Page {
    std::vector<Element> elements;   // in painting order
};

struct PageFormat {
    QString name;          // "A4 Plus", or empty for an unnamed custom size
    QSizeF sizeMm{210, 297};
    double marginLeft = 10, marginTop = 10, marginRight = 10, marginBottom = 10;

    double contentWidth() const { return sizeMm.width() - marginLeft - marginRight; }
    double contentBottom() const { return sizeMm.height() - marginBottom; }
};

struct Document {
    QString title;
    PageFormat format;
    std::vector<Page> pages;
};

} // namespace report
