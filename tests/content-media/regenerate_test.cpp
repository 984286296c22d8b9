// The generators rebuild data/ exactly: twice the same bytes, and what is shipped, so data/
// never drifts from the sources in content/ and tools/. Against the shipped files a raster
// image may differ by a level of colour here and there: Qt's drawing rounds a little
// differently on processors with other vector instructions.
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct Generator {
    const char* program; // empty when this build has no such tool
    const char* folder;  // the data folder it writes
};

void PrintTo(const Generator& g, std::ostream* os) {
    *os << g.folder;
}

#ifndef PW_GEN_PICTURES
#define PW_GEN_PICTURES ""
#endif
#ifndef PW_GEN_LOGO
#define PW_GEN_LOGO ""
#endif
#ifndef PW_GEN_SOUNDS
#define PW_GEN_SOUNDS ""
#endif

const Generator kGenerators[] = {
    {PW_GEN_PICTURES, "images"},
    {PW_GEN_LOGO, "logo"},
    {PW_GEN_LOGO, "icons"},
    {PW_GEN_SOUNDS, "wav"},
};

// File name (relative to `root`) to a digest of its bytes.
QMap<QString, QByteArray> digests(const QString& root) {
    QMap<QString, QByteArray> result;
    QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            result.insert(QDir(root).relativeFilePath(path),
                          QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256));
    }
    return result;
}

// Runs the generator into a fresh data folder (with a docs folder beside it) and returns it.
QString generate(const QTemporaryDir& scratch, const char* program, const QString& name) {
    const QString root = scratch.filePath(name);
    QDir().mkpath(root + "/data");
    QDir().mkpath(root + "/docs");
    QProcess process;
    process.start(program, {PW_SOURCE_DIR "/content", root + "/data"});
    EXPECT_TRUE(process.waitForFinished(120000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    return root;
}

// Whether two files hold the same thing: the same bytes, or for PNG images the same size
// and colours within one level.
bool sameContent(const QString& a, const QString& b) {
    QFile fa(a);
    QFile fb(b);
    if (!fa.open(QIODevice::ReadOnly) || !fb.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QByteArray bytesA = fa.readAll();
    const QByteArray bytesB = fb.readAll();
    if (bytesA == bytesB) {
        return true;
    }
    if (!a.endsWith(QLatin1String(".png"))) {
        return false;
    }
    const QImage ia = QImage::fromData(bytesA).convertToFormat(QImage::Format_ARGB32);
    const QImage ib = QImage::fromData(bytesB).convertToFormat(QImage::Format_ARGB32);
    if (ia.isNull() || ia.size() != ib.size()) {
        return false;
    }
    for (int y = 0; y < ia.height(); ++y) {
        const auto* pa = reinterpret_cast<const uchar*>(ia.constScanLine(y));
        const auto* pb = reinterpret_cast<const uchar*>(ib.constScanLine(y));
        for (int i = 0; i < ia.width() * 4; ++i) {
            if (std::abs(int(pa[i]) - int(pb[i])) > 1) {
                return false;
            }
        }
    }
    return true;
}

// Files of the generated folder that differ from, or are missing in, the shipped one.
QStringList differing(const QString& generated, const QString& shipped) {
    QStringList result;
    QDirIterator it(generated, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString name = QDir(generated).relativeFilePath(path);
        if (!sameContent(path, QDir(shipped).filePath(name))) {
            result << name;
        }
    }
    return result;
}

class RegenerateTest : public ::testing::TestWithParam<Generator> {};

TEST_P(RegenerateTest, WritesTheSameBytesEveryTimeAndMatchesTheShippedData) {
    if (!*GetParam().program)
        GTEST_SKIP() << "generator not built";
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    const QString folder = QStringLiteral("/data/") + GetParam().folder;
    const QString firstRoot = generate(scratch, GetParam().program, "first");
    const auto first = digests(firstRoot + folder);
    const auto second = digests(generate(scratch, GetParam().program, "second") + folder);
    ASSERT_FALSE(first.isEmpty());
    EXPECT_EQ(first, second);
    const QString shipped = PW_DATA_DIR + QStringLiteral("/") + GetParam().folder;
    EXPECT_EQ(first.keys(), digests(shipped).keys()) << "data/" << GetParam().folder;
    EXPECT_EQ(differing(firstRoot + folder, shipped), QStringList())
        << "data/" << GetParam().folder << " is stale: run scripts/generate-data";
    // Previews written beside data/ must match the ones the README shows.
    EXPECT_EQ(differing(firstRoot + "/docs", PW_SOURCE_DIR "/docs"), QStringList()) << "docs/";
}

INSTANTIATE_TEST_SUITE_P(Generators, RegenerateTest, ::testing::ValuesIn(kGenerators));

} // namespace
