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

#include "band.h"

#include <functional>

class QWidget;

namespace report {

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
