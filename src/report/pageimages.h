#pragma once

#include "document.h"

#include <QStringList>

class QWidget;

namespace report {

// The pages of a prepared report as JPEG files for e-mail: 00001.JPG,
// 00002.JPG... in `folder` (which must exist), each drawn at the screen's
// resolution and reduced to 8 bits per pixel before it is compressed. A small
// "Exportando..." window counts the pages while they are written; when one
// cannot be written the message "Error exportando informe" is shown.
// Returns the written files in page order (empty after a failure).
namespace PageImages {

constexpr double kDpi = 96;
QString fileName(int pageIndex);       // 0 -> "00001.JPG"
QStringList exportPages(const Document &document, const QString &folder, QWidget *parent = nullptr);

} // namespace PageImages

} // namespace report
