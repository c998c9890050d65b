#pragma once

// The report engine: every printed document of the program (stock movements,
// current stock, sales report, receipt, carnê, payables, service order) is a
// report::Report built once at start and printed many times.
//
// Building a report
//   report::Report rep(QStringLiteral("Relatório de Vendas"));
//   rep.setFormat(report::Formats::a4Plus());            // 210 × 330 mm, 10 mm margins
//   report::Band &head = rep.addBand(report::BandKind::Header, 51);
//   head.addField(1.6, 0, &settings, "CAB1").setFont(report::arial(18, true));
//   head.addText(0, 30, "RELATÓRIO DE VENDAS").centredOver(190).setFont(report::arial(10, true));
//   head.addHLine(0, 49, 190);
//   report::Band &row = rep.addBand(report::BandKind::Detail, 5);
//   row.setSource(&sales);                                   // one band per row
//   row.addField(160, 0, &sales, "TOTALVENDA", "R$ 0.00");
//   row.setShading(&m_shading);                              // white/silver, flips per row
//   report::Band &foot = rep.addBand(report::BandKind::Footer, 11);
//   foot.addSystemDateTime(0, 2);
//   ...
//   rep.preview(parent);                                     // modal 900 × 720 preview
//
// Units are millimetres; an item's position is from its band's top-left
// corner, which sits at the page's left margin. A text item with no width
// takes the width of its text and is anchored at x by its alignment: its left
// edge (Left), its centre (Center) or its right edge (Right). A text box has a
// width and height: it cuts what does not fit, and wraps at word boundaries
// when asked (setWordWrap). Items keep pointers you may hold, to change their
// text or hide them before a print (setText, setVisible).
//
// Data: a field reads a column of a RowSource (rowsource.h; QueryRowSource
// in queryrowsource.h runs a statement on the one connection). Inside a
// Detail or SubDetail band bound to that source it reads the row being
// printed; anywhere else it reads the source's first row, and prints ""
// when the source is empty. Masks: displaymask.h.
//
// Bands and pages, in printing order:
//   PageHeader  at the top of every page (setPages(Pages::First): only the first)
//   Header      once, before the rows
//   Detail      once per row of its source, or exactly once if it has none;
//               rows that do not fit continue on the next page
//   SubDetail   after each Detail, once per row of its own source
//   Footer      once, right after the last row, or at the bottom of the last
//               page (setAtPageBottom)
//   PageFooter  at the bottom of every page (setPages(Pages::Last): only the last)
// Header, detail rows and footer never repeat on later pages.
//
// Printing: prepare() lays the report out into a Document (document.h) with
// the rows its sources hold now; preview() shows it (preview.h); renderer.h
// writes a PDF, prints, or draws page images; rtfwriter.h writes RTF;
// pageimages.h writes the JPEG files for e-mail. The system date and time
// fields print the moment prepare() runs (a test may set the clock).

#include "document.h"
#include "rowsource.h"
#include "textfit.h"

#include <QDateTime>
#include <functional>
#include <map>
#include <memory>

class QWidget;

namespace report {

// What the items of a band need while a page is laid out.
struct PrintContext {
    QDateTime printedAt;
    std::map<const RowSource *, int> currentRow;   // sources being iterated
    int rowOf(const RowSource *source) const;
};

class Item
{
public:
    virtual ~Item() = default;
    void setVisible(bool visible) { m_visible = visible; }
    bool isVisible() const { return m_visible; }
    // Adds the item's elements to a page; `origin` is the band's top-left corner.
    virtual void place(const PrintContext &context, QPointF origin, Page &page) const = 0;

private:
    bool m_visible = true;
};

class TextItem : public Item
{
public:
    TextItem(double left, double top, const QString &text);

    TextItem &setText(const QString &text) { m_text = text; return *this; }
    QString text() const { return m_text; }
    TextItem &setFont(const QFont &font) { m_font = font; return *this; }
    TextItem &setAlignment(Qt::Alignment alignment) { m_alignment = alignment; return *this; }
    TextItem &setColor(const QColor &color) { m_color = color; return *this; }
    // A fixed box instead of the text's own width.
    TextItem &setBox(double width, double height) { m_width = width; m_height = height; return *this; }
    TextItem &setWordWrap(bool wrap) { m_wrap = wrap; return *this; }
    // Centred over a width starting at the item's left (a title over the band).
    TextItem &centredOver(double width);
    // Right-aligned with its right edge at the item's left position.
    TextItem &rightAligned() { m_alignment = Qt::AlignRight; return *this; }

