#pragma once

#include <QByteArray>
#include <QColor>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// A case-study file (casestudies/ID.json): one case-study menu and its two activities, as
// content writers describe them (content/casestudies/README.md). Rectangles are in twips
// on the 12000 x 9000 screen, in single precision as the screens keep them.
namespace casestudy {

struct Rect {
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
};

struct Font {
    QString name;
    float size = 12; // points
    bool bold = false;
};

enum class Align { Left, Center, Right };

// Index: word i counts only in box i. Groups: a word counts in any box of its own group.
enum class Scoring { Index, Groups };

// A word, the answer box it belongs in (a word label has the size of its box) and where
// its label starts; group names the box's group under the Groups rule.
struct Item {
    QString word;
    Rect box;
    float startLeft = 0;
    float startTop = 0;
    int group = 0;
};

// A fixed text: Label5 is an array (index used), Label7, Label8 and Label9 single labels.
struct Text {
    QString label;
    int index = 0;
    QString text;
    Rect place;
    QColor color;
    Font font;
    Align align = Align::Left;
};

// A picture of the Image1 array, stretched to its rectangle, loaded in file order.
struct Picture {
    int index = 0;
    QString file;
    Rect place;
};

struct Activity {
    std::optional<QColor> background; // set right after the dressing
    Scoring scoring = Scoring::Index;
    QStringList groups; // group names, in order of first appearance (Groups rule)
    Font wordFont;
    Align wordAlign = Align::Center;
    Rect titlePlace; // Label6, whose caption the menu sets
    Font titleFont;
    Align titleAlign = Align::Center;
    std::vector<Picture> pictures;
    std::vector<Item> items;
    std::vector<Text> texts;
};

struct Menu {
    QString id; // the file name without ".json"
    QString title;
    Rect titlePlace;
    QString picture;
    Rect pictureBox;
    float keyFactsLeft = 0;
    QString keyPageset;
    int keyPagecount = 0;
    QString notesPageset;
    QString quizFile;
    QString quizPicture;
    Activity labelling;
    Activity ordering;

    // Every file the menu and its activities name, program-relative, as written.
    QStringList files() const;
};

// The most key-fact pages a menu may have (pages a to d).
inline constexpr int kMaxPages = 4;

// Where a reading failed: the field, as a path into the file ("labelling.items[2].box"),
// and what is wrong with it, in words a teacher can pass on.
struct Problem {
    QString field;
    QString what;
};

// Reads and checks a case-study file's bytes. Returns the menu, or nothing with the first
// problem found. Checks: every field present and of its type, every box, label and text
// on the screen, pictures at least partly on it, words different, and every word dropped
// exactly on its own box staying there under the drop rule of the activities.
std::optional<Menu> parse(const QByteArray& json, const QString& id, Problem* problem);

// A file name is a case-study id: letters, digits, "-" and "_" only.
bool isValidId(const QString& id);

} // namespace casestudy
