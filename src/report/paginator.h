#pragma once

#include "report.h"

namespace report {

// Lays a report's bands out on pages: page header at the top, header once,
// the rows flowing onto new pages when the next one does not fit, the footer
// after the last row (or at the bottom of the last page), page footers at
// each page's bottom.
class Paginator
{
public:
    Paginator(const Report &report, const QDateTime &printedAt);
    Document run();

private:
    std::vector<const Band *> bandsOf(BandKind kind) const;
    void startPage();
    void finishPage(bool last);
    void flow(const Band &band);
    void ensureRoom(double height);
    void placeAt(const Band &band, double top);
    void printRows(const Band &detail);
    void forEachRow(const Band &band, const std::function<void()> &afterEach);
    double bottomLimit() const;
    double pageFootersHeight(bool last) const;
    double lastPageFootersHeight() const;

    const Report &m_report;
    const PageFormat m_format;
    PrintContext m_context;
    Document m_document;
    double m_y = 0;
    bool m_pageHasFlow = false;
};

} // namespace report
