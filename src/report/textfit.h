#pragma once

#include <QFont>
#include <QStringList>

namespace report {

// Text measured in millimetres, the same way for every output: at a fixed
// high resolution and with unhinted fonts, so the preview, the PDF and the
// printer agree on where a line breaks.
namespace TextFit {

double width(const QString &text, const QFont &font);
double lineHeight(const QFont &font);

// The lines a box shows. A wrapping box breaks at word boundaries (a word
// longer than the box is broken where it must) and also at line breaks in the
// text; a single-line box keeps what fits of the first line. Lines below the
// box's height are cut; so is a single line's tail past its width.
QStringList fit(const QString &text, const QFont &font, double widthMm, double heightMm, bool wrap);

} // namespace TextFit

// Arial at a size in points, unhinted: the type of every report.
QFont arial(double points = 10, bool bold = false);

} // namespace report
