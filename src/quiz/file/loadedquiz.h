#pragma once

#include <QString>
#include <array>

// The quiz in memory: filled by loadquiz, read by the quiz screen, the worksheet
// print and the catalogue's edit path. Slots 1..10 hold questions 1..10; slot 0 is
// never used. Use .at() so that an index outside 0..10 is an error, not a stray write.
struct LoadedQuiz {
    QString quiztitle;
    std::array<QString, 11> questions;
    std::array<QString, 11> answer1;
    std::array<QString, 11> answer2;
    std::array<QString, 11> answer3;
    std::array<QString, 11> answer4;
    std::array<QString, 11> correct; // "1".."4" as read; converted by its users
};
