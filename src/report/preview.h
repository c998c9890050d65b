#pragma once

#include "report.h"

#include <QDialog>

class QScrollArea;
class QVBoxLayout;

namespace report {

// One prepared page on screen at the preview's zoom.
class PageView : public QWidget
{
    Q_OBJECT
public:
    PageView(const Document &document, int page, QWidget *parent = nullptr);
    void setZoom(double zoom);
    double zoom() const { return m_zoom; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const Document &m_document;
    int m_page;
    double m_zoom = 1;
};

// The modal preview of a report, 900 × 720, pages one under the other,
// zoomed to the page width (or to the whole page). From it the user prints
// one copy or saves the report as PDF or RTF. Printing lays the report out
// again, so its rows take the shading the switch has reached by then.
class PreviewDialog : public QDialog
{
    Q_OBJECT
public:
    explicit PreviewDialog(Report &report, QWidget *parent = nullptr);

    const Document &document() const { return m_document; }
    double zoom() const;

    void printReport();
    void savePdf();
    void saveRtf();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void fitZoom();
    QString askPath(const QString &caption, const QString &extension, const QString &filter);

    Report &m_report;
    Document m_document;
    QScrollArea *m_scroll;
    std::vector<PageView *> m_pages;
};

} // namespace report
