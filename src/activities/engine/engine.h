#pragma once

#include <vector>

// The drag-and-drop engine of the four activity screens: pure geometry and scoring over
// rectangles in twips, held in single precision exactly as the screens hold them. The
// screen owns the labels; it copies their rectangles in, calls these functions and copies
// the results back.
namespace engine {

// A label's place and size, in twips.
struct Rect {
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
};

// A word label sits on a box when it has been snapped to the box's corner.
inline bool sitsOn(const Rect& label, const Rect& box) {
    return label.left == box.left && label.top == box.top;
}

// IndexMatch: word label i counts on answer box i. Groups: word label i and answer box i
// belong to group groups[i] (without groups, to the first or the second half: 0..4 and
// 5..9 on a ten-item screen); a label counts on any box of its own group.
enum class Scoring { IndexMatch, Groups };

// One screen's draggable layout, all three indexed 0..n-1.
struct Layout {
    std::vector<Rect> labels; // word labels (Label2), the only draggable elements
    std::vector<Rect> boxes;  // answer boxes (Label1)
    std::vector<Rect> homes;  // home slots (Label4), never moved after setUp
    std::vector<int> groups;  // the group of item i under the Groups rule, or empty
};

// Set-up: home slot i takes word label i's width and height, then its Left and Top, so
// every label starts exactly over its own home slot. Labels must hold the design places.
void setUp(Layout& layout);

// One pointer move over a label; x, y relative to the label's top-left corner in twips.
// Only button == 1 (the left button alone) moves it: Left := Left + x - Width / 2, then
// Top := Top + y - Height / 2, so its centre follows the pointer. No bounds.
void drag(Rect& label, int button, float x, float y);

// Whether (px, py) lies in r's catch window: strictly between r.left - r.width / 2 and
// r.left + r.width across, strictly between r.top - r.height / 2 and r.top + r.height
// down. Each bound is rounded to single precision before it is compared.
bool inCatchWindow(const Rect& r, float px, float py);

// Drops word label w: tests box 0, home slot 0, box 1, home slot 1, ... in that order,
// each with the label's position as the previous snaps left it, and snaps the label to
// every rectangle whose window holds its top-left corner. Returns the number of snaps
// (the screen plays one thud for each).
int drop(Layout& layout, int w);

// Whether the number of (label, box) pairs at exactly the same Left and Top equals
// maxscore: two labels stacked in one box count twice.
bool ready(const Layout& layout, int maxscore);

// The score by the screen's rule.
int score(const Layout& layout, Scoring scoring);

// Every word label back onto its own home slot.
void startAgain(Layout& layout);

} // namespace engine
