#include "authoring/register/titleproblem.h"

#include <gtest/gtest.h>

namespace {

struct TitleCase {
    QString title;
    std::optional<QString> problem;
};

class TitleProblem : public testing::TestWithParam<TitleCase> {};

TEST_P(TitleProblem, NamesWhatCannotBeUsed) {
    EXPECT_EQ(reg::titleProblem(GetParam().title), GetParam().problem)
        << GetParam().title.toStdString();
}

const QString kCharacters = QStringLiteral("A worksheet title cannot contain these characters: ");

INSTANTIATE_TEST_SUITE_P(
    Titles, TitleProblem,
    testing::Values(
        TitleCase{"", std::nullopt}, TitleCase{"Rivers of Manchester", std::nullopt},
        TitleCase{"  Café £5 (Year 6) 'new' ", std::nullopt}, TitleCase{"Quiz 2.1", std::nullopt},
        TitleCase{".hidden", std::nullopt}, TitleCase{"Mill’s “story” – €", std::nullopt},
        TitleCase{"Rivers/Hills", kCharacters + "/"}, TitleCase{"a\\b", kCharacters + "\\"},
        TitleCase{"Rivers, Hills", kCharacters + ","},
        TitleCase{"Salt & pepper", kCharacters + "&"},
        TitleCase{"Why? Because: \"yes\"", kCharacters + "? : \""},
        TitleCase{"a*b<c>d|e", kCharacters + "* < > |"}, TitleCase{"a/b/c,d", kCharacters + "/ ,"},
        TitleCase{"Omega Ω", kCharacters + "Ω"},
        TitleCase{QString::fromUcs4(U"Smile \U0001F600"),
                  kCharacters + QString::fromUcs4(U"\U0001F600")},
        TitleCase{"Tab\there",
                  QStringLiteral("A worksheet title cannot contain tabs or other control "
                                 "characters.")},
        TitleCase{QStringLiteral("C1 \u0085"),
                  QStringLiteral("A worksheet title cannot contain tabs or other control "
                                 "characters.")},
        TitleCase{"...",
                  QStringLiteral("A worksheet title cannot be made of dots and spaces only.")},
        TitleCase{" . ",
                  QStringLiteral("A worksheet title cannot be made of dots and spaces only.")},
        TitleCase{"   ",
                  QStringLiteral("A worksheet title cannot be made of dots and spaces only.")}));

} // namespace
