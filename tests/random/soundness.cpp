#include "soundness.h"

#include "authoring/register/worksheetregister.h"
#include "core/grey.h"
#include "core/programstate.h"
#include "media/textfile/fieldreader.h"
#include "media/textfile/textfileerror.h"
#include "quiz/file/quizfile.h"
#include "shell/casestudymenu.h"
#include "shell/intro0.h"
#include "shell/titlefrm.h"
#ifdef PW_WITH_READING
#include "reading/guide.h"
#include "reading/teacher.h"
#endif
#ifdef PW_WITH_QUIZ
#include "quiz/multiple.h"
#include "quiz/welldone.h"
#include "quiz/wrong.h"
#endif
#ifdef PW_WITH_ACTIVITIES
#include "activities/activityscreen.h"
#endif
#ifdef PW_WITH_AUTHORING
#include "authoring/wizard.h"
#include "authoring/worksheets.h"
#endif

#include <QDir>
#include <typeindex>
#include <unordered_set>

namespace soundness {
namespace {

const std::unordered_set<std::type_index>& programScreens() {
    static const std::unordered_set<std::type_index> kinds = {
        typeid(Titlefrm),        typeid(Grey),           typeid(intro0), typeid(CaseStudyMenu),
#ifdef PW_WITH_READING
        typeid(teacher),         typeid(guide),
#endif
#ifdef PW_WITH_QUIZ
        typeid(multiple),        typeid(Welldone),       typeid(Wrong),
#endif
#ifdef PW_WITH_ACTIVITIES
        typeid(LabellingScreen), typeid(OrderingScreen),
#endif
#ifdef PW_WITH_AUTHORING
        typeid(wizard),          typeid(worksheets),
#endif
    };
    return kinds;
}

QString nameOf(const forms::Screen& s) {
    return QString::fromLatin1(typeid(s).name());
}

// Form_Load dresses every screen but the title screen and the backdrop first thing; a
// screen that is loaded but not dressed did not finish loading.
bool dressed(const forms::Screen& s) {
    if (typeid(s) == typeid(Titlefrm)) {
        return s.Width() == 5460 && s.Height() == 6570;
    }
    if (typeid(s) == typeid(Grey)) {
        return true;
    }
    return s.Width() == 12000 && s.Height() == 9000 && s.Caption() == QLatin1String("Placeworks");
}

} // namespace

QString screens(const forms::Forms& forms, const forms::Display& display) {
    const std::vector<forms::Screen*> loaded = forms.loadedScreens();
    for (const forms::Screen* s : loaded) {
        if (!programScreens().count(typeid(*s))) {
            return QStringLiteral("a loaded screen of unknown kind: ") + nameOf(*s);
        }
        if (s->unloaded() || s->parentWidget() != &display) {
            return QStringLiteral("a registered screen that is unloaded or off the display: ") +
                   nameOf(*s);
        }
        if (!dressed(*s)) {
            return QStringLiteral("a half-loaded screen: ") + nameOf(*s);
        }
    }
    for (const QObject* child : display.children()) {
        const auto* s = dynamic_cast<const forms::Screen*>(child);
        if (s && std::find(loaded.begin(), loaded.end(), s) == loaded.end()) {
            return QStringLiteral("an unloaded screen left on the display: ") + nameOf(*s);
        }
    }
    const forms::Screen* top = forms.topScreen();
    if (!top) {
        return QStringLiteral("no screen shown");
    }
    if (std::find(loaded.begin(), loaded.end(), top) == loaded.end()) {
        return QStringLiteral("the top screen is not loaded: ") + nameOf(*top);
    }
    return {};
}

QString worksheetRegister(media::TextFiles& files) {
    if (!QFile::exists(reg::kRegisterPath)) {
        return {}; // no worksheet saved yet, and none shipped
    }
    try {
        media::FieldReader file = files.openForReading(reg::kRegisterPath);
        const int count = file.readNumber();
        if (count < 0 || count > RegisterState::kMaxTitles) {
            return QStringLiteral("the register counts %1 titles").arg(count);
        }
        for (int i = 1; i <= count; ++i) {
            file.readField();
        }
    } catch (const media::TextFileError& e) {
        return QStringLiteral("the register does not read: ") + QString::fromUtf8(e.what());
    }
    return {};
}

QString quizFiles(media::TextFiles& files) {
    const QStringList names =
        QDir(QStringLiteral("multiple")).entryList({QStringLiteral("*.txt")}, QDir::Files);
    for (const QString& name : names) {
        if (name.compare(QLatin1String("track.txt"), Qt::CaseInsensitive) == 0) {
            continue;
        }
        try {
            media::FieldReader file = files.openForReading(QStringLiteral("multiple/") + name);
            ProgramState scratch;
            loadquiz(file, scratch);
        } catch (const media::TextFileError& e) {
            return QStringLiteral("the quiz file %1 does not read: %2")
                .arg(name, QString::fromUtf8(e.what()));
        }
    }
    return {};
}

} // namespace soundness
