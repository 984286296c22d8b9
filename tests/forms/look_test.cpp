// What readers at the back of a classroom rely on, checked on the drawn pixels: option
// buttons that stand out on the dark screens, bold captions that are bold.
#include "forms/display.h"
#include "forms/forms.h"
#include "forms/label.h"
#include "forms/optionbutton.h"

#include <QFile>
#include <QFontDatabase>
#include <QPainter>
#include <QRawFont>
#include <QStyleOption>
#include <gtest/gtest.h>

namespace {

const QColor kScreenBlue(39, 63, 137);
const QColor kYellow(255, 255, 0);

class Dark : public forms::Screen {
public:
    using Context = forms::Forms;
    explicit Dark(forms::Forms& forms) : Screen(forms) {
        setWidth(12000);
        setHeight(9000);
        setBackColor(kScreenBlue);
        Choice.setRect(2400, 5400, 6975, 525);
        Choice.setFont(forms::FontSpec{QStringLiteral("Times New Roman"), 20.25f});
        Choice.setCaption(QStringLiteral("North West"));
        Choice.setBackColor(kScreenBlue);
        Choice.setForeColor(kYellow);
        // One word a little wider than its box in the bold stand-in face.
        Button.setRect(120, 7920, 2835, 495);
        forms::FontSpec bold{QStringLiteral("Tahoma"), 14.25f};
        bold.bold = true;
        Button.setFont(bold);
        Button.setAlignment(forms::Align::Center);
        Button.setCaption(QStringLiteral("Acknowledgments"));
        Button.setBackColor(Qt::black);
        Button.setForeColor(kYellow);
    }
    forms::OptionButton Choice{this};
    forms::Label Button{this};
};

int pixelsLike(const QImage& image, const QRect& area, const std::function<bool(QColor)>& like) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            count += like(image.pixelColor(x, y)) ? 1 : 0;
        }
    }
    return count;
}

class LookTest : public ::testing::TestWithParam<QSize> {
protected:
    LookTest() {
        forms.setContext(&forms);
        display.resize(GetParam());
        display.show();
    }
    forms::Display display;
    forms::Forms forms{display};
};

TEST_P(LookTest, AnOptionButtonStandsOutOnTheDarkScreen) {
    Dark& screen = forms.show<Dark>();
    QStyleOptionButton option;
    option.initFrom(&screen.Choice);
    const QRect indicator = screen.Choice.style()->subElementRect(QStyle::SE_RadioButtonIndicator,
                                                                  &option, &screen.Choice);
    const auto light = [](QColor c) { return c.lightness() > 180 && c.saturation() < 60; };
    const auto yellow = [](QColor c) { return c.red() > 200 && c.green() > 200 && c.blue() < 120; };

    const QImage empty = screen.Choice.grab().toImage();
    const int ring = pixelsLike(empty, indicator, light);
    EXPECT_GT(ring, indicator.width() * 2) << "a light ring around the empty circle";
    EXPECT_EQ(pixelsLike(empty, indicator, yellow), 0);

    screen.Choice.setValue(true);
    const QImage chosen = screen.Choice.grab().toImage();
    EXPECT_GT(pixelsLike(chosen, indicator, yellow), indicator.width())
        << "the chosen one has a dot in the text colour";
}

TEST_P(LookTest, AWordWiderThanItsLabelIsNarrowedNotCutOff) {
    Dark& screen = forms.show<Dark>();
    const QImage image = screen.Button.grab().toImage();
    const auto yellow = [](QColor c) { return c.red() > 120 && c.green() > 120 && c.blue() < 100; };
    EXPECT_GT(pixelsLike(image, image.rect(), yellow), 0) << "the caption is drawn";
    const int edge = qMax(1, image.width() / 100);
    EXPECT_EQ(pixelsLike(image, QRect(0, 0, edge, image.height()), yellow), 0);
    EXPECT_EQ(pixelsLike(image, QRect(image.width() - edge, 0, edge, image.height()), yellow), 0);
}

INSTANTIATE_TEST_SUITE_P(Displays, LookTest, ::testing::Values(QSize(800, 600), QSize(1920, 1080)));

// How many pixels a line of text inks, black on white: a bold face inks more than its
// regular face by the weight of its strokes as well as by its width.
int ink(const QFont& font, const QString& text) {
    const QFontMetrics metrics(font);
    QImage image(metrics.horizontalAdvance(text) + 4, metrics.height() + 4, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter p(&image);
        p.setFont(font);
        p.setPen(Qt::black);
        p.drawText(2, 2 + metrics.ascent(), text);
    }
    return pixelsLike(image, image.rect(), [](QColor c) { return c.lightness() < 128; });
}

TEST(BoldCaptions, AreBoldAndAsWideAsTheDesignsBoldFace) {
    // Even where the font database holds fonts-wine's bold Tahoma, which is no heavier
    // than the regular face.
    QFontDatabase::addApplicationFont(QStringLiteral("/usr/share/wine/fonts/tahomabd.ttf"));
    const QString caption = QStringLiteral("Next Question >> Check Score");
    for (float scale : {1.0f, 3.6f}) {
        const forms::Scaling scaling(scale);
        const forms::FontSpec regular{QStringLiteral("Tahoma"), 15.75f};
        forms::FontSpec bold = regular;
        bold.bold = true;
        EXPECT_GT(ink(scaling.font(bold), caption), 1.4 * ink(scaling.font(regular), caption))
            << "at scale " << scale;

        const QString designBold = QStringLiteral("/usr/share/wine/fonts/tahomabd.ttf");
        if (!QFile::exists(designBold)) {
            continue;
        }
        // The design's bold widths, from the face that carries them.
        const QFont drawn = scaling.font(bold);
        const QRawFont widths(designBold, drawn.pixelSize());
        qreal designed = 0;
        for (const QPointF& advance :
             widths.advancesForGlyphIndexes(widths.glyphIndexesForString(caption))) {
            designed += advance.x();
        }
        EXPECT_NEAR(QFontMetricsF(drawn).horizontalAdvance(caption) / designed, 1.0, 0.035)
            << "at scale " << scale;
    }
}

} // namespace
