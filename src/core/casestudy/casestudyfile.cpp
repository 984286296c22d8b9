#include "core/casestudy/casestudyfile.h"

#include "activities/engine/engine.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>

#include <cmath>

namespace casestudy {
namespace {

constexpr float kScreenWidth = 12000;
constexpr float kScreenHeight = 9000;
constexpr int kMaxItems = 20;
constexpr int kMaxTexts = 40;
constexpr int kMaxPictures = 8;

// Thrown inside the reader only; parse() turns it into a Problem.
struct Failure {
    Problem problem;
};

[[noreturn]] void fail(const QString& field, const QString& what) {
    throw Failure{{field, what}};
}

QString at(const QString& parent, const QString& key) {
    return parent.isEmpty() ? key : parent + QLatin1Char('.') + key;
}

QString at(const QString& parent, int index) {
    return parent + QStringLiteral("[%1]").arg(index);
}

// One JSON object with the path that leads to it, for messages.
class Node {
public:
    Node(QJsonObject object, QString path) : m_o(std::move(object)), m_path(std::move(path)) {}

    const QString& path() const { return m_path; }
    bool has(const QString& key) const { return m_o.contains(key); }

    QJsonValue value(const QString& key) const {
        const QJsonValue v = m_o.value(key);
        if (v.isUndefined()) {
            fail(at(m_path, key), QStringLiteral("is missing"));
        }
        return v;
    }

    Node object(const QString& key) const {
        const QJsonValue v = value(key);
        if (!v.isObject()) {
            fail(at(m_path, key), QStringLiteral("should be a group of fields in { }"));
        }
        return Node(v.toObject(), at(m_path, key));
    }

    QJsonArray array(const QString& key) const {
        const QJsonValue v = value(key);
        if (!v.isArray()) {
            fail(at(m_path, key), QStringLiteral("should be a list in [ ]"));
        }
        return v.toArray();
    }

    QString text(const QString& key) const {
        const QJsonValue v = value(key);
        if (!v.isString() || v.toString().trimmed().isEmpty()) {
            fail(at(m_path, key), QStringLiteral("should be a text in quotes, not empty"));
        }
        return v.toString();
    }

    double number(const QString& key, double least, double most) const {
        return numberIn(value(key), at(m_path, key), least, most);
    }

    bool flag(const QString& key) const {
        const QJsonValue v = value(key);
        if (!v.isBool()) {
            fail(at(m_path, key), QStringLiteral("should be true or false"));
        }
        return v.toBool();
    }

