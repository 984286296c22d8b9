// Every page drawing the viewer and the guide name, in both folders: well-formed
// placeable metafiles that fit the area they are shown or printed in.
#include "metafilecheck.h"

#include "cp1252.h"

#include <QFile>
#include <QSet>

#include <gtest/gtest.h>

#ifdef PW_HAVE_WMF_READER
#include "media/wmf/metafile.h"
#endif

#include <variant>

namespace {

struct PageCase {
    const char* name;
    const char* folder;
    int maxWidth; // twips
    int maxHeight;
};

void PrintTo(const PageCase& c, std::ostream* os) {
    *os << c.folder << '/' << c.name;
}

// Screen drawings sit at (120, 0), left of the "Print" label (x 10680) and above the
// bottom row (y 7920); the acknowledgments page keeps clear of the logo from x 9500.
// Print drawings are placed at (1000, 1000) on A4 or Letter.
std::vector<PageCase> pageCases() {
    const char* names[] = {"key manchester1a",
                           "key manchester1b",
                           "key manchester2a",
                           "key manchester2b",
                           "key manchester2c",
                           "manchester1",
                           "manchester2",
                           "acknowledgments",
                           "guide1",
                           "guide2",
                           "guide3",
                           "guide4",
                           "guide5"};
    std::vector<PageCase> cases;
    for (const char* n : names) {
        const bool ack = QLatin1String(n) == QLatin1String("acknowledgments");
        cases.push_back({n, "wmf", ack ? 9500 - 120 : 10440, 7800});
        cases.push_back({n, "wmf2", 9800, 13000});
    }
    return cases;
}

QString pagePath(const PageCase& c) {
    return QStringLiteral(PW_DATA_DIR "/%1/%2.wmf")
        .arg(QLatin1String(c.folder), QLatin1String(c.name));
}

QByteArray textOf(const MetafileSummary::Record& r) {
    QByteArray bytes;
    for (size_t i = 1; i < r.params.size(); ++i) {
        bytes.append(char(r.params[i] & 0xFF));
        bytes.append(char((uint16_t(r.params[i]) >> 8) & 0xFF));
    }
    return bytes.left(r.params.at(0));
}

// Every coordinate pair that a drawing record names, as (x, y).
std::vector<std::pair<int, int>> pointsOf(const MetafileSummary::Record& r) {
    const auto& p = r.params;
    switch (r.function) {
    case 0x041B: // Rectangle, Ellipse: bottom, right, top, left
    case 0x0418:
        return {{p[3], p[2]}, {p[1], p[0]}};
    case 0x061C: // RoundRect: corner h, corner w, bottom, right, top, left
        return {{p[5], p[4]}, {p[3], p[2]}};
    case 0x0324: // Polygon, Polyline: count, then x, y pairs
    case 0x0325: {
        std::vector<std::pair<int, int>> pts;
        for (int i = 0; i < p[0]; ++i) {
            pts.push_back({p[size_t(1 + 2 * i)], p[size_t(2 + 2 * i)]});
        }
        return pts;
    }
    case 0x0214: // MoveTo, LineTo: y, x
    case 0x0213:
        return {{p[1], p[0]}};
    case 0x0521: { // TextOut: length, string, y, x
        const size_t at = 1 + size_t(p[0] + 1) / 2;
        return {{p[at + 1], p[at]}};
    }
    default:
        return {};
    }
}

class PageFile : public ::testing::TestWithParam<PageCase> {
protected:
    void SetUp() override {
        QFile f(pagePath(GetParam()));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << qPrintable(pagePath(GetParam()));
        m_summary = checkMetafile(f.readAll());
        ASSERT_TRUE(m_summary.error.isEmpty()) << qPrintable(m_summary.error);
    }
    bool screen() const { return QLatin1String(GetParam().folder) == QLatin1String("wmf"); }
    MetafileSummary m_summary;
};

TEST_P(PageFile, FitsItsAreaAndMapsTwipsOneToOne) {
    const PageCase& c = GetParam();
    EXPECT_GT(m_summary.width, 0);
    EXPECT_LE(m_summary.width, c.maxWidth);
    EXPECT_GT(m_summary.height, 0);
    EXPECT_LE(m_summary.height, c.maxHeight);
    bool anisotropic = false, extent = false;
    for (const auto& r : m_summary.records) {
        anisotropic |= r.function == 0x0103 && r.params.at(0) == 8;
        extent |= r.function == 0x020C && r.params.at(0) == m_summary.height &&
                  r.params.at(1) == m_summary.width;
    }
    EXPECT_TRUE(anisotropic);
    EXPECT_TRUE(extent) << "window extent differs from the bounding box";
}

TEST_P(PageFile, EverythingIsDrawnInsideTheBoundingBox) {
    for (const auto& r : m_summary.records) {
        for (auto [x, y] : pointsOf(r)) {
            EXPECT_TRUE(x >= 0 && x <= m_summary.width && y >= 0 && y <= m_summary.height)
                << "record " << std::hex << r.function << std::dec << " at " << x << ", " << y;
        }
    }
}

TEST_P(PageFile, TextIsReadableOnItsBackground) {
    int texts = 0;
    for (const auto& r : m_summary.records) {
        if (r.function == 0x0209) { // SetTextColor: red, green, blue, 0
            const int red = r.params[0] & 0xFF, green = (uint16_t(r.params[0]) >> 8) & 0xFF,
                      blue = r.params[1] & 0xFF;
            const int luminance = (299 * red + 587 * green + 114 * blue) / 1000;
            if (screen()) {
                EXPECT_GT(luminance, 150) << "dark text on the dark blue screen";
            } else {
                EXPECT_LT(luminance, 110) << "pale text on white paper";
            }
        } else if (r.function == 0x0521) {
            ++texts;
            EXPECT_TRUE(pw::gen::isPrintableCp1252(textOf(r)));
        } else if (r.function == 0x02FB) { // CreateFontIndirect: face name at byte 18
            QByteArray face;
            for (size_t i = 9; i < r.params.size(); ++i) {
                face.append(char(r.params[i] & 0xFF)).append(char(uint16_t(r.params[i]) >> 8));
            }
            const QSet<QByteArray> faces{"Tahoma", "Times New Roman", "Arial"};
            EXPECT_TRUE(faces.contains(face.left(face.indexOf('\0')))) << face.constData();
        }
    }
    EXPECT_GT(texts, 5);
}

// The viewer's own colour is the screen drawing's background, and paper the print
// drawing's: a shape that filled the frame would hide the one or waste ink on the other.
TEST_P(PageFile, PaintsNoBackground) {
    const long frame = long(m_summary.width) * m_summary.height;
    for (const auto& r : m_summary.records) {
        if (r.function == 0x041B || r.function == 0x061C) {
            const auto pts = pointsOf(r);
            const long area = long(pts[1].first - pts[0].first) * (pts[1].second - pts[0].second);
            EXPECT_LT(area, frame / 2) << "a shape covers half the page";
        }
    }
}

#ifdef PW_HAVE_WMF_READER
TEST_P(PageFile, ProgramsReaderLoadsItAtItsOwnSize) {
    auto read = wmf::Metafile::readFile(pagePath(GetParam()));
    ASSERT_TRUE(std::holds_alternative<wmf::Metafile>(read))
        << qPrintable(std::get<wmf::Error>(read).message);
    const wmf::Metafile& m = std::get<wmf::Metafile>(read);
    EXPECT_TRUE(m.hasPlaceableHeader());
    EXPECT_DOUBLE_EQ(m.sizeTwips().width(), m_summary.width);
    EXPECT_DOUBLE_EQ(m.sizeTwips().height(), m_summary.height);
    EXPECT_LE(m.sizeTwips().width(), GetParam().maxWidth);
    EXPECT_LE(m.sizeTwips().height(), GetParam().maxHeight);
}
#endif

INSTANTIATE_TEST_SUITE_P(Shipped, PageFile, ::testing::ValuesIn(pageCases()), [](const auto& info) {
    QString n = QStringLiteral("%1_%2").arg(QLatin1String(info.param.folder),
                                            QLatin1String(info.param.name));
    n.replace(QLatin1Char(' '), QLatin1Char('_'));
    return n.toStdString();
});

} // namespace
