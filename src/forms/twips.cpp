#include "forms/twips.h"

#include <QFile>
#include <QFontDatabase>

namespace forms {

QRect toPixelRect(const TwipRect& r) {
    const int x0 = toPixels(r.left);
    const int y0 = toPixels(r.top);
    const int x1 = toPixels(r.left + r.width);
    const int y1 = toPixels(r.top + r.height);
    return QRect(x0, y0, qMax(0, x1 - x0), qMax(0, y1 - y0));
}

QFont toScreenFont(const FontSpec& design) {
    QFont font(design.name);
    font.setPixelSize(qMax(1, qRound(design.size * 96.0f / 72.0f)));
    font.setBold(design.bold);
    font.setItalic(design.italic);
    font.setUnderline(design.underline);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

void loadApplicationFonts() {
    static bool loaded = false;
    if (loaded) {
        return;
    }
    loaded = true;
    for (const char* file :
         {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/tahomabd.ttf"}) {
        if (QFile::exists(QString::fromLatin1(file))) {
            QFontDatabase::addApplicationFont(QString::fromLatin1(file));
        }
    }
}

QColor rgb(int r, int g, int b) {
    return QColor(r, g, b);
}

QString colourStyleSheet(const char* widgetClass, const QColor& back, const QColor& fore) {
    QString sheet;
    if (back.isValid()) {
        sheet += QStringLiteral("background-color: %1; ").arg(back.name());
    }
    if (fore.isValid()) {
        sheet += QStringLiteral("color: %1; ").arg(fore.name());
    }
    return QStringLiteral("%1 { %2}").arg(QLatin1String(widgetClass), sheet);
}

} // namespace forms