    static double numberIn(const QJsonValue& v, const QString& field, double least, double most) {
        if (!v.isDouble() || !std::isfinite(v.toDouble())) {
            fail(field, QStringLiteral("should be a number"));
        }
        const double d = v.toDouble();
        if (d < least || d > most) {
            fail(field,
                 QStringLiteral("should be between %1 and %2, not %3").arg(least).arg(most).arg(d));
        }
        return d;
    }

private:
    QJsonObject m_o;
    QString m_path;
};

std::vector<double> numbers(const QJsonArray& a, const QString& field, int count, double least,
                            double most) {
    if (a.size() != count) {
        fail(field, QStringLiteral("should be a list of %1 numbers").arg(count));
    }
    std::vector<double> out;
    for (int i = 0; i < count; ++i) {
        out.push_back(Node::numberIn(a[i], at(field, i), least, most));
    }
    return out;
}

enum class Reach { OnScreen, Overlapping };

// A rectangle [left, top, width, height]: on the screen, or (pictures) at least partly on it.
Rect rect(const Node& n, const QString& key, Reach reach = Reach::OnScreen) {
    const QString field = at(n.path(), key);
    const auto v = numbers(n.array(key), field, 4, -kScreenWidth, 2 * kScreenWidth);
    const Rect r{float(v[0]), float(v[1]), float(v[2]), float(v[3])};
    if (r.width <= 0 || r.height <= 0) {
        fail(field, QStringLiteral("needs a width and a height above 0"));
    }
    const bool inside = r.left >= 0 && r.top >= 0 && r.left + r.width <= kScreenWidth &&
                        r.top + r.height <= kScreenHeight;
    const bool overlaps = r.left < kScreenWidth && r.top < kScreenHeight && r.left + r.width > 0 &&
                          r.top + r.height > 0;
    if (reach == Reach::OnScreen ? !inside : !overlaps) {
        fail(field, QStringLiteral("lies off the screen (the screen is 12000 by 9000 twips)"));
    }
    return r;
}

QColor colour(const Node& n, const QString& key) {
    const QString field = at(n.path(), key);
    const auto v = numbers(n.array(key), field, 3, 0, 255);
    return QColor(int(v[0]), int(v[1]), int(v[2]));
}

Font font(const Node& n, const QString& key) {
    const Node f = n.object(key);
    return {f.text(QStringLiteral("name")), float(f.number(QStringLiteral("size"), 4, 72)),
            f.flag(QStringLiteral("bold"))};
}

Align align(const Node& n, const QString& key) {
    const QString a = n.text(key);
    if (a == QLatin1String("left")) {
        return Align::Left;
    }
    if (a == QLatin1String("center")) {
        return Align::Center;
    }
    if (a == QLatin1String("right")) {
        return Align::Right;
    }
    fail(at(n.path(), key), QStringLiteral("should be \"left\", \"center\" or \"right\""));
}

Node element(const QJsonArray& a, int i, const QString& field) {
    if (!a[i].isObject()) {
        fail(at(field, i), QStringLiteral("should be a group of fields in { }"));
    }
    return Node(a[i].toObject(), at(field, i));
}

QJsonArray list(const Node& n, const QString& key, int most) {
    const QJsonArray a = n.array(key);
    if (a.size() > most) {
        fail(at(n.path(), key), QStringLiteral("has more than %1 entries").arg(most));
    }
    return a;
}

void readItems(const Node& n, Activity& a) {
    const QString field = at(n.path(), QStringLiteral("items"));
    const QJsonArray items = list(n, QStringLiteral("items"), kMaxItems);
    if (items.isEmpty()) {
        fail(field, QStringLiteral("needs at least one word"));
    }
    QSet<QString> words;
    for (int i = 0; i < items.size(); ++i) {
        const Node item = element(items, i, field);
        Item it;
        it.word = item.text(QStringLiteral("word"));
        it.box = rect(item, QStringLiteral("box"));
        const auto start = numbers(item.array(QStringLiteral("start")),
                                   at(item.path(), QStringLiteral("start")), 2, 0, kScreenWidth);
        it.startLeft = float(start[0]);
        it.startTop = float(start[1]);
        if (it.startLeft + it.box.width > kScreenWidth ||
            it.startTop + it.box.height > kScreenHeight) {
            fail(at(item.path(), QStringLiteral("start")),
                 QStringLiteral("puts the word's label off the screen"));
        }
        if (words.contains(it.word)) {
            fail(at(item.path(), QStringLiteral("word")),
                 QStringLiteral("\"%1\" appears twice; every word needs its own box").arg(it.word));
        }
        words.insert(it.word);
        if (a.scoring == Scoring::Groups) {
            const QString group = item.text(QStringLiteral("group"));
            if (!a.groups.contains(group)) {
                a.groups << group;
            }
            it.group = int(a.groups.indexOf(group));
        }
        a.items.push_back(it);
    }
    if (a.scoring == Scoring::Groups && a.groups.size() < 2) {
        fail(field, QStringLiteral("sorting by \"groups\" needs words of at least two groups"));
    }
}

void readTexts(const Node& n, Activity& a) {
    if (!n.has(QStringLiteral("texts"))) {
        return;
    }
    const QString field = at(n.path(), QStringLiteral("texts"));
    const QJsonArray texts = list(n, QStringLiteral("texts"), kMaxTexts);
    QSet<QString> used;
    for (int i = 0; i < texts.size(); ++i) {
        const Node t = element(texts, i, field);
        Text text;
        text.label = t.text(QStringLiteral("label"));
        const QStringList labels = {"Label5", "Label7", "Label8", "Label9"};
        if (!labels.contains(text.label)) {
            fail(at(t.path(), QStringLiteral("label")),
                 QStringLiteral("should be \"Label5\", \"Label7\", \"Label8\" or \"Label9\""));
        }
        if (text.label == QLatin1String("Label5")) {
            text.index = int(t.number(QStringLiteral("index"), 0, kMaxTexts));
        }
        const QString key = text.label + QString::number(text.index);
        if (used.contains(key)) {
            fail(at(t.path(), QStringLiteral("label")), QStringLiteral("is used twice"));
        }
        used.insert(key);
        text.text = t.text(QStringLiteral("text"));
        text.place = rect(t, QStringLiteral("place"));
        text.color = colour(t, QStringLiteral("color"));
        text.font = font(t, QStringLiteral("font"));
        text.align = align(t, QStringLiteral("align"));
        a.texts.push_back(text);
    }
}

void readPictures(const Node& n, Activity& a) {
    if (!n.has(QStringLiteral("pictures"))) {
        return;
    }
    const QString field = at(n.path(), QStringLiteral("pictures"));
    const QJsonArray pictures = list(n, QStringLiteral("pictures"), kMaxPictures);
    QSet<int> indices;
    for (int i = 0; i < pictures.size(); ++i) {
        const Node p = element(pictures, i, field);
        Picture picture{int(p.number(QStringLiteral("index"), 0, kMaxPictures)),
                        p.text(QStringLiteral("file")),
                        rect(p, QStringLiteral("place"), Reach::Overlapping)};
        if (indices.contains(picture.index)) {
            fail(at(p.path(), QStringLiteral("index")), QStringLiteral("is used twice"));
        }
        indices.insert(picture.index);
        a.pictures.push_back(picture);
    }
}

engine::Rect toEngine(const Rect& r) {
    return {r.left, r.top, r.width, r.height};
}

// Every word must be able to score: dropped exactly on its own box (as a snap leaves it),
// the drop rule must leave it there, not pull it into an earlier box or home slot.
void checkDrops(const Activity& a, const QString& field) {
    engine::Layout layout;
    for (const Item& it : a.items) {
        layout.labels.push_back({it.startLeft, it.startTop, it.box.width, it.box.height});
        layout.boxes.push_back(toEngine(it.box));
    }
    engine::setUp(layout);
    for (size_t i = 0; i < a.items.size(); ++i) {
        engine::Layout l = layout;
        l.labels[i].left = l.boxes[i].left;
        l.labels[i].top = l.boxes[i].top;
        engine::drop(l, int(i));
        if (l.labels[i].left != l.boxes[i].left || l.labels[i].top != l.boxes[i].top) {
            fail(at(at(field, int(i)), QStringLiteral("box")),
                 QStringLiteral("is too close to another box or to where a word starts: \"%1\" "
                                "dropped on its box would not stay there")
                     .arg(a.items[i].word));
        }
    }
}

Activity activity(const Node& root, const QString& key) {
    const Node n = root.object(key);
    Activity a;
    if (n.has(QStringLiteral("background"))) {
        a.background = colour(n, QStringLiteral("background"));
    }
    const QString scoring = n.text(QStringLiteral("scoring"));
    if (scoring != QLatin1String("index") && scoring != QLatin1String("groups")) {
        fail(at(n.path(), QStringLiteral("scoring")),
             QStringLiteral("should be \"index\" or \"groups\""));
    }
    a.scoring = scoring == QLatin1String("index") ? Scoring::Index : Scoring::Groups;
    a.wordFont = font(n, QStringLiteral("wordFont"));
    a.wordAlign = align(n, QStringLiteral("wordAlign"));
    const Node title = n.object(QStringLiteral("title"));
    a.titlePlace = rect(title, QStringLiteral("place"));
    a.titleFont = font(title, QStringLiteral("font"));
    a.titleAlign = align(title, QStringLiteral("align"));
    readPictures(n, a);
    readItems(n, a);
    readTexts(n, a);
    checkDrops(a, at(n.path(), QStringLiteral("items")));
    return a;
}

Menu menu(const Node& root, const QString& id) {
    Menu m;
    m.id = id;
    m.title = root.text(QStringLiteral("title"));
    m.titlePlace = rect(root, QStringLiteral("titlePlace"));
    m.picture = root.text(QStringLiteral("picture"));
    m.pictureBox = rect(root, QStringLiteral("pictureBox"));
    m.keyFactsLeft = float(root.number(QStringLiteral("keyFactsLeft"), 0, kScreenWidth - 1995));
    const Node keys = root.object(QStringLiteral("keyFacts"));
    m.keyPageset = keys.text(QStringLiteral("pageset"));
    m.keyPagecount = int(keys.number(QStringLiteral("pagecount"), 1, kMaxPages));
    m.notesPageset = root.text(QStringLiteral("notes"));
    m.quizFile = root.text(QStringLiteral("quiz"));
    m.quizPicture = root.text(QStringLiteral("quizPicture"));
    m.labelling = activity(root, QStringLiteral("labelling"));
    m.ordering = activity(root, QStringLiteral("ordering"));
    return m;
}

} // namespace

QStringList Menu::files() const {
    QStringList out{picture, quizFile, quizPicture};
    const auto page = [&](const QString& stem) {
        out << QStringLiteral("wmf\\") + stem + QStringLiteral(".wmf")
            << QStringLiteral("wmf2\\") + stem + QStringLiteral(".wmf");
    };
    for (int i = 0; i < keyPagecount; ++i) {
        page(keyPageset + QChar(u'a' + i));
    }
    page(notesPageset);
    for (const Activity* a : {&labelling, &ordering}) {
        for (const Picture& p : a->pictures) {
            out << p.file;
        }
    }
    return out;
}

bool isValidId(const QString& id) {
    static const QRegularExpression pattern(QStringLiteral("^[A-Za-z0-9_-]{1,64}$"));
    return pattern.match(id).hasMatch();
}

std::optional<Menu> parse(const QByteArray& json, const QString& id, Problem* problem) {
    try {
        QJsonParseError error;
        const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
        if (doc.isNull()) {
            fail(QString(), QStringLiteral("the file is not readable as JSON (%1, at character %2)")
                                .arg(error.errorString())
                                .arg(error.offset));
        }
        if (!doc.isObject()) {
            fail(QString(), QStringLiteral("the file should hold one group of fields in { }"));
        }
        return menu(Node(doc.object(), QString()), id);
    } catch (const Failure& f) {
        if (problem) {
            *problem = f.problem;
        }
        return std::nullopt;
    }
}

} // namespace casestudy
