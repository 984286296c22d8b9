// A long run of random user input on the whole program, started as the program starts
// (the title screen), started again whenever it ends. After every action no screen may
// be half-loaded or left behind, and every few actions the worksheet register and the
// quiz files must still read. The run is reproducible from its seed (PW_RANDOM_SEED).
#include "randominput.h"
#include "shell/titlefrm.h"
#include "soundness.h"
#include "support/programfixture.h"

#include <QStringList>
#include <deque>
#include <map>

namespace {

constexpr unsigned kDefaultSeed = 3; // reaches every screen, the review of wrong answers too
constexpr int kDefaultSteps = 8000;
constexpr int kFileCheckEvery = 25;

unsigned seedOfRun() {
    bool ok = false;
    const unsigned seed = qEnvironmentVariable("PW_RANDOM_SEED").toUInt(&ok);
    return ok ? seed : kDefaultSeed;
}

int stepsOfRun() {
    const int steps = qEnvironmentVariableIntValue("PW_RANDOM_STEPS");
    return steps > 0 ? steps : kDefaultSteps;
}

class RandomInputTest : public ProgramFixture {
protected:
    void start() {
        forms.unloadAll();
        settle();
        ended = false;
        forms.show<Titlefrm>();
        settle();
    }

    // The last actions, to tell how a failure was reached.
    QString recent() const { return QStringList(m_recent.begin(), m_recent.end()).join('\n'); }
    void remember(const QString& action) {
        m_recent.push_back(action);
        if (m_recent.size() > 30) {
            m_recent.pop_front();
        }
    }

private:
    std::deque<QString> m_recent;
};

TEST_F(RandomInputTest, ScreensAndFilesStaySoundUnderRandomInput) {
    const unsigned seed = seedOfRun();
    const int steps = stepsOfRun();
    std::printf("random input: seed %u, %d steps (PW_RANDOM_SEED, PW_RANDOM_STEPS)\n", seed, steps);
    RandomInput user(display, forms, dialogs, printer, seed);
    start();
    int restarts = 0;
    std::map<QString, int> onTop; // how often each screen was on top after a step
    for (int i = 1; i <= steps; ++i) {
        QString action;
        try {
            action = user.step();
            // Now and then long enough for the timers of the screens to fire.
            settle(i % 20 == 0 ? 30 : 0);
        } catch (const std::exception& e) {
            FAIL() << "step " << i << " threw " << e.what() << "\nseed " << seed << "\n"
                   << recent().toStdString();
        }
        remember(QStringLiteral("%1: %2").arg(i).arg(action));
        sound.played.clear();
        if (top()) {
            ++onTop[QString::fromLatin1(typeid(*top()).name())];
        }
        const QString wrong = soundness::screens(forms, display);
        ASSERT_TRUE(wrong.isEmpty()) << "step " << i << ": " << wrong.toStdString() << "\nseed "
                                     << seed << ", last actions:\n"
                                     << recent().toStdString();
        if (i % kFileCheckEvery == 0 || i == steps) {
            const QString files1 = soundness::worksheetRegister(files);
            const QString files2 = soundness::quizFiles(files);
            ASSERT_TRUE(files1.isEmpty() && files2.isEmpty())
                << "step " << i << ": " << (files1 + files2).toStdString() << "\nseed " << seed
                << ", last actions:\n"
                << recent().toStdString();
        }
        if (ended) {
            ++restarts;
            start();
        }
    }
    std::printf("random input: %d restarts; steps ended with on top:", restarts);
    for (const auto& [name, count] : onTop) {
        std::printf(" %s %d", qPrintable(name), count);
    }
    std::printf("\n");
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
