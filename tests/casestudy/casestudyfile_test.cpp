#include "core/casestudy/casestudies.h"
#include "core/casestudy/casestudyfile.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using casestudy::CaseStudies;
using casestudy::Problem;

QByteArray shipped(const char* name) {
    QFile f(QStringLiteral(PW_DATA_DIR "/casestudies/") + QLatin1String(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Sets (or with an undefined value removes) the value at a path such as
// "labelling.items[0].box" in a JSON document.
QJsonValue changed(QJsonValue node, QStringList steps, const QJsonValue& value) {
    const QString step = steps.takeFirst();
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("^(\\w+)(?:\\[(\\d+)\\])?$")).match(step);
    QJsonObject o = node.toObject();
    QJsonValue child = o.value(m.captured(1));
    if (m.capturedLength(2)) {
        QJsonArray a = child.toArray();
        const int i = m.captured(2).toInt();
        a[i] = steps.isEmpty() ? value : changed(a[i], steps, value);
        child = a;
    } else {
        child = steps.isEmpty() ? value : changed(child, steps, value);
    }
    if (child.isUndefined()) {
        o.remove(m.captured(1));
    } else {
        o[m.captured(1)] = child;
    }
    return o;
}

QByteArray with(const char* path, const QJsonValue& value, const char* file = "manchester1.json") {
    const QJsonValue root = QJsonDocument::fromJson(shipped(file)).object();
    return QJsonDocument(
               changed(root, QString::fromLatin1(path).split(QLatin1Char('.')), value).toObject())
        .toJson();
}

QJsonArray numbers(std::initializer_list<double> v) {
    QJsonArray a;
    for (double d : v) {
        a.append(d);
    }
    return a;
}

TEST(CaseStudyFile, TheShippedFactsMenuReadsWithItsDesignValues) {
    Problem problem;
    const auto menu =
        casestudy::parse(shipped("manchester1.json"), QStringLiteral("manchester1"), &problem);
    ASSERT_TRUE(menu.has_value()) << problem.field.toStdString() << " "
                                  << problem.what.toStdString();
    EXPECT_EQ(menu->title, QStringLiteral("Manchester: The Facts"));
    EXPECT_EQ(menu->keyPagecount, 2);
    ASSERT_EQ(menu->labelling.items.size(), 5u);
    EXPECT_EQ(menu->labelling.items[0].word, QStringLiteral("Rochdale"));
    EXPECT_FLOAT_EQ(menu->labelling.items[0].box.left, 7530);
    EXPECT_EQ(menu->ordering.items.size(), 6u);
    const QStringList files = menu->files();
    for (const char* f : {"wmf2\\key manchester1b.wmf", "wmf\\manchester1.wmf",
                          "Images\\manchester map.jpg", "multiple\\Manchester Facts.txt"}) {
        EXPECT_TRUE(files.contains(QLatin1String(f))) << f;
    }
}

TEST(CaseStudyFile, StatementsAreGroupedByTheirOwnColumnNames) {
    const auto menu =
        casestudy::parse(shipped("manchester2.json"), QStringLiteral("manchester2"), nullptr);
    ASSERT_TRUE(menu.has_value());
    const casestudy::Activity& tf = menu->ordering;
    EXPECT_EQ(tf.scoring, casestudy::Scoring::Groups);
    EXPECT_EQ(tf.groups, (QStringList{"False", "True"}));
    EXPECT_EQ(tf.items[4].group, 0);
    EXPECT_EQ(tf.items[5].group, 1);
    EXPECT_EQ(tf.items[5].word, QStringLiteral("The Roman name for Manchester was Mamucium."));
}

struct Damage {
    const char* name;
    QByteArray bytes;
    const char* field; // the field the problem names
    const char* says;  // part of what it says
};

class DamagedFile : public ::testing::TestWithParam<Damage> {};

TEST_P(DamagedFile, NamesTheFieldAndWhatIsWrong) {
    Problem problem;
    EXPECT_FALSE(
        casestudy::parse(GetParam().bytes, QStringLiteral("manchester1"), &problem).has_value());
    EXPECT_EQ(problem.field, QLatin1String(GetParam().field));
    EXPECT_TRUE(problem.what.contains(QLatin1String(GetParam().says)))
        << problem.what.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, DamagedFile,
    ::testing::Values(
        Damage{"NotJson", "{\"title\": ", "", "not readable as JSON"},
        Damage{"NotAnObject", "[1, 2]", "", "one group of fields"},
        Damage{"Missing", with("title", QJsonValue::Undefined), "title", "is missing"},
        Damage{"WrongType", with("title", 12), "title", "should be a text"},
        Damage{"EmptyText", with("quiz", " "), "quiz", "not empty"},
        Damage{"OffScreen", with("titlePlace", numbers({9000, 0, 6240, 900})), "titlePlace",
               "off the screen"},
        Damage{"NoSize", with("labelling.items[2].box", numbers({4200, 3960, 0, 375})),
               "labelling.items[2].box", "width and a height"},
        Damage{"ThreeNumbers", with("pictureBox", numbers({1, 2, 3})), "pictureBox",
               "list of 4 numbers"},
        Damage{"PictureWhollyOff",
               with("labelling.pictures[0].place", numbers({12000, 0, 100, 100})),
               "labelling.pictures[0].place", "off the screen"},
        Damage{"TooManyPages", with("keyFacts.pagecount", 5), "keyFacts.pagecount",
               "between 1 and 4"},
        Damage{"UnknownRule", with("ordering.scoring", "sometimes"), "ordering.scoring",
               "\"index\" or \"groups\""},
        Damage{"SameWordTwice", with("labelling.items[1].word", "Rochdale"),
               "labelling.items[1].word", "appears twice"},
        Damage{"BoxesTooClose", with("labelling.items[0].box", numbers({7590, 4250, 1560, 375})),
               "labelling.items[0].box", "would not stay there"},
        Damage{"LabelOffScreen", with("ordering.items[0].start", numbers({11000, 7320})),
               "ordering.items[0].start", "off the screen"},
        Damage{"NoWords", with("ordering.items", QJsonArray()), "ordering.items",
               "at least one word"},
        Damage{"UnknownLabel", with("ordering.texts[0].label", "Label6"), "ordering.texts[0].label",
               "\"Label5\""},
        Damage{"ColourOutOfRange", with("labelling.background", numbers({0, 51, 300})),
               "labelling.background[2]", "between 0 and 255"},
        Damage{"GroupMissing",
               with("ordering.items[3].group", QJsonValue::Undefined, "manchester2.json"),
               "ordering.items[3].group", "is missing"},
        Damage{"OneGroupOnly", with("ordering.scoring", "groups"), "ordering.items[0].group",
               "is missing"}),
    [](const auto& info) { return std::string(info.param.name); });

class CaseStudiesFolder : public ::testing::Test {
protected:
    CaseStudiesFolder() : studies(dir.filePath(QStringLiteral("casestudies"))) {
        QDir(dir.path()).mkdir(QStringLiteral("casestudies"));
    }
    void write(const QString& name, const QByteArray& bytes) {
        QFile f(dir.filePath(QStringLiteral("casestudies/") + name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QTemporaryDir dir;
    CaseStudies studies;
};

TEST_F(CaseStudiesFolder, OpeningTellsMissingFromDamagedAndKeepsOnlyWhatRead) {
    write(QStringLiteral("manchester1.json"), shipped("manchester1.json"));
    write(QStringLiteral("manchester2.json"), with("notes", 3, "manchester2.json"));

    EXPECT_EQ(studies.open(QStringLiteral("kinver1")).status, CaseStudies::Status::Missing);
    EXPECT_EQ(studies.open(QStringLiteral("../manchester1")).status, CaseStudies::Status::Damaged);
    const CaseStudies::Result damaged = studies.open(QStringLiteral("manchester2"));
    EXPECT_EQ(damaged.status, CaseStudies::Status::Damaged);
    const QString message = CaseStudies::describe(damaged);
    EXPECT_TRUE(message.contains(QStringLiteral("casestudies/manchester2.json")) &&
                message.contains(QStringLiteral("notes")))
        << message.toStdString();
    EXPECT_EQ(studies.menu(QStringLiteral("manchester2")), nullptr);

    ASSERT_EQ(studies.open(QStringLiteral("manchester1")).status, CaseStudies::Status::Opened);
    ASSERT_NE(studies.activity(QStringLiteral("manchester1lab")), nullptr);
    EXPECT_EQ(studies.activity(QStringLiteral("manchester1lab"))->items.size(), 5u);
    EXPECT_EQ(studies.activity(QStringLiteral("manchester1ord"))->items.size(), 6u);
    EXPECT_EQ(studies.activity(QStringLiteral("manchester2ord")), nullptr);
    // A menu file damaged elsewhere still protects its quiz from being overwritten.
    EXPECT_EQ(studies.quizFiles(), (QStringList{"multiple\\Manchester Facts.txt",
                                                "multiple\\Manchester Development.txt"}));
}

} // namespace
