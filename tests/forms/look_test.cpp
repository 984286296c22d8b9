// What readers at the back of a classroom rely on, checked on the drawn pixels: option
// buttons that stand out on the dark screens, bold captions that are bold.
#include "forms/display.h"
#include "forms/forms.h"
#include "forms/glyphs.h"
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

// Large captions drawn from kept glyphs look as Qt draws them: the same lines, words and
// letters in the same places, to the half device pixel where a glyph is kept.
TEST(LargeCaptions, FromKeptGlyphsMatchQtsOwnDrawing) {
    struct Case {
        const char* text;
        int align;
        bool bold;
        int stretch;
        qreal dpr;
        QFont::HintingPreference hinting;
    };
    const Case cases[] = {
        {"Manchester grew around its cotton mills", Qt::AlignTop | Qt::AlignLeft, false, 100, 1,
         QFont::PreferDefaultHinting},
        {"Which river flows through the city centre?", Qt::AlignTop | Qt::AlignHCenter, true, 100,
         1, QFont::PreferNoHinting},
        {"Next Question >> Check Score", Qt::AlignTop | Qt::AlignRight, true, 85, 1,
         QFont::PreferNoHinting},
        {"Salford Quays\nMediaCity", Qt::AlignTop | Qt::AlignHCenter, false, 100, 2,
         QFont::PreferNoHinting},
        {"Trafford Park, the first planned industrial estate", Qt::AlignTop | Qt::AlignLeft, true,
         90, 2, QFont::PreferDefaultHinting},
        // An option button's caption: centred on its height, mnemonics shown.
        {"The River Irwell", Qt::AlignVCenter | Qt::AlignLeft | Qt::TextShowMnemonic, false, 100,
         1.5, QFont::PreferNoHinting},
        {"Piccadilly\nVictoria", Qt::AlignBottom | Qt::AlignRight, true, 100, 1,
         QFont::PreferNoHinting},
    };
    for (const Case& c : cases) {
        QFont font(QStringLiteral("Tahoma"));
        font.setPixelSize(int(80 / c.dpr));
        font.setBold(c.bold);
        font.setStretch(c.stretch);
        font.setHintingPreference(c.hinting);
        ASSERT_TRUE(forms::glyphs::large(font, c.dpr));
        const QRectF box(3.5, 2, 1100 / c.dpr, 400 / c.dpr);
        const int flags = Qt::TextWordWrap | c.align;
        const QString text = QString::fromUtf8(c.text);
        const auto drawn = [&](bool kept) {
            QImage image(QSize(1110, 420), QImage::Format_ARGB32_Premultiplied);
            image.setDevicePixelRatio(c.dpr);
            image.fill(kScreenBlue);
            QPainter p(&image);
            if (kept) {
                EXPECT_TRUE(forms::glyphs::draw(p, box, flags, text, font, kYellow));
            } else {
                p.setFont(font);
                p.setPen(kYellow);
                p.drawText(box, flags, text);
            }
            return image;
        };
        forms::glyphs::clear();
        const QImage qt = drawn(false);
        const QImage first = drawn(true); // each glyph filled, kept and copied
        const QImage again = drawn(true); // copied from the kept glyphs
        EXPECT_EQ(first, again) << c.text;
        int inked = 0, apart = 0;
        QRect qtInk, keptInk;
        for (int y = 0; y < qt.height(); ++y) {
            for (int x = 0; x < qt.width(); ++x) {
                const QColor a = qt.pixelColor(x, y), b = again.pixelColor(x, y);
                const bool inkA = a != kScreenBlue, inkB = b != kScreenBlue;
                qtInk |= inkA ? QRect(x, y, 1, 1) : QRect();
                keptInk |= inkB ? QRect(x, y, 1, 1) : QRect();
                inked += inkA ? 1 : 0;
                apart += std::abs(a.red() - b.red()) > 96 ? 1 : 0;
            }
        }
        ASSERT_GT(inked, 1000) << c.text;
        for (int edge = 0; edge < 4; ++edge) {
            const auto side = [edge](const QRect& r) {
                return std::array{r.left(), r.top(), r.right(), r.bottom()}[edge];
            };
            EXPECT_NEAR(side(keptInk), side(qtInk), 1) << c.text << ", edge " << edge;
        }
        EXPECT_LT(apart, inked / 100) << c.text;
    }
}

} // namespace
