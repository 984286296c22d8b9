// Every case study the program ships, opened from the main menu as a pupil does: each of
// its key-fact pages turns and prints its own drawing, and so do the teacher's notes.
#include "media/pictures/pictures.h"
#include "reading/pagefixture.h"
#include "reading/teacher.h"
#include "shell/casestudymenu.h"
#include "shell/intro0.h"

#include <QFile>
#include <vector>

namespace {

class ShippedPages : public PageFixture {
protected:
    QSize shippedSize(const QString& name) {
        const auto p = pictures.load(name);
        EXPECT_TRUE(p.has_value()) << name.toStdString();
        return p ? sizeOf(*p) : QSize();
    }

    // Turns through what the viewer shows, printing each page; returns the pages seen.
    int turnAndPrint(teacher& v, const QString& pageset) {
        const int pages = state.pagecount;
        for (int page = 1; page <= pages; ++page) {
            // The notes are one page named after the set; key facts are lettered a, b...
            const bool single = pages == 1 && QFile::exists(path("wmf/" + pageset + ".wmf"));
            const QString file =
                (single ? pageset : pageset + QChar(u'a' + page - 1)) + QStringLiteral(".wmf");
            SCOPED_TRACE(file.toStdString());
            EXPECT_EQ(sizeOf(v.Image1.picture()), shippedSize(QStringLiteral("wmf\\") + file));
            printer.log.clear();
            click(v.Label3[0]);
            EXPECT_EQ(printer.log, printedPage(shippedSize(QStringLiteral("wmf2\\") + file)));
            if (page < pages) {
                click(v.Label3[2]);
                EXPECT_EQ(v.Label1.Caption(),
                          QStringLiteral("Page %1 of %2").arg(page + 1).arg(pages));
            }
        }
        click(v.Label3[1]);
        settle();
        return pages;
    }
};

TEST_F(ShippedPages, EveryCaseStudysKeyFactsAndNotesTurnAndPrint) {
    int studies = 0;
    intro0* menu = &forms.show<intro0>();
    std::vector<int> entries;
    menu->Label2.forEach([&](int index, const forms::Label&) { entries.push_back(index); });
    for (int entry : entries) {
        click(menu->Label2[entry]);
        auto* study = dynamic_cast<CaseStudyMenu*>(top());
        if (!study) {
            dialogs.shown.clear(); // "not part of this edition"
            continue;
        }
        SCOPED_TRACE(menu->Label2[entry].Caption().toStdString());
        ++studies;
        for (int item : {4, 5}) { // "Key Facts", then the teacher's notes
            click(study->label3[item]);
            teacher* v = forms.loaded<teacher>();
            ASSERT_NE(v, nullptr);
            ASSERT_EQ(top(), v);
            const int pages = turnAndPrint(*v, state.pageset);
            EXPECT_GE(pages, 1);
            EXPECT_LE(pages, 4);
            EXPECT_EQ(top(), study);
        }
        EXPECT_TRUE(dialogs.shown.isEmpty()) << dialogs.texts().join('\n').toStdString();
        forms.unloadAll();
        settle();
        menu = &forms.show<intro0>();
    }
    EXPECT_EQ(studies, 12) << "six places, The Facts and Development of each";
}

} // namespace
