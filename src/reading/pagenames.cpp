#include "reading/pagenames.h"

namespace reading {

QString pageCounter(int page, int count) {
    return QStringLiteral("Page %1 of %2").arg(page).arg(count);
}

PageNames singlePage(const QString& stem) {
    const QString file = stem + QStringLiteral(".wmf");
    return {QStringLiteral("wmf\\") + file, QStringLiteral("wmf2\\") + file};
}

PageNames notesPage(const QString& pageset, int page) {
    if (page < 1 || page > 4) {
        return {};
    }
    return singlePage(pageset + QChar(u'a' + (page - 1)));
}

PageNames guidePage(int page) {
    return singlePage(QStringLiteral("guide%1").arg(page));
}

QString logoFrame(int frame) {
    // Two zeros and then the number below 10, one zero above: always four digits for
    // the frames 0 to 19.
    const QString prefix =
        frame < 10 ? QStringLiteral("logo\\quil000") : QStringLiteral("logo\\quil00");
    return prefix + QString::number(frame) + QStringLiteral(".gif");
}

} // namespace reading
