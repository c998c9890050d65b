#include "report.h"

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