    QFont font() const { return m_font; }
    void place(const PrintContext &context, QPointF origin, Page &page) const override;

protected:
    virtual QString content(const PrintContext &) const { return m_text; }

private:
    double m_left, m_top, m_width = 0, m_height = 0;
    QString m_text;
    QFont m_font = arial();
    Qt::Alignment m_alignment = Qt::AlignLeft;
    QColor m_color = Qt::black;
    bool m_wrap = false;
};

class FieldItem : public TextItem
{
public:
    FieldItem(double left, double top, const RowSource *source, const QString &column, const QString &mask);

protected:
    QString content(const PrintContext &context) const override;

private:
    const RowSource *m_source;
    QString m_column, m_mask;
};

class SystemDateItem : public TextItem
{
public:
    enum class Kind { DateTime, Date, Time };
    SystemDateItem(double left, double top, Kind kind);

protected:
    QString content(const PrintContext &context) const override;

private:
    Kind m_kind;
};

// A horizontal or vertical rule. Pen widths count screen pixels, as the
// shop's layouts give them: 1 is a thin rule, 2 a thicker one.
class LineItem : public Item
{
public:
    LineItem(QPointF from, QPointF to, int penWidth);
    void place(const PrintContext &context, QPointF origin, Page &page) const override;

private:
    QPointF m_from, m_to;
    int m_penWidth;
};

class RectItem : public Item
{
public:
    RectItem(const QRectF &rect, int penWidth);
    RectItem &setFill(const QColor &fill) { m_fill = fill; return *this; }
    void place(const PrintContext &context, QPointF origin, Page &page) const override;

private:
    QRectF m_rect;
    int m_penWidth;
    QColor m_fill;
};

double penWidthMm(int penWidth);

// The white/silver switch of a report's rows. It belongs to the report and
// lives as long as the program, so a new print goes on from where the last one
// left it.
class ShadingSwitch
{
public:
    // The colour of the next row, flipping the switch.
    QColor take();
    bool isSilver() const { return m_silver; }
    static QColor white() { return QColor(255, 255, 255); }
    static QColor silver() { return QColor(192, 192, 192); }

private:
    bool m_silver = false;
};

enum class BandKind { PageHeader, Header, Detail, SubDetail, Footer, PageFooter };
enum class Pages { Every, First, Last };

class Band
{
public:
    Band(BandKind kind, double height) : m_kind(kind), m_height(height) {}

    BandKind kind() const { return m_kind; }
    double height() const { return m_height; }

    TextItem &addText(double left, double top, const QString &text);
    TextItem &addTextBox(double left, double top, double width, double height, const QString &text);
    FieldItem &addField(double left, double top, const RowSource *source, const QString &column,
                        const QString &mask = {});
    FieldItem &addFieldBox(double left, double top, double width, double height,
                           const RowSource *source, const QString &column, const QString &mask = {});
    SystemDateItem &addSystemDateTime(double left, double top);
    SystemDateItem &addSystemDate(double left, double top);
    LineItem &addHLine(double left, double top, double length, int penWidth = 1);
    LineItem &addVLine(double left, double top, double length, int penWidth = 1);
    RectItem &addRect(double left, double top, double width, double height, int penWidth = 1);

    // Detail and SubDetail: one band per row of the source.
    void setSource(const RowSource *source) { m_source = source; }
    const RowSource *source() const { return m_source; }
    // Detail and SubDetail: the row's background from the switch, white or silver.
    void setShading(ShadingSwitch *shading) { m_shading = shading; }
    // Footer: at the bottom of the last page instead of right after the rows.
    void setAtPageBottom(bool atBottom) { m_atPageBottom = atBottom; }
    bool atPageBottom() const { return m_atPageBottom; }
    // PageHeader and PageFooter: on every page, the first only or the last only.
    void setPages(Pages pages) { m_pages = pages; }
    Pages pages() const { return m_pages; }

    // Adds the band's items to a page at `origin`, painting its shaded background first.
    void place(const PrintContext &context, QPointF origin, double width, Page &page) const;

private:
    template<class T, class... Args> T &add(Args &&...args);

    BandKind m_kind;
    double m_height;
    const RowSource *m_source = nullptr;
    ShadingSwitch *m_shading = nullptr;
    bool m_atPageBottom = false;
    Pages m_pages = Pages::Every;
    std::vector<std::unique_ptr<Item>> m_items;
};

class Report
{
public:
    explicit Report(const QString &title);
    ~Report();

    QString title() const { return m_title; }
    void setFormat(const PageFormat &format) { m_format = format; }
    const PageFormat &format() const { return m_format; }

    Band &addBand(BandKind kind, double height);
    const std::vector<std::unique_ptr<Band>> &bands() const { return m_bands; }

    // Lays the report out with the rows its sources hold now. Each call
    // advances the shading switches by the rows it prints.
    Document prepare();

    // The modal preview, opened zoomed to the page width (the carnê: whole page).
    enum class Zoom { PageWidth, WholePage };
    void setPreviewZoom(Zoom zoom) { m_zoom = zoom; }
    Zoom previewZoom() const { return m_zoom; }
    void preview(QWidget *parent = nullptr);

    // The clock for the system date and time fields; tests fix it.
    static void setClock(std::function<QDateTime()> clock);

private:
    QString m_title;
    PageFormat m_format;
    Zoom m_zoom = Zoom::PageWidth;
    std::vector<std::unique_ptr<Band>> m_bands;
};

// Paper sizes of the shop's documents.
namespace Formats {
PageFormat a4Plus();                         // 210 × 330 mm, "A4 Plus"
PageFormat custom(double widthMm, double heightMm);   // 180 × 130, 120 × 330
} // namespace Formats

} // namespace report
