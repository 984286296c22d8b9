#include "shell/navigation.h"

#include "core/program.h"
#include "shell/intro0.h"

void installMenus(Program& program) {
    forms::Forms& forms = program.forms;
    program.navigation.showMainMenu = [&forms] { forms.show<intro0>(); };
    program.navigation.mainMenuLook = [&forms] {
        // The main menu may be closed (the catalogue unloads it): touching it loads it
        // again, hidden, and its loading steps run as they always do.
        intro0& menu = forms.get<intro0>();
        return std::pair{menu.Image1.picture(), menu.Label1.Caption()};
    };
}
