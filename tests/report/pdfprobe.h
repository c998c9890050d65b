#pragma once

#include <QRectF>
#include <QString>
#include <QStringList>
#include <vector>

// Reads a written PDF back the way a person would check it: the text of each
// page (pdftotext) and where each word stands, in millimetres from the
// paper's top-left corner (pdftotext -bbox).
struct PdfWord {
    int page;          // from 0
    QString text;
    QRectF mm;
};

class PdfProbe
{
public:
    // Stops the test when the PDF cannot be read: nothing could be checked.
    explicit PdfProbe(const QString &pdfPath);

    bool isValid() const { return m_valid; }
    int pageCount() const { return int(m_pageSizesMm.size()); }
    QSizeF pageSizeMm(int page) const { return m_pageSizesMm.at(size_t(page)); }
    QString pageText(int page) const;                  // pdftotext -layout of one page
    const std::vector<PdfWord> &words() const { return m_words; }
    std::vector<PdfWord> find(const QString &word) const;   // exact word matches, in reading order
    // The words on one page whose top is within `toleranceMm` of `topMm`, left to right.
    QStringList line(int page, double topMm, double toleranceMm = 1.0) const;

private:
    QString m_path;
    bool m_valid = false;
    std::vector<QSizeF> m_pageSizesMm;
    std::vector<PdfWord> m_words;
};

// Renders one page of the PDF to an image with pdftoppm.
class QImage;
QImage renderPdfPage(const QString &pdfPath, int page, int dpi);
