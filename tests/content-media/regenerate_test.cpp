// The generators rebuild data/ exactly: twice the same bytes, and the same bytes as shipped,
// so data/ never drifts from the sources in content/ and tools/.
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
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
    EXPECT_EQ(first, digests(PW_DATA_DIR + QStringLiteral("/") + GetParam().folder))
        << "data/" << GetParam().folder << " is stale: run scripts/generate-data";
    // Previews written beside data/ must match the ones the README shows.
    const auto previews = digests(firstRoot + "/docs");
    const auto shipped = digests(PW_SOURCE_DIR "/docs");
    for (auto it = previews.begin(); it != previews.end(); ++it)
        EXPECT_EQ(it.value(), shipped.value(it.key())) << "docs/" << qPrintable(it.key());
}

INSTANTIATE_TEST_SUITE_P(Generators, RegenerateTest, ::testing::ValuesIn(kGenerators));

} // namespace
