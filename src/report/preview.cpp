#include "preview.h"

#include "messages.h"
#include "outputseams.h"
#include "renderer.h"
#include "rtfwriter.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>

namespace report {

namespace {

constexpr int kPageGap = 10;

double unitsPerMm(const QWidget *widget) { return widget->logicalDpiX() / 25.4; }

QPushButton *addButton(QHBoxLayout *row, const QString &caption)
{
    auto *button = new QPushButton(caption);
    button->setAccessibleName(caption);
    row->addWidget(button);
    return button;
}

} // namespace

PageView::PageView(const Document &document, int page, QWidget *parent)
    : QWidget(parent), m_document(document), m_page(page)
{
    setAccessibleName(QStringLiteral("Página %1").arg(page + 1));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void PageView::setZoom(double zoom)
{
    m_zoom = zoom;
    setFixedSize(sizeHint());
    update();
}

QSize PageView::sizeHint() const
{
    const QSizeF mm = m_document.format.sizeMm;
    return QSize(qCeil(mm.width() * unitsPerMm(this) * m_zoom), qCeil(mm.height() * unitsPerMm(this) * m_zoom));
}

void PageView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    Renderer::paintPage(painter, m_document.pages.at(size_t(m_page)), m_zoom);
}

PreviewDialog::PreviewDialog(Report &report, QWidget *parent)
    : QDialog(parent), m_report(report), m_document(report.prepare()), m_scroll(new QScrollArea)
{
    setWindowTitle(report.title());
    resize(900, 720);

    auto *buttons = new QHBoxLayout;
    connect(addButton(buttons, QStringLiteral("Imprimir")), &QPushButton::clicked, this, &PreviewDialog::printReport);
    connect(addButton(buttons, QStringLiteral("Salvar como PDF")), &QPushButton::clicked, this, &PreviewDialog::savePdf);
    connect(addButton(buttons, QStringLiteral("Salvar como RTF")), &QPushButton::clicked, this, &PreviewDialog::saveRtf);
    buttons->addStretch();
    connect(addButton(buttons, QStringLiteral("Fechar")), &QPushButton::clicked, this, &QDialog::reject);

    auto *sheet = new QWidget;
    sheet->setBackgroundRole(QPalette::Dark);
    sheet->setAutoFillBackground(true);
    auto *pages = new QVBoxLayout(sheet);
    pages->setSpacing(kPageGap);
    pages->setContentsMargins(kPageGap, kPageGap, kPageGap, kPageGap);
    for (int i = 0; i < int(m_document.pages.size()); ++i) {
        m_pages.push_back(new PageView(m_document, i));
        pages->addWidget(m_pages.back(), 0, Qt::AlignHCenter);
    }
    m_scroll->setWidget(sheet);
    m_scroll->setWidgetResizable(true);
    m_scroll->setAlignment(Qt::AlignHCenter);
    m_scroll->setAccessibleName(QStringLiteral("Páginas"));

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(m_scroll);
    fitZoom();
}

double PreviewDialog::zoom() const
{
    return m_pages.empty() ? 1.0 : m_pages.front()->zoom();
}

// The page width, or the whole page, fills the visible part of the scroll
// area (leaving room for the vertical scroll bar when it zooms to the width).
void PreviewDialog::fitZoom()
{
    const QSize view = m_scroll->viewport()->size();
    const QSizeF pageUnits = m_document.format.sizeMm * unitsPerMm(this);
    const double byWidth = (view.width() - 2 * kPageGap - m_scroll->verticalScrollBar()->sizeHint().width())
        / pageUnits.width();
    double zoom = byWidth;
    if (m_report.previewZoom() == Report::Zoom::WholePage)
        zoom = qMin((view.width() - 2.0 * kPageGap) / pageUnits.width(),
                    (view.height() - 2.0 * kPageGap) / pageUnits.height());
    zoom = qMax(0.1, zoom);
    for (PageView *page : m_pages)
        page->setZoom(zoom);
}

void PreviewDialog::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    fitZoom();
}

void PreviewDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    fitZoom();
}

void PreviewDialog::printReport()
{
    QPrinter printer(QPrinter::HighResolution);
    if (!OutputSeams::setUpPrinter(printer)) {
        Messages::error(this, QStringLiteral("Não há impressora disponível."));
        return;
    }
    if (!Renderer::print(m_report.prepare(), printer))
        Messages::error(this, QStringLiteral("Não foi possível imprimir o relatório."));
}

QString PreviewDialog::askPath(const QString &caption, const QString &extension, const QString &filter)
{
    QString path = OutputSeams::chooseSaveFile(this, caption, m_document.title + extension, filter);
    if (!path.isEmpty() && !path.endsWith(extension, Qt::CaseInsensitive))
        path += extension;
    return path;
}

void PreviewDialog::savePdf()
{
    const QString path = askPath(QStringLiteral("Salvar como PDF"), QStringLiteral(".pdf"),
                                 QStringLiteral("Arquivo PDF (*.pdf)"));
    if (!path.isEmpty() && !Renderer::writePdf(m_document, path))
        Messages::error(this, QStringLiteral("Não foi possível gravar o arquivo %1.").arg(path));
}

void PreviewDialog::saveRtf()
{
    const QString path = askPath(QStringLiteral("Salvar como RTF"), QStringLiteral(".rtf"),
                                 QStringLiteral("Arquivo RTF (*.rtf)"));
    if (!path.isEmpty() && !RtfWriter::write(m_document, path))
        Messages::error(this, QStringLiteral("Não foi possível gravar o arquivo %1.").arg(path));
}

} // namespace report
