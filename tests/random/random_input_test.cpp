// A long run of random user input on the whole program, started as the program starts
// (the title screen), started again whenever it ends. After every action no screen may
// be half-loaded or left behind, and every few actions the worksheet register and the
// quiz files must still read. The run is reproducible from its seed (PW_RANDOM_SEED).
//
// The soak is the same run for minutes on end (PW_SOAK_MINUTES; skipped unless set, see
// README.md here), which also asks that every screen is reached and that memory stays
// flat after the first minute.
#include "forms/glyphs.h"
#include "forms/renderedpictures.h"
#include "randominput.h"
#include "shell/casestudymenu.h"
#include "shell/titlefrm.h"
#include "soundness.h"
#include "support/programfixture.h"
#ifdef PW_WITH_ACTIVITIES
#include "activities/activityscreen.h"
#endif

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <deque>
#include <map>
#include <random>
#include <unistd.h>

#ifdef __SANITIZE_ADDRESS__
extern "C" size_t __sanitizer_get_current_allocated_bytes();
extern "C" size_t __sanitizer_get_heap_size();
#endif

namespace {

constexpr unsigned kDefaultSeed = 3; // reaches every screen, the review of wrong answers too
constexpr int kDefaultSteps = 8000;
constexpr int kFileCheckEvery = 25;

// The soak starts the program again every kSoakRestartEvery steps, so that the walk
// reaches every screen, and measures memory right then, with only the title screen
// loaded: the figure at the first restart after a minute (when the pictures, fonts and
// allocator pools of every screen are in) against the highest at any later restart.
// Resident memory may swing by the freed blocks AddressSanitizer holds back (its
// quarantine, 32 MB in the soak script) and heap in use by little; a screen or picture
// kept per restart would add far more than either tolerance in minutes. What is lost
// outright, LeakSanitizer reports at exit.
constexpr int kSoakRestartEvery = 500;
constexpr qint64 kSoakBaselineMs = 60'000;
constexpr qint64 kSoakReportMs = 15'000;
constexpr double kSoakResidentToleranceMb = 32.0;
constexpr double kSoakHeapToleranceMb = 2.0;

// One memory figure over a soak: at the first restart after a minute, the highest at any
// later restart, and the last.
struct Watermark {
    double atMinute = -1;
    double highest = -1;
    double last = -1;

    void add(double mb, bool pastMinute) {
        last = mb;
        if (atMinute >= 0) {
            highest = std::max(highest, mb);
        } else if (pastMinute) {
            atMinute = mb;
        }
    }
    double growth() const { return highest - atMinute; }
};

unsigned seedOfRun(unsigned fallback) {
    bool ok = false;
    const unsigned seed = qEnvironmentVariable("PW_RANDOM_SEED").toUInt(&ok);
    return ok ? seed : fallback;
}

int stepsOfRun() {
    const int steps = qEnvironmentVariableIntValue("PW_RANDOM_STEPS");
    return steps > 0 ? steps : kDefaultSteps;
}

// Resident memory of this process in MB (Linux), or -1 when it cannot be read.
double residentMb() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly)) {
        return -1;
    }
    const QList<QByteArray> pages = statm.readAll().split(' ');
    return pages.size() > 1 ? pages[1].toDouble() * double(sysconf(_SC_PAGESIZE)) / (1 << 20) : -1;
}

// Heap in use by the program in MB (AddressSanitizer's count, without the freed blocks it
// holds back to catch a use after free), and all that its allocator has mapped; -1 in a
// build without it.
#ifdef __SANITIZE_ADDRESS__
double heapMb() {
    return double(__sanitizer_get_current_allocated_bytes()) / (1 << 20);
}
double allocatorMb() {
    return double(__sanitizer_get_heap_size()) / (1 << 20);
}
#else
double heapMb() {
    return -1;
}
double allocatorMb() {
    return -1;
}
#endif

// A screen's name for the log: its class, and which case study a case-study screen serves.
QString nameOf(const forms::Screen& s) {
    QString name =
        QString::fromLatin1(typeid(s).name()).remove(QRegularExpression(QStringLiteral("^\\d+")));
    if (const auto* menu = dynamic_cast<const CaseStudyMenu*>(&s)) {
        name += QLatin1Char(' ') + menu->study().id;
    }
#ifdef PW_WITH_ACTIVITIES
    if (const auto* activity = dynamic_cast<const ActivityScreen*>(&s)) {
        name += QLatin1Char(' ') + activity->screenId();
    }
#endif
    return name;
}

