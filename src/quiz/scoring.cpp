#include "quiz/scoring.h"

#include "quiz/quiztext.h"

namespace {

struct Reward {
    int score;
    const char* files[3];
};

const Reward kRewards[] = {
    {12, {"wav\\halleluj.wav"}},
    {11, {"wav\\fanf4.wav", "wav\\slot_payoff.wav"}},
    {10, {"wav\\fanf2.wav", "wav\\fanf3.wav"}},
    {9, {"wav\\crowd.wav", "wav\\cheer2.wav", "wav\\klaxon.wav"}},
    {8, {"wav\\flute.wav", "wav\\gong.wav", "wav\\clap2.wav"}},
    {7, {"wav\\drumroll.wav", "wav\\laser2.wav", "wav\\whizz.wav"}},
    {6, {"wav\\clap3.wav", "wav\\clown.wav"}},
};

} // namespace

int correctOption(const QString& line) {
    bool ok = false;
    const int k = line.trimmed().toInt(&ok);
    return ok && k >= 1 && k <= 4 ? k : 0;
}

ScoreBand scoreBand(int score, int maxscore) {
    if (score == maxscore) {
        return ScoreBand::Full;
    }
    if (score == maxscore - 1 || score == maxscore - 2) {
        return ScoreBand::Good;
    }
    return ScoreBand::Other;
}

QString scoreMessage(int score, int maxscore, ScoreBand band) {
    QString opening;
    if (band == ScoreBand::Full) {
        opening = QStringLiteral("Excellent work. ");
    } else if (band == ScoreBand::Good) {
        opening = QStringLiteral("Good work. ");
    }
    return opening + QStringLiteral("You have scored") + numberText(score) +
           QStringLiteral(" out of") + numberText(maxscore) + QStringLiteral(".");
}

QStringList rewardSounds(int score) {
    for (const Reward& r : kRewards) {
        if (r.score == score) {
            QStringList files;
            for (const char* f : r.files) {
                if (f) {
                    files << QString::fromLatin1(f);
                }
            }
            return files;
        }
    }
    return {};
}

int pickIndex(double draw, int n) {
    return qBound(0, int(draw * n), n - 1);
}
