#include "media/dialogs/qtdialogs.h"
#include "media/print/printservice.h"
#include "media/random/clockrandom.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

TEST(Palette, StandardSixteenColours) {
    const std::vector<std::pair<int, QColor>> expected = {
        {0, QColor(0, 0, 0)},       {1, QColor(0, 0, 128)},     {2, QColor(0, 128, 0)},
        {3, QColor(0, 128, 128)},   {4, QColor(128, 0, 0)},     {5, QColor(128, 0, 128)},
        {6, QColor(128, 128, 0)},   {7, QColor(192, 192, 192)}, {8, QColor(128, 128, 128)},
        {9, QColor(0, 0, 255)},     {10, QColor(0, 255, 0)},    {11, QColor(0, 255, 255)},
        {12, QColor(255, 0, 0)},    {13, QColor(255, 0, 255)},  {14, QColor(255, 255, 0)},
        {15, QColor(255, 255, 255)}};
    for (const auto& [index, colour] : expected) {
        EXPECT_EQ(media::paletteColor(index), colour) << index;
    }
}

TEST(ClockRandom, ValuesAreUniformInTheHalfOpenUnitInterval) {
    media::ClockRandom random;
    random.reseed();
    std::array<int, 10> buckets{};
    for (int i = 0; i < 20000; ++i) {
        const double v = random.next();
        ASSERT_GE(v, 0.0);
        ASSERT_LT(v, 1.0);
        ++buckets[static_cast<std::size_t>(v * 10)];
    }
    for (int count : buckets) {
        EXPECT_NEAR(count, 2000, 200);
    }
}

TEST(ClockRandom, ReseedingStartsAnotherSequence) {
    media::ClockRandom random;
    random.reseed();
    const double first = random.next();
    random.reseed();
    EXPECT_NE(random.next(), first);
}

// Answers the message box that is about to open by pressing one of its buttons.
void pressWhenShown(QMessageBox::StandardButton button, QString* title, QString* text,
                    int* buttonCount) {
    QTimer::singleShot(0, [=] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        *title = box->windowTitle();
        *text = box->text();
        *buttonCount = int(box->buttons().size());
        box->button(button)->click();
    });
}

TEST(QtDialogs, OkCancelReturnsTheButtonPressed) {
    QWidget window;
    media::QtDialogs dialogs(&window);
    QString title, text;
    int buttons = 0;
    pressWhenShown(QMessageBox::Cancel, &title, &text, &buttons);
    EXPECT_EQ(dialogs.message("Delete this worksheet?", media::Buttons::OkCancel, "Placeworks"),
              media::Answer::Cancel);
    EXPECT_EQ(title, "Placeworks");
    EXPECT_EQ(text, "Delete this worksheet?");
    EXPECT_EQ(buttons, 2);
    pressWhenShown(QMessageBox::Ok, &title, &text, &buttons);
    EXPECT_EQ(dialogs.message("Delete?", media::Buttons::OkCancel, ""), media::Answer::Ok);
}

TEST(QtDialogs, OkOnlyBoxHasOneButton) {
    media::QtDialogs dialogs(nullptr);
    QString title, text;
    int buttons = 0;
    pressWhenShown(QMessageBox::Ok, &title, &text, &buttons);
    EXPECT_EQ(
        dialogs.message("Your certificate is now printing.", media::Buttons::Ok, "Placeworks"),
        media::Answer::Ok);
    EXPECT_EQ(buttons, 1);
}

} // namespace