class RandomInputTest : public ProgramFixture {
protected:
    void start() {
        forms.unloadAll();
        settle();
        // A program started again has drawn and decoded nothing yet: the caches are bounded
        // but fill over minutes, which would hide a leak or pass for one.
        forms::rendered::clear();
        forms::glyphs::clear();
        pictures.clear();
        ended = false;
        forms.show<Titlefrm>();
        settle();
    }

    // One random action, then the checks; a failure tells the seed and how it was reached.
    void act(RandomInput& user) {
        ++m_steps;
        // The double-click guard's clock: mostly a pupil's pause between two actions,
        // every fourth action close behind the last, as a double-click or a bounce is.
        clock += m_steps % 4 == 0 ? 50 : 600;
        QString action;
        try {
            action = user.step();
            // Now and then long enough for the timers of the screens to fire.
            settle(m_steps % 20 == 0 ? 30 : 0);
        } catch (const std::exception& e) {
            FAIL() << "threw " << e.what() << where();
        }
        remember(QStringLiteral("%1: %2").arg(m_steps).arg(action));
        sound.played.clear();
        if (top()) {
            ++m_onTop[nameOf(*top())];
        }
        const QString wrong = soundness::screens(forms, display);
        ASSERT_TRUE(wrong.isEmpty()) << wrong.toStdString() << where();
        if (m_steps % kFileCheckEvery == 0) {
            checkFiles();
        }
        if (ended) {
            ++m_restarts;
            start();
        }
    }

    void checkFiles() {
        const QString wrong = soundness::worksheetRegister(files) + soundness::quizFiles(files);
        ASSERT_TRUE(wrong.isEmpty()) << wrong.toStdString() << where();
    }

    void printScreensOnTop() const {
        std::printf("%d steps, %d restarts; steps ended with on top:", m_steps, m_restarts);
        for (const auto& [name, count] : m_onTop) {
            std::printf(" %s %d,", qPrintable(name), count);
        }
        std::printf("\n");
    }

    // The screens never on top after a step: of every case study its menu and its two
    // activities, and the program's other screens.
    QStringList missedScreens() const {
        QStringList wanted = {QStringLiteral("Titlefrm"), QStringLiteral("intro0")};
#ifdef PW_WITH_READING
        wanted << QStringLiteral("guide") << QStringLiteral("teacher");
#endif
#ifdef PW_WITH_QUIZ
        wanted << QStringLiteral("multiple") << QStringLiteral("Wrong")
               << QStringLiteral("Welldone");
#endif
#ifdef PW_WITH_AUTHORING
        wanted << QStringLiteral("worksheets") << QStringLiteral("wizard");
#endif
        const QStringList studies =
            QDir(path(QStringLiteral("casestudies"))).entryList({QStringLiteral("*.json")});
        for (QString id : studies) {
            id.chop(5);
            wanted << id;
#ifdef PW_WITH_ACTIVITIES
            wanted << id + QLatin1String("lab") << id + QLatin1String("ord");
#endif
        }
        QStringList missed;
        for (const QString& want : wanted) {
            const auto reached = [&](const auto& entry) {
                return entry.first == want || entry.first.endsWith(QLatin1Char(' ') + want);
            };
            if (std::none_of(m_onTop.begin(), m_onTop.end(), reached)) {
                missed << want;
            }
        }
        return missed;
    }

    unsigned m_seed = kDefaultSeed;
    int m_steps = 0;
    int m_restarts = 0;
    std::map<QString, int> m_onTop; // how often each screen was on top after a step

private:
    // The step, the seed and the last actions, to tell how a failure was reached.
    std::string where() const {
        return QStringLiteral("\nat step %1, seed %2 (PW_RANDOM_SEED), last actions:\n%3")
            .arg(m_steps)
            .arg(m_seed)
            .arg(QStringList(m_recent.begin(), m_recent.end()).join('\n'))
            .toStdString();
    }
    void remember(const QString& action) {
        m_recent.push_back(action);
        if (m_recent.size() > 30) {
            m_recent.pop_front();
        }
    }

    std::deque<QString> m_recent;
};

