#pragma once

#include "forms/controlarray.h"
#include "forms/label.h"

namespace reading {

// The indices of the buttons of both page viewers' Label3 array.
enum PageButton { kPrint = 0, kExit = 1, kNextPage = 2, kPreviousPage = 3 };

// The page counter Label1 as both viewers have it: white, black bold "Tahoma" text,
// centred, bordered, under the page.
void buildPageCounter(forms::Label& counter);

// The four buttons Label3(0) to Label3(3) of both viewers, in their designed places;
// "Next Page" enabled and "Previous Page" disabled.
void buildPageButtons(forms::ControlArray<forms::Label>& buttons, QWidget* screen);

} // namespace reading
