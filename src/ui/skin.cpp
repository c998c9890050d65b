#include "skin.h"

#include <QApplication>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QPalette>
#include <QStyleFactory>

namespace Skin {

void apply(QApplication &app)
{
    app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    // A calm blue-grey theme: the shop's staff look at it all day.
    QPalette p;
    const QColor window(0xE4, 0xE9, 0xF0);
    const QColor button(0xD9, 0xE1, 0xEC);
    const QColor text(0x10, 0x18, 0x28);
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, Qt::white);
    p.setColor(QPalette::AlternateBase, QColor(0xF3, 0xF6, 0xFA));
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, button);
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::Highlight, QColor(0x2F, 0x5F, 0x9E));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::ToolTipBase, QColor(0xFF, 0xFF, 0xE1));
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::Light, Qt::white);
    p.setColor(QPalette::Midlight, QColor(0xE3, 0xE3, 0xE3)); // what Windows calls cl3DLight
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(0x60, 0x60, 0x60));
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x70, 0x70, 0x70));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x80, 0x80, 0x80));
    app.setPalette(p);

    // Debian ships Tahoma with Wine's fonts, outside fontconfig's folders.
    for (const char *file : {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/tahomabd.ttf"})
        if (QFile::exists(QLatin1String(file)))
            QFontDatabase::addApplicationFont(QLatin1String(file));
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSize(8);
    app.setFont(font);
}

QColor menuHighlight()
{
    return QColor(0x5B, 0x8B, 0xCB);
}

} // namespace Skin
