#pragma once

// The report engine: every printed document of the program (stock movements,
// current stock, sales report, receipt, carnê, payables, service order) is a
// report::Report, built once when the program starts and printed many times.
//
// BUILDING (units are millimetres; an item's position is from the top-left
// corner of its band, whose left edge is the page's left margin)
//
//   report::QueryRowSource m_settings{DM->createScratchQuery(this)};   // queryrowsource.h
//   report::QueryRowSource m_sales{DM->createScratchQuery(this)};
//   report::ShadingSwitch m_shading;                 // lives as long as the report
//   report::Report m_report{QStringLiteral("Relatório de Vendas")};
//
//   m_report.setFormat(report::Formats::a4Plus());   // or Formats::custom(180, 130)
//   report::Band &head = m_report.addBand(report::BandKind::Header, 51);
//   head.addField(0, 0, &m_settings, "CAB1").setFont(report::arial(18, true));
//   head.addText(0, 28, "RELATÓRIO DE VENDAS").centredOver(190).setFont(report::arial(10, true));
//   m_dateLine = &head.addText(0, 34, {}).centredOver(190);   // keep it to set or hide
//   head.addHLine(0, 49, 190);                       // pen width 1; 2 is thicker
//   report::Band &row = m_report.addBand(report::BandKind::Detail, 5);
//   row.setSource(&m_sales);                         // one band per row
//   row.setShading(&m_shading);                      // white/silver by turns
//   row.addField(0, 0, &m_sales, "IDVENDA");
//   row.addFieldBox(40, 0, 60, 5, &m_sales, "NOMECLI");   // cuts what does not fit
//   row.addField(190, 0, &m_sales, "TOTALVENDA", "R$ 0.00").rightAligned();
//   report::Band &foot = m_report.addBand(report::BandKind::Footer, 11);
//   foot.addSystemDateTime(0, 2);                    // "dd/mm/yyyy hh:mm:ss" of the print
//
// PRINTING
//
//   m_settings.reload("select * from config where idconfig = 1");
//   m_sales.reload(statement);
//   m_dateLine->setText("Data da venda: " + day);  m_dateLine->setVisible(withDate);
//   m_report.preview(this);                          // modal, 900 × 720
//
// A total line: report::sum(m_accounts, "VALOR") (rowsource.h).
// For e-mail: PageImages::exportPages(m_report.prepare(), folder, this)
// writes 00001.JPG... (pageimages.h). Renderer::writePdf and RtfWriter::write
// save a prepared Document directly.
//
// ITEMS
// - addText / addField without a box take the width of their text, anchored
//   at x by their alignment: the left edge (default), the centre, or the
//   right edge (rightAligned()). centredOver(w) centres over w mm from x.
// - addTextBox / addFieldBox have a fixed box: one line cut at the box's
//   width, or with setWordWrap(true) lines broken at word boundaries and cut
//   at the box's lower edge. setAlignment(Qt::AlignHCenter) centres each line.
// - setFont(report::arial(points, bold)), setColor(QColor(192, 192, 192)).
// - addHLine / addVLine (length, pen width), addRect (outline, setFill).
// - Every add returns a reference that stays valid for the report's life;
//   setText and setVisible change an item before the next print.
//   setFieldsVisible(source, false) hides every field of a source (blank form).
//
// FIELDS read a column of a RowSource (rowsource.h). In a Detail or SubDetail
// band bound to that source they read the row being printed; anywhere else
// the source's first row, and "" when it has none. Masks (displaymask.h):
// "R$ #,##0.00", "R$ 0.00", "##,###,##0.00", "dd/mm/yyyy"; with none a
// number prints plain (2,5) and a date as dd/mm/yyyy. Brazilian separators
// whatever the machine's locale.
//
// BANDS, in printing order
//   PageHeader  at the top of every page; setPages(Pages::First): the first only
//   Header      once, before the rows, never repeated
//   Detail      once per row of its source, or exactly once if it has none;
//               a row that does not fit goes to the next page
//   SubDetail   after each Detail, once per row of its own source (the carnê:
//               a Detail without source for the sale, a SubDetail per stub)
//   Footer      once, right after the last row; setAtPageBottom(true): at the
//               bottom of the last page (the receipt)
//   PageFooter  at the bottom of every page; setPages(Pages::Last): the last only
//
// SHADING: a Detail or SubDetail with setShading paints each row's
// background white or silver from the switch, which flips after every row
// and is never reset, so the next print goes on from where this one stopped.
//
// PREVIEW: setPreviewZoom(Report::Zoom::WholePage) for the carnê; the
// default fits the page width. Its buttons print one copy (laying the
// report out again, so a printed copy takes the switch's next colours) and
// save as PDF or RTF. Tests answer its file and printer questions through
// outputseams.h and drive it through Messages::Script.

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
    const RowSource *source() const { return m_source; }

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

    const std::vector<std::unique_ptr<Item>> &items() const { return m_items; }

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

    // Shows or hides every field that reads `source` (a blank form hides
    // the client's and the order's fields and keeps its captions).
    void setFieldsVisible(const RowSource *source, bool visible);

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