TEST_F(RandomInputTest, ScreensAndFilesStaySoundUnderRandomInput) {
    m_seed = seedOfRun(kDefaultSeed);
    const int steps = stepsOfRun();
    std::printf("random input: seed %u, %d steps (PW_RANDOM_SEED, PW_RANDOM_STEPS)\n", m_seed,
                steps);
    RandomInput user(display, forms, dialogs, printer, m_seed);
    start();
    while (m_steps < steps) {
        act(user);
        if (HasFatalFailure()) {
            return;
        }
    }
    checkFiles();
    printScreensOnTop();
}

TEST_F(RandomInputTest, SoakKeepsScreensSoundAndMemoryFlat) {
    const double minutes = qEnvironmentVariable("PW_SOAK_MINUTES").toDouble();
    if (minutes <= 0) {
        GTEST_SKIP() << "the soak runs when PW_SOAK_MINUTES is set";
    }
    m_seed = seedOfRun(std::random_device{}());
    std::printf("soak: seed %u, %g minutes (PW_RANDOM_SEED, PW_SOAK_MINUTES)\n", m_seed, minutes);
    std::fflush(stdout);
    RandomInput user(display, forms, dialogs, printer, m_seed);
    start();
    QElapsedTimer clock;
    clock.start();
    Watermark resident;
    Watermark heap;
    for (qint64 reportAt = kSoakReportMs, ms = 0; ms < qint64(minutes * 60'000);) {
        act(user);
        if (HasFatalFailure()) {
            return;
        }
        if (m_steps % kSoakRestartEvery != 0) {
            continue;
        }
        start();
        ms = clock.elapsed();
        resident.add(residentMb(), ms >= kSoakBaselineMs);
        heap.add(heapMb(), ms >= kSoakBaselineMs);
        if (ms >= reportAt) {
            std::printf("soak: %llds, %d steps, resident %.1f MB, heap in use %.1f MB of %.1f MB "
                        "mapped\n",
                        ms / 1000, m_steps, resident.last, heap.last, allocatorMb());
            std::fflush(stdout);
            reportAt += kSoakReportMs;
        }
    }
    checkFiles();
    printScreensOnTop();
    const QStringList missed = missedScreens();
    EXPECT_TRUE(missed.isEmpty()) << "never on top: " << missed.join(", ").toStdString();
    std::printf("soak: seed %u, %.1f minutes, %d steps, %zu screens; resident %.1f MB at one "
                "minute, %.1f MB at the end, %.1f MB at most after; heap in use %.1f MB, %.1f "
                "MB, %.1f MB\n",
                m_seed, clock.elapsed() / 60'000.0, m_steps, m_onTop.size(), resident.atMinute,
                resident.last, resident.highest, heap.atMinute, heap.last, heap.highest);
    ASSERT_GT(resident.highest, 0)
        << "a soak runs longer than a minute, and /proc/self/statm reads";
    EXPECT_LE(resident.growth(), kSoakResidentToleranceMb)
        << "resident memory grew; seed " << m_seed;
    if (heap.highest >= 0) {
        EXPECT_LE(heap.growth(), kSoakHeapToleranceMb) << "heap in use grew; seed " << m_seed;
    }
}

// The checks themselves: each finds the fault it is there for.
TEST_F(RandomInputTest, ChecksFindAScreenLeftBehindAndFilesThatDoNotRead) {
    start();
    EXPECT_EQ(soundness::screens(forms, display), QString());
    EXPECT_EQ(soundness::worksheetRegister(files), QString());
    EXPECT_EQ(soundness::quizFiles(files), QString()) << "the shipped quizzes read";

    forms.unload<Titlefrm>();
    EXPECT_TRUE(soundness::screens(forms, display).contains(QLatin1String("left on the display")));
    settle();
    EXPECT_EQ(soundness::screens(forms, display), QString());

    writeFile(QStringLiteral("multiple/Short.txt"), "Short\r\n \r\nQuestion\r\nA\r\n");
    EXPECT_TRUE(soundness::quizFiles(files).contains(QLatin1String("Short.txt")));
    writeFile(QStringLiteral("multiple/track.txt"), " 3 \r\nFirst\r\nSecond\r\n");
    EXPECT_FALSE(soundness::worksheetRegister(files).isEmpty());
}

} // namespace
