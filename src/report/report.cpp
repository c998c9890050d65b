#include "report.h"

#include "displaymask.h"
#include "paginator.h"
#include "preview.h"

#include "messages.h"

namespace report {

namespace {

std::function<QDateTime()> &clock()
{
    static std::function<QDateTime()> now = [] { return QDateTime::currentDateTime(); };
    return now;
}

} // namespace

int PrintContext::rowOf(const RowSource *source) const
{
    const auto it = currentRow.find(source);
    return it == currentRow.end() ? 0 : it->second;
}

// ---- text ----

TextItem::TextItem(double left, double top, const QString &text)
    : m_left(left), m_top(top), m_text(text)
{
}

TextItem &TextItem::centredOver(double width)
{
    m_width = width;
    m_alignment = Qt::AlignHCenter;
    return *this;
}

void TextItem::place(const PrintContext &context, QPointF origin, Page &page) const
{
    const QString text = content(context);
    if (text.isEmpty())
        return;
    const double lineHeight = TextFit::lineHeight(m_font);
    const QPointF topLeft = origin + QPointF(m_left, m_top);
    if (m_width <= 0) {
        const double width = TextFit::width(text, m_font);
        double x = topLeft.x();
        if (m_alignment & Qt::AlignRight)
            x -= width;
        else if (m_alignment & Qt::AlignHCenter)
            x -= width / 2;
        page.elements.push_back(TextElement{QRectF(x, topLeft.y(), width, lineHeight), text, m_font,
                                            m_alignment, m_color});
        return;
    }
    const double height = m_height > 0 ? m_height : lineHeight;
    const QStringList lines = TextFit::fit(text, m_font, m_width, height, m_wrap);
    for (int i = 0; i < lines.size(); ++i) {
        if (lines[i].isEmpty())
            continue;
        const QRectF rect(topLeft.x(), topLeft.y() + i * lineHeight, m_width, lineHeight);
        page.elements.push_back(TextElement{rect, lines[i], m_font, m_alignment, m_color});
    }
}

FieldItem::FieldItem(double left, double top, const RowSource *source, const QString &column,
                     const QString &mask)
    : TextItem(left, top, {}), m_source(source), m_column(column), m_mask(mask)
{
}

QString FieldItem::content(const PrintContext &context) const
{
    if (!m_source)
        return {};
    return formatValue(m_source->value(context.rowOf(m_source), m_column), m_mask);
}

SystemDateItem::SystemDateItem(double left, double top, Kind kind)
    : TextItem(left, top, {}), m_kind(kind)
{
}

QString SystemDateItem::content(const PrintContext &context) const
{
    switch (m_kind) {
    case Kind::Date: return context.printedAt.toString(QStringLiteral("dd/MM/yyyy"));
    case Kind::Time: return context.printedAt.toString(QStringLiteral("hh:mm:ss"));
    case Kind::DateTime: break;
    }
    return formatDateTime(context.printedAt);
}

// ---- rules and boxes ----

double penWidthMm(int penWidth)
{
    // One screen pixel at 96 dots per inch.
    return qMax(1, penWidth) * 25.4 / 96.0;
}

LineItem::LineItem(QPointF from, QPointF to, int penWidth) : m_from(from), m_to(to), m_penWidth(penWidth) {}

void LineItem::place(const PrintContext &, QPointF origin, Page &page) const
{
    page.elements.push_back(LineElement{QLineF(origin + m_from, origin + m_to), penWidthMm(m_penWidth)});
}

RectItem::RectItem(const QRectF &rect, int penWidth) : m_rect(rect), m_penWidth(penWidth) {}

void RectItem::place(const PrintContext &, QPointF origin, Page &page) const
{
    page.elements.push_back(BoxElement{m_rect.translated(origin),
                                       m_penWidth > 0 ? penWidthMm(m_penWidth) : 0.0, Qt::black, m_fill});
}

QColor ShadingSwitch::take()
{
    const QColor colour = m_silver ? silver() : white();
    m_silver = !m_silver;
    return colour;
}

// ---- bands ----

template<class T, class... Args> T &Band::add(Args &&...args)
{
    auto item = std::make_unique<T>(std::forward<Args>(args)...);
    T &ref = *item;
    m_items.push_back(std::move(item));
    return ref;
}

TextItem &Band::addText(double left, double top, const QString &text)
{
    return add<TextItem>(left, top, text);
}

TextItem &Band::addTextBox(double left, double top, double width, double height, const QString &text)
{
    return add<TextItem>(left, top, text).setBox(width, height);
}

FieldItem &Band::addField(double left, double top, const RowSource *source, const QString &column,
                          const QString &mask)
{
    return add<FieldItem>(left, top, source, column, mask);
}

FieldItem &Band::addFieldBox(double left, double top, double width, double height,
                             const RowSource *source, const QString &column, const QString &mask)
{
    FieldItem &field = add<FieldItem>(left, top, source, column, mask);
    field.setBox(width, height);
    return field;
}

SystemDateItem &Band::addSystemDateTime(double left, double top)
{
    return add<SystemDateItem>(left, top, SystemDateItem::Kind::DateTime);
}

SystemDateItem &Band::addSystemDate(double left, double top)
{
    return add<SystemDateItem>(left, top, SystemDateItem::Kind::Date);
}

LineItem &Band::addHLine(double left, double top, double length, int penWidth)
{
    return add<LineItem>(QPointF(left, top), QPointF(left + length, top), penWidth);
}

LineItem &Band::addVLine(double left, double top, double length, int penWidth)
{
    return add<LineItem>(QPointF(left, top), QPointF(left, top + length), penWidth);
}

RectItem &Band::addRect(double left, double top, double width, double height, int penWidth)
{
    return add<RectItem>(QRectF(left, top, width, height), penWidth);
}

void Band::place(const PrintContext &context, QPointF origin, double width, Page &page) const
{
    if (m_shading)
        page.elements.push_back(BoxElement{QRectF(origin, QSizeF(width, m_height)), 0, {}, m_shading->take()});
    for (const auto &item : m_items)
        if (item->isVisible())
            item->place(context, origin, page);
}

// ---- report ----

Report::Report(const QString &title) : m_title(title) {}
Report::~Report() = default;

Band &Report::addBand(BandKind kind, double height)
{
    m_bands.push_back(std::make_unique<Band>(kind, height));
    return *m_bands.back();
}

void Report::setFieldsVisible(const RowSource *source, bool visible)
{
    for (const auto &band : m_bands)
        for (const auto &item : band->items())
            if (auto *field = dynamic_cast<FieldItem *>(item.get()); field && field->source() == source)
                field->setVisible(visible);
}

Document Report::prepare()
{
    return Paginator(*this, clock()()).run();
}

void Report::preview(QWidget *parent)
{
    PreviewDialog dialog(*this, parent);
    Messages::execModal(&dialog);
}

void Report::setClock(std::function<QDateTime()> now)
{
    clock() = now ? std::move(now) : [] { return QDateTime::currentDateTime(); };
}

PageFormat Formats::a4Plus()
{
    PageFormat format;
    format.name = QStringLiteral("A4 Plus");
    format.sizeMm = QSizeF(210, 330);
    return format;
}

PageFormat Formats::custom(double widthMm, double heightMm)
{
    PageFormat format;
    format.sizeMm = QSizeF(widthMm, heightMm);
    return format;
}

} // namespace report
