#pragma once

#include "activities/activityscreens.h"
#include "shell/program.h"

// What a case-study menu does to open an activity: setting the title loads the screen
// (so its set-up has run), then the screen is shown over the menu.
template <class S> void openActivity(Program& program, const QString& title) {
    program.forms.get<S>().Label6.setCaption(title);
    program.forms.show<S>();
}
