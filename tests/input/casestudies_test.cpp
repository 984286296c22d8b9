// Every case study that ships, found through its file in casestudies/: its menu is opened
// by a double-click as by one click, each screen it opens is reached and left with the
// keys alone and names every control for a screen reader, and a word of each activity is
// carried into its box by the keys.
#include "inputfixture.h"

#include "shell/casestudymenu.h"
#include "shell/intro0.h"
#include "shell/titlefrm.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString kClick = QStringLiteral("wav\\click.wav");

std::vector<std::string> shippedCaseStudies() {
    std::vector<std::string> ids;
    const QDir folder(QStringLiteral(PW_DATA_DIR "/casestudies"));
    for (const QString& file : folder.entryList({QStringLiteral("*.json")}, QDir::Files)) {
        ids.push_back(QFileInfo(file).completeBaseName().toStdString());
    }
    return ids;
}

class EveryCaseStudy : public InputFixture, public ::testing::WithParamInterface<std::string> {
protected:
    // The main-menu entry that carries the case study's title.
    forms::Label* entryFor(intro0& menu, const QString& title) {
        forms::Label* entry = nullptr;
        menu.Label2.forEach([&](int, forms::Label& l) {
            if (l.Caption() == title) {
                entry = &l;
            }
        });
        return entry;
    }
};

TEST(ShippedCaseStudies, AreFound) {
    EXPECT_GE(shippedCaseStudies().size(), 12u);
}

TEST_P(EveryCaseStudy, WorksByKeysTakesADoubleClickAsOneAndNamesEveryControl) {
    const QString id = QString::fromStdString(GetParam());
    intro0& main = toMenu();
    const auto opened = program.caseStudies.open(id);
    ASSERT_TRUE(opened.menu) << "casestudies/" << GetParam() << ".json";
    forms::Label* entry = entryFor(main, opened.menu->title);
    ASSERT_NE(entry, nullptr) << "no main-menu entry for " << opened.menu->title.toStdString();

    sound.played.clear();
    doubleClick(*entry);
    CaseStudyMenu* menu = forms.loaded<CaseStudyMenu>(id);
    ASSERT_EQ(top(), menu);
    EXPECT_EQ(played(kClick), 1);
    expectNamed(*menu);

    // Key Facts, Teacher's Notes, Multiple Choice, Labelling Activity, Ordering Activity.
    for (int k : {4, 5, 0, 1, 3}) {
        const std::string what = menu->label3[k].Caption().toStdString();
        ASSERT_TRUE(tabTo(menu->label3[k])) << what;
        pressKey(Qt::Key_Return);
        settle();
        forms::Screen* screen = top();
        ASSERT_NE(screen, menu) << what;
        expectNamed(*screen);
        if (auto* activity = dynamic_cast<ActivityScreen*>(screen)) {
            ASSERT_GT(activity->itemCount(), 0) << what;
            const forms::Label& box = activity->Label1[0];
            carry(*activity, 0, {box.Left(), box.Top(), box.Width(), box.Height()});
            EXPECT_EQ(activity->Label2[0].Top(), box.Top()) << what;
            EXPECT_TRUE(activity->Label2[0].accessibleName().contains(QStringLiteral(", in box ")))
                << activity->Label2[0].accessibleName().toStdString();
        }
        pressKey(Qt::Key_Escape);
        settle();
        ASSERT_EQ(top(), menu) << "Escape from " << what;
    }
    EXPECT_TRUE(dialogs.shown.isEmpty()) << dialogs.texts().join(QLatin1Char('\n')).toStdString();

    // The second click would land on the main menu's own "Exit", in the same place.
    doubleClick(menu->label3[2]);
    settle();
    EXPECT_EQ(top(), loaded<intro0>());
    EXPECT_FALSE(forms.isLoaded<Titlefrm>());
}

INSTANTIATE_TEST_SUITE_P(Shipped, EveryCaseStudy, ::testing::ValuesIn(shippedCaseStudies()),
                         [](const auto& info) { return info.param; });

} // namespace
