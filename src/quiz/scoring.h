#pragma once

#include <QString>
#include <QStringList>

// The quiz's and the results screen's rules, apart from their screens.

// The answer option (1..4) that a correct-answer line names, or 0 when the line names
// none: only a damaged quiz file holds such a line, and its question then scores 0.
int correctOption(const QString& line);

// The three bands of the results screen: full marks, one or two short, the rest.
enum class ScoreBand { Full, Good, Other };
ScoreBand scoreBand(int score, int maxscore);

// "You have scored 7 out of 10." after the band's opening words ("Excellent work.",
// "Good work." or none); the certificate prints it without opening words.
QString scoreMessage(int score, int maxscore, ScoreBand band = ScoreBand::Other);

// The reward sounds for a score (by the score alone, not its ratio to maxscore), one of
// which is played at random; empty when the score earns none.
QStringList rewardSounds(int score);

// One of n equally likely choices from a uniform draw in [0, 1): the integer part of
// draw * n, kept within 0..n-1.
int pickIndex(double draw, int n);
