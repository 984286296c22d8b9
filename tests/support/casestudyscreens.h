#pragma once

#include "activities/activityscreen.h"
#include "core/program.h"
#include "shell/casestudymenu.h"

// The Manchester screens by their names: each name is a screen class and the id that
// tells its screen apart (the case-study file's name, with "lab" or "ord" for an activity).
#define PW_CASE_STUDY_SCREEN(NAME, CLASS, MENU)                                                    \
    struct NAME {                                                                                  \
        using Class = CLASS;                                                                       \
        static QString id() { return QStringLiteral(#NAME); }                                      \
        static QString menu() { return QStringLiteral(MENU); }                                     \
    };

PW_CASE_STUDY_SCREEN(manchester1, CaseStudyMenu, "manchester1")
PW_CASE_STUDY_SCREEN(manchester2, CaseStudyMenu, "manchester2")
PW_CASE_STUDY_SCREEN(manchester1lab, LabellingScreen, "manchester1")
PW_CASE_STUDY_SCREEN(manchester2lab, LabellingScreen, "manchester2")
PW_CASE_STUDY_SCREEN(manchester1ord, OrderingScreen, "manchester1")
PW_CASE_STUDY_SCREEN(manchester2ord, OrderingScreen, "manchester2")

#undef PW_CASE_STUDY_SCREEN

namespace casestudyscreens {

template <class T>
concept Named = requires {
    typename T::Class;
};

// The loaded screen of that name (or of that class, for a screen of its own), or null.
template <class T> auto* loaded(const Program& program) {
    if constexpr (Named<T>) {
        return program.forms.loaded<typename T::Class>(T::id());
    } else {
        return program.forms.loaded<T>();
    }
}

// Opens the screen's case-study file as the main menu does, then loads the screen.
template <Named T> typename T::Class& get(Program& program) {
    program.caseStudies.open(T::menu());
    return program.forms.get<typename T::Class>(T::id());
}

template <class T> typename T::Class& show(Program& program) {
    get<T>(program);
    return program.forms.show<typename T::Class>(T::id());
}

// What a case-study menu does to open an activity: setting the title loads the screen
// (so its set-up has run), then the screen is shown over the menu.
template <class T> typename T::Class& openActivity(Program& program, const QString& title) {
    get<T>(program).Label6.setCaption(title);
    return program.forms.show<typename T::Class>(T::id());
}

} // namespace casestudyscreens
