// Every corpus metafile drawn and compared with its reference rendering.
//
// PW_WMF_DUMP=DIR writes each rendering beside its reference into DIR;
// PW_WMF_SCORES=FILE writes the score table (tests/wmf/SCORES.md is made that way).
#include "media/wmf/metafile.h"
#include "wmf/corpus.h"
#include "wmf/imagecomparison.h"

#include <QFile>
#include <QMap>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

// A score at or under the bar is a picture a person would call the same.
constexpr double kBar = 0.30;

// Files judged against a looser bar, and why. Each is to be brought under kBar.
const QMap<QString, double> kLooserBars = {
    {"dotnet-gdiwmfboundariesbug", 0.38}, // the reference fills the hatched brush solid
    {"libwmf-p0000001", 0.34},            // Symbol's bracket pieces come from another font
    {"libwmf-text", 0.50},                // Bookman, Courier, Symbol: other faces stand in
    {"wmf2svg-symbol-font-tables", 0.36}, // the reference draws symbol fonts as pictures
    {"wmfjs-dash-dot", 0.33},             // 3.2 px pens: smoothed here, 3 whole pixels there
};

QMap<QString, double>& scores() {
    static QMap<QString, double> table;
    return table;
}

double barFor(const QString& stem) {
    return kLooserBars.value(stem, kBar);
}

class ScoreTable : public ::testing::Environment {
public:
    void TearDown() override {
        const QString path = qEnvironmentVariable("PW_WMF_SCORES");
        QFile file(path);
        if (path.isEmpty() || !file.open(QIODevice::WriteOnly | QIODevice::Text))
            return;
        QString text =
            QStringLiteral(
                "# Corpus scores\n\nMade by `PW_WMF_SCORES=tests/wmf/SCORES.md wmf_tests "
                "--gtest_filter='Corpus*'`. Score: block-averaged grey difference over ink "
                "(0 = same, 1 = nothing in common); bar %1 unless the test names a looser one.\n\n"
                "| File | Score | Bar | Result |\n| --- | ---: | ---: | --- |\n")
                .arg(kBar);
        for (auto it = scores().cbegin(); it != scores().cend(); ++it)
            text += QStringLiteral("| %1 | %2 | %3 | %4 |\n")
                        .arg(it.key())
                        .arg(it.value(), 0, 'f', 3)
                        .arg(barFor(it.key()), 0, 'f', 2)
                        .arg(it.value() <= barFor(it.key()) ? "pass" : "FAIL");
        file.write(text.toUtf8());
    }
};

const auto* const kScoreTable = ::testing::AddGlobalTestEnvironment(new ScoreTable);

class CorpusTest : public ::testing::TestWithParam<QString> {};

// The references of small pictures were made at a whole multiple of 96 dpi.
QImage renderLike(const wmf::Metafile& metafile, const QImage& reference) {
    const QSize own = metafile.sizePixels(96);
    const double factor = std::max(1.0, std::round(double(reference.width()) / own.width()));
    return metafile.toImage(96 * factor, Qt::white);
}

TEST_P(CorpusTest, DrawsLikeTheReference) {
    const QString stem = GetParam();
    const auto result = wmf::Metafile::readFile(corpus::wmfDir() + "/" + stem + ".wmf");
    ASSERT_TRUE(std::holds_alternative<wmf::Metafile>(result))
        << std::get<wmf::Error>(result).message.toStdString();
    const QImage reference(corpus::refDir() + "/" + stem + ".png");
    ASSERT_FALSE(reference.isNull());
    const QImage rendering = renderLike(std::get<wmf::Metafile>(result), reference);
    const double score = ImageComparison::score(rendering, reference);
    scores().insert(stem, score);
    if (const QString dir = qEnvironmentVariable("PW_WMF_DUMP"); !dir.isEmpty())
        ImageComparison::sideBySide(rendering, reference).save(dir + "/" + stem + ".png");
    EXPECT_LE(score, barFor(stem)) << stem.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Corpus, CorpusTest, ::testing::ValuesIn(corpus::referenced()),
                         [](const auto& info) {
                             std::string name = info.param.toStdString();
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

} // namespace
