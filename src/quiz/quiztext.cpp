#include "quiz/quiztext.h"

#include "forms/label.h"
#include "media/print/printservice.h"

QString numberText(int n) {
    return n < 0 ? QString::number(n) : QLatin1Char(' ') + QString::number(n);
}

void styleButton(forms::Label& label, const QString& caption, float left, float top, float width,
                 float height) {
    label.setRect(left, top, width, height);
    label.setCaption(caption);
    label.setFont(forms::FontSpec{QStringLiteral("Tahoma"), 15.75f, true});
    label.setForeColor(QColor(255, 255, 0));
    label.setBackColor(Qt::black);
    label.setBackStyle(forms::BackStyle::Opaque);
    label.setAlignment(forms::Align::Center);
    label.setBorder(true);
}

void printCentred(media::PrintJob& job, const QString& text) {
    const float page = job.pageWidth();
    const float width = job.textWidth(text);
    job.setX((page - width) / 2);
    job.print(text);
}
