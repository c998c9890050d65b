#include "paginator.h"

namespace report {

namespace {

bool printsOn(const Band &band, bool firstPage, bool lastPage)
{
    switch (band.pages()) {
    case Pages::First: return firstPage;
    case Pages::Last: return lastPage;
    case Pages::Every: break;
    }
    return true;
}

} // namespace

Paginator::Paginator(const Report &report, const QDateTime &printedAt)
    : m_report(report), m_format(report.format())
{
    m_context.printedAt = printedAt;
    m_document.title = report.title();
    m_document.format = m_format;
}

std::vector<const Band *> Paginator::bandsOf(BandKind kind) const
{
    std::vector<const Band *> bands;
    for (const auto &band : m_report.bands())
        if (band->kind() == kind)
            bands.push_back(band.get());
    return bands;
}

Document Paginator::run()
{
    startPage();
    for (const Band *header : bandsOf(BandKind::Header))
        flow(*header);
    for (const Band *detail : bandsOf(BandKind::Detail))
        printRows(*detail);
    for (const Band *footer : bandsOf(BandKind::Footer)) {
        if (footer->atPageBottom()) {
            ensureRoom(footer->height() + lastPageFootersHeight());
            m_y = m_format.contentBottom() - pageFootersHeight(true);
            placeAt(*footer, m_y - footer->height());
        } else {
            flow(*footer);
        }
    }
    ensureRoom(lastPageFootersHeight());
    finishPage(true);
    return std::move(m_document);
}

void Paginator::printRows(const Band &detail)
{
    forEachRow(detail, [&] {
        for (const Band *sub : bandsOf(BandKind::SubDetail))
            forEachRow(*sub, [] {});
    });
}

// Prints a band once per row of its source, or once when it has none, with
// the source's current row set for its fields.
void Paginator::forEachRow(const Band &band, const std::function<void()> &afterEach)
{
    const RowSource *source = band.source();
    const int rows = source ? source->rowCount() : 1;
    for (int row = 0; row < rows; ++row) {
        if (source)
            m_context.currentRow[source] = row;
        flow(band);
        afterEach();
    }
    if (source)
        m_context.currentRow.erase(source);
}

// The page footers printed on every page reserve their room on each page;
// those of the last page only are made room for at the end.
double Paginator::pageFootersHeight(bool last) const
{
    double height = 0;
    for (const Band *footer : bandsOf(BandKind::PageFooter))
        if (footer->pages() == Pages::Every || (last && footer->pages() == Pages::Last))
            height += footer->height();
    return height;
}

double Paginator::lastPageFootersHeight() const
{
    return pageFootersHeight(true) - pageFootersHeight(false);
}

double Paginator::bottomLimit() const
{
    return m_format.contentBottom() - pageFootersHeight(false);
}

void Paginator::startPage()
{
    const bool first = m_document.pages.empty();
    m_document.pages.emplace_back();
    m_y = m_format.marginTop;
    m_pageHasFlow = false;
    for (const Band *header : bandsOf(BandKind::PageHeader))
        if (printsOn(*header, first, false)) {
            placeAt(*header, m_y);
            m_y += header->height();
        }
}

void Paginator::finishPage(bool last)
{
    const bool first = m_document.pages.size() == 1;
    double y = m_format.contentBottom() - pageFootersHeight(last);
    for (const Band *footer : bandsOf(BandKind::PageFooter))
        if (printsOn(*footer, first, last) && footer->pages() != Pages::First) {
            placeAt(*footer, y);
            y += footer->height();
        }
}

// A band that does not fit below what is on the page goes to the next page,
// unless the page holds nothing of the flow yet: a band taller than a page
// is printed and cut rather than pushed on forever.
void Paginator::ensureRoom(double height)
{
    if (m_y + height > bottomLimit() + 0.001 && m_pageHasFlow) {
        finishPage(false);
        startPage();
    }
}

void Paginator::flow(const Band &band)
{
    ensureRoom(band.height());
    placeAt(band, m_y);
    m_y += band.height();
    m_pageHasFlow = true;
}

void Paginator::placeAt(const Band &band, double top)
{
    band.place(m_context, QPointF(m_format.marginLeft, top), m_format.contentWidth(),
               m_document.pages.back());
}

} // namespace report
