#pragma once

// A band: a strip of the page as wide as the space between the margins,
// printed once, once per row, or on each page according to its kind.

#include "items.h"

#include <memory>

namespace report {

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

} // namespace report
