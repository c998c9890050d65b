#include "pageimages.h"

#include "messages.h"
#include "renderer.h"

#include <QApplication>
#include <QDir>
#include <QProgressDialog>

namespace report::PageImages {

QString fileName(int pageIndex)
{
    return QStringLiteral("%1.JPG").arg(pageIndex + 1, 5, 10, QLatin1Char('0'));
}

QStringList exportPages(const Document &document, const QString &folder, QWidget *parent)
{
    const int count = int(document.pages.size());
    QProgressDialog progress(parent);
    progress.setWindowTitle(QStringLiteral("Exportando..."));
    progress.setAccessibleName(QStringLiteral("Exportando..."));
    progress.setCancelButton(nullptr);
    progress.setRange(0, count);
    progress.setMinimumDuration(0);
    progress.show();

    QStringList written;
    bool failed = false;
    for (int i = 0; i < count && !failed; ++i) {
        progress.setLabelText(QStringLiteral("Página %1 de %2").arg(i + 1).arg(count));
        progress.setValue(i);
        QApplication::processEvents();
        const QString path = QDir(folder).filePath(fileName(i));
        const QImage page = Renderer::pageImage(document, i, kDpi).convertToFormat(QImage::Format_Indexed8);
        failed = !page.save(path, "JPG");
        if (!failed)
            written << path;
    }
    progress.setValue(count);
    progress.close();
    if (failed) {
        Messages::error(parent, QStringLiteral("Error exportando informe"));
        return {};
    }
    return written;
}

} // namespace report::PageImages
