// What single records draw, checked on small metafiles written for the purpose.
#include "media/wmf/metafile.h"
#include "media/wmf/textdecoder.h"
#include "wmf/metafilebuilder.h"

#include <gtest/gtest.h>

namespace {

// Text parameters: the bytes padded to whole words, low byte first.
QVector<int> textWords(const QByteArray& text) {
    QVector<int> words;
    for (qsizetype i = 0; i < text.size(); i += 2)
        words.append(quint8(text[i]) | (i + 1 < text.size() ? quint8(text[i + 1]) << 8 : 0));
    return words;
}

MetafileBuilder& font(MetafileBuilder& b, int height, const QByteArray& face) {
    return b.record(0x02FB, QVector<int>{height, 0, 0, 0, 400, 0, 0, 0, 0} +
                                textWords(face + QByteArray(1, '\0')));
}

MetafileBuilder& textOut(MetafileBuilder& b, int x, int y, const QByteArray& text) {
    return b.record(0x0521, QVector<int>{int(text.size())} + textWords(text) + QVector<int>{y, x});
}

QImage render(const MetafileBuilder& builder) {
    const auto result = wmf::Metafile::read(builder.bytes());
    if (!std::holds_alternative<wmf::Metafile>(result))
        return {};
    return std::get<wmf::Metafile>(result).toImage(96, Qt::white);
}

double darkShare(const QImage& image, const QRect& area) {
    int dark = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            dark += qGray(image.pixel(x, y)) < 128;
    return double(dark) / (area.width() * area.height());
}

MetafileBuilder canvas() {
    return MetafileBuilder().placeable({0, 0, 100, 100}, 96).objects(8);
}

// An opaque shape leaves its background mode on the painter; transparent text drawn
// after it must not fill its glyph cells with the shape's background colour.
TEST(WmfText, TransparentTextAfterAnOpaqueShapeHasNoBackground) {
    MetafileBuilder b = canvas();
    b.record(0x0102, {2}).record(0x0201, {0, 0}).solidBrush(0xFFFFFF).select(0).nullPen().select(1);
    b.rectangle(0, 0, 5, 5).record(0x0102, {1});
    font(b, -20, "Arial").select(2);
    textOut(b, 10, 40, "IIII");
    const QImage image = render(b);
    ASSERT_FALSE(image.isNull());
    const double share = darkShare(image, QRect(10, 40, 40, 20));
    EXPECT_GT(share, 0.02);
    EXPECT_LT(share, 0.4);
}

struct Decoded {
    const char* name;
    QByteArray bytes;
    int charset;
    const char* face;
    QString text;
};

class WmfTextDecoder : public ::testing::TestWithParam<Decoded> {};

TEST_P(WmfTextDecoder, FollowsTheFontsCharacterSet) {
    const Decoded& d = GetParam();
    EXPECT_EQ(wmf::TextDecoder::decode(d.bytes, d.charset, QString::fromLatin1(d.face)), d.text);
}

INSTANTIATE_TEST_SUITE_P(
    Charsets, WmfTextDecoder,
    ::testing::Values(Decoded{"Ansi", "\xe9", 0, "Arial", QStringLiteral("\u00e9")},
                      Decoded{"SymbolSet", "a\xe9", 2, "Symbol", QStringLiteral("\u03b1\u23a1")},
                      // DEFAULT_CHARSET asks for Symbol's own set.
                      Decoded{"DefaultSetOfSymbol", "a\xe9", 1, "Symbol",
                              QStringLiteral("\u03b1\u23a1")},
                      Decoded{"DefaultSetOfArial", "\xe9", 1, "Arial", QStringLiteral("\u00e9")},
                      Decoded{"ShiftJis", "\x82\xa0", 128, "MS Gothic", QStringLiteral("\u3042")}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
