#include "display/screentour.h"

#include <QByteArray>

namespace {

constexpr QPointF centre(float left, float top, float width, float height) {
    return {left + width / 2, top + height / 2};
}

// The title screen (5460 x 6570) is centred on the screens' place; its buttons sit in a
// frame 90 twips above it.
constexpr QPointF kTitleOk = centre(6000 - 2730 + 1320, 4500 - 3285 - 90 + 6000, 1335, 375);

constexpr QPointF kFacts = centre(720, 6720, 4155, 375);
constexpr QPointF kDevelopment = centre(720, 7200, 4155, 375);
constexpr QPointF kExit = centre(10560, 7920, 1245, 495);
constexpr QPointF kGuide = centre(1200, 2760, 3135, 495);
constexpr QPointF kAcknowledgments = centre(120, 7920, 2835, 495);
constexpr QPointF kWizard = centre(3000, 7920, 3795, 495);
constexpr QPointF kCatalogue = centre(6840, 7920, 3675, 495);

constexpr QPointF kKeyFacts = centre(6360, 120, 1995, 495);
constexpr QPointF kNotes = centre(8640, 120, 3195, 495);
constexpr QPointF kQuiz = centre(120, 7920, 3195, 495);
constexpr QPointF kLabelling = centre(3600, 7920, 3195, 495);
constexpr QPointF kOrdering = centre(7080, 7920, 3195, 495);

constexpr QPointF kNextQuestion = centre(6000, 7920, 3765, 495);
constexpr QPointF kWrongAnswers = centre(240, 1800, 3765, 495);

std::vector<QPointF> path(std::initializer_list<QPointF> clicks) {
    std::vector<QPointF> all{kTitleOk};
    all.insert(all.end(), clicks);
    return all;
}

// Ten questions left unanswered: a score of 0, so the results offer the review.
std::vector<QPointF> quizToResults() {
    std::vector<QPointF> all = path({kFacts, kQuiz});
    all.insert(all.end(), 10, kNextQuestion);
    return all;
}

} // namespace

const std::vector<ScreenVisit>& screenTour() {
    static const std::vector<ScreenVisit> tour = [] {
        std::vector<ScreenVisit> t = {
            {"title", {}},
            {"menu", path({})},
            {"exit-confirmation", path({kExit})},
            {"facts", path({kFacts})},
            {"development", path({kDevelopment})},
            {"key-facts", path({kFacts, kKeyFacts})},
            {"notes", path({kDevelopment, kNotes})},
            {"quiz", path({kFacts, kQuiz})},
            {"results", quizToResults()},
            {"wrong-answers", quizToResults()},
            {"labelling-facts", path({kFacts, kLabelling})},
            {"labelling-development", path({kDevelopment, kLabelling})},
            {"ordering-facts", path({kFacts, kOrdering})},
            {"ordering-development", path({kDevelopment, kOrdering})},
            {"guide", path({kGuide})},
            {"acknowledgments", path({kAcknowledgments}), true},
            {"wizard", path({kWizard})},
            {"catalogue", path({kCatalogue})},
        };
        t[9].clicks.push_back(kWrongAnswers);
        return t;
    }();
    return tour;
}

std::vector<ScreenVisit> visitsNamed(std::initializer_list<const char*> names) {
    std::vector<ScreenVisit> some;
    for (const char* name : names) {
        for (const ScreenVisit& v : screenTour()) {
            if (QByteArray(v.name) == name) {
                some.push_back(v);
            }
        }
    }
    return some;
}
