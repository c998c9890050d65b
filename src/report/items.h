#pragma once

// What a band holds: texts, data fields, the printing time, rules and boxes,
// placed in millimetres from the band's top-left corner (report.h tells how).

#include "document.h"
#include "rowsource.h"
#include "textfit.h"

#include <QDateTime>
#include <map>

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

} // namespace report
