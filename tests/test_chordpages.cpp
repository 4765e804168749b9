// Corvalle Lyrabel — the chord lesson pages and chord worksheets, checked
// against the chord rules and the positions they are drawn at.
//
// Sections: reading element data · lesson pages · worksheets · pictures ·
//           behaviour of the live windows
//
// The data checks read the built element lists, not the page sources' tables:
// keys are found as the keyboard's rectangles, names and tags as labels on
// them, answers as the lines of the answer key's text boxes.
#include "support.h"

#include "app/windowset.h"
#include "diagrams/musicrules.h"
#include "lessons/chordpages.h"
#include "ui/widgets.h"
#include "workpages/chordworkpages.h"

#include <QAbstractTextDocumentLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextLayout>
#include <QtTest>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

using testing::child;
using testing::clickTab;
using testing::keyOnSheet;

using namespace ui;
using music::ChordKind;

Q_DECLARE_METATYPE(music::ChordKind)

namespace {

// --------------------------------------------------------- reading element data

using PageFn = std::function<Elements()>;
using WindowFn = std::function<WindowDef()>;

const std::map<QString, PageFn> pages = {
    {"Major", lessons::majorPage},
    {"Minor", lessons::minorPage},
    {"7th", lessons::seventhPage},
    {"Major 7th", lessons::majorSeventhPage},
    {"Minor 7th", lessons::minorSeventhPage},
};

const std::map<QString, WindowFn> windows = {
    {"mcmc", workpages::Tmcmc},
    {"minorcw", workpages::Tminorcw},
    {"sthcw", workpages::Tsthcw},
    {"msthcw", workpages::Tmsthcw},
    {"misthcw", workpages::Tmisthcw},
};

// A key as the picture shows it: a 1-px black-outlined white or black rectangle.
struct KeyRect {
    Rect r;
    bool black = false;
    int number = -1;  // 0 (C) .. 11 (B), worked out from the keyboard's colour pattern
};
using KeyRow = std::vector<KeyRect>;

bool isKey(const Element& e) {
    return e.kind == Kind::Shape && e.form == ShapeForm::Rectangle && e.outlineWidth == 1 &&
           e.outline == black && e.fillStyle == FillStyle::Solid && (e.fill == white || e.fill == black);
}

// The keyboards of an element list, left to right; keys of one keyboard touch or share a column.
std::vector<KeyRow> keyboardsOf(const Elements& elements) {
    KeyRow keys;
    for (const Element& e : elements)
        if (isKey(e)) keys.push_back({e.box, e.fill == black});
    std::sort(keys.begin(), keys.end(), [](const KeyRect& a, const KeyRect& b) { return a.r.x < b.r.x; });
    std::vector<KeyRow> rows;
    for (const KeyRect& k : keys) {
        if (rows.empty() || k.r.x > rows.back().back().r.x + rows.back().back().r.w) rows.emplace_back();
        rows.back().push_back(k);
    }
    // The run of black and white keys fixes where in the octave the keyboard starts.
    for (KeyRow& row : rows) {
        std::vector<int> starts;
        for (int first = 0; first < 12; ++first) {
            bool fits = true;
            for (std::size_t i = 0; i < row.size(); ++i)
                fits = fits && music::isBlack((first + int(i)) % 12) == row[i].black;
            if (fits) starts.push_back(first);
        }
        if (starts.size() != 1) continue;  // left unnumbered: the checks below then fail
        for (std::size_t i = 0; i < row.size(); ++i) row[i].number = (starts[0] + int(i)) % 12;
    }
    return rows;
}

// The key whose rectangle holds (x, y); a shared border column counts as the right-hand key's.
int keyUnder(const KeyRow& row, int x, int y) {
    for (std::size_t i = 0; i < row.size(); ++i) {
        const Rect& r = row[i].r;
        const int right = i + 1 < row.size() ? r.x + r.w - 1 : r.x + r.w;
        if (x >= r.x && x < right && y >= r.y && y < r.y + r.h) return int(i);
    }
    return -1;
}

bool isLabelOn(const Element& e, Colour background) {
    return e.kind == Kind::Label && e.colour && *e.colour == background;
}

int fontPx(const Element& e) { return e.ownFont ? e.ownFont->px : -1; }

const Element* findLabel(const Elements& elements, const std::string& caption, Colour background, int x, int y) {
    for (const Element& e : elements)
        if (isLabelOn(e, background) && e.caption == caption && e.box.x == x && e.box.y == y) return &e;
    return nullptr;
}

const Element* findNamed(const Elements& elements, const std::string& name) {
    for (const Element& e : elements) {
        if (e.name == name) return &e;
        if (const Element* inner = findNamed(e.children, name)) return inner;
    }
    return nullptr;
}

std::vector<std::string> words(const std::string& text) {
    std::vector<std::string> out;
    for (const QString& w : QString::fromStdString(text).split(' ', Qt::SkipEmptyParts))
        out.push_back(w.toStdString());
    return out;
}

// A label placed on a key of one keyboard.
struct OnKey {
    int key;
    const Element* label;
};

std::vector<OnKey> labelsOn(const KeyRow& row, const Elements& elements, Colour background) {
    std::vector<OnKey> found;
    for (const Element& e : elements)
        if (isLabelOn(e, background))
            if (int k = keyUnder(row, e.box.x, e.box.y); k >= 0) found.push_back({k, &e});
    std::sort(found.begin(), found.end(), [](const OnKey& a, const OnKey& b) { return a.key < b.key; });
    return found;
}

const Colour tagColours[] = {fuchsia, green, blue};  // first, second, third interval

}  // namespace

class TestChordPages : public QObject {
    Q_OBJECT

private slots:
    // ----- lesson pages
    void examplesCountTheRule_data();
    void examplesCountTheRule();
    void overlaysAtStatedPixels_data();
    void overlaysAtStatedPixels();
    void keysAtStatedPixels_data();
    void keysAtStatedPixels();

    // ----- worksheets
    void answersFollowTheRule_data();
    void answersFollowTheRule();
    void namePairsNameTheirKeys_data();
    void namePairsNameTheirKeys();
    void tabPositionsAreDistinct_data();
    void tabPositionsAreDistinct();

    // ----- pictures (before the behaviour tests, which type into the windows)
    void initTestCase();
    void pictures_data();
    void pictures();

    // ----- behaviour of the live windows
    void typedAnswerAndKeySurviveHiding();
    void answerLinesBesideTheirQuestions_data();
    void answerLinesBesideTheirQuestions();
    void tabOrder_data();
    void tabOrder();

private:
    std::unique_ptr<app::WindowSet> windowSet_;
};

// ================================================================= lesson pages

void TestChordPages::examplesCountTheRule_data() {
    QTest::addColumn<QString>("page");
    QTest::addColumn<ChordKind>("kind");
    QTest::addColumn<QString>("leftChord");
    QTest::addColumn<QString>("rightChord");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("tagHeights");  // white, black: left keyboard; white, black: right
    QTest::addColumn<QString>("offHeight");   // tags drawn off those heights, "caption@x,y"

    //                            page           kind                       left chord     right chord      button       tag heights      off height
    QTest::newRow("Major")     << "Major"     << ChordKind::Major        << "C E G"     << "C# F Ab"     << "BitBtn28" << "56 32 56 32" << "";
    QTest::newRow("Minor")     << "Minor"     << ChordKind::Minor        << "D F A"     << "D# F# A#"    << "BitBtn29" << "56 32 56 24" << "";
    QTest::newRow("7th")       << "7th"       << ChordKind::Seventh      << "C E G Bb"  << "C# F Ab B"   << "BitBtn30" << "64 32 64 32" << "";
    QTest::newRow("Major 7th") << "Major 7th" << ChordKind::MajorSeventh << "C E G B"   << "D F# A C#"   << "BitBtn31" << "56 32 56 24" << "";
    QTest::newRow("Minor 7th") << "Minor 7th" << ChordKind::MinorSeventh << "C D# G A#" << "D# F# A# C#" << "BitBtn32" << "56 24 56 24"
                               << "1@435,80 3@564,48";
}

// On each example keyboard: the names sit on keys that have those names, the
// tags number every key passed from one chord key to the next, and the last
// tag of each colour lands on the next named key with that interval of the rule.
// Tags stand at their keyboard's heights below the keyboard's top, and at 24
// on a black key that also carries a name.
void TestChordPages::examplesCountTheRule() {
    QFETCH(QString, page);
    QFETCH(ChordKind, kind);
    QFETCH(QString, leftChord);
    QFETCH(QString, rightChord);
    QFETCH(QString, button);
    QFETCH(QString, tagHeights);
    QFETCH(QString, offHeight);

    const Elements elements = pages.at(page)();
    const std::vector<KeyRow> keyboards = keyboardsOf(elements);
    QCOMPARE(keyboards.size(), std::size_t(2));
    const std::vector<int> steps = music::chordSteps(kind);
    const QString expected[] = {leftChord, rightChord};

    const QStringList heights = tagHeights.split(' ');
    QStringList offHeightSeen;
    for (int side = 0; side < 2; ++side) {
        const KeyRow& row = keyboards[side];
        const int top = row.front().r.y;  // the keyboard's top: its first key is never moved
        const int whiteTag = heights[2 * side].toInt(), blackTag = heights[2 * side + 1].toInt();
        for (const KeyRect& k : row) QVERIFY2(k.number >= 0, "keyboard colours follow no octave");

        const std::vector<OnKey> names = labelsOn(row, elements, red);
        QStringList written;
        for (const OnKey& n : names) {
            written << QString::fromStdString(n.label->caption);
            QCOMPARE(music::keyNumber(n.label->caption), std::optional<int>(row[n.key].number));
        }
        QCOMPARE(written.join(' '), expected[side]);
        QCOMPARE(names.size(), steps.size() + 1);

        int tagsSeen = 0;
        for (const Colour c : {fuchsia, green, blue, purple, red, white, yellow})
            for (const OnKey& t : labelsOn(row, elements, c))
                tagsSeen += t.label->caption.size() == 1 && std::isdigit(t.label->caption[0]);
        int tagsExpected = 0;
        for (std::size_t i = 0; i < steps.size(); ++i) {
            const std::vector<OnKey> tags = labelsOn(row, elements, tagColours[i]);
            tagsExpected += int(tags.size());
            QCOMPARE(int(tags.size()), steps[i]);
            for (std::size_t j = 0; j < tags.size(); ++j) {
                const Element& tag = *tags[j].label;
                QCOMPARE(tags[j].key, names[i].key + int(j) + 1);
                QCOMPARE(tag.caption, std::to_string(j + 1));
                QCOMPARE(fontPx(tag), 16);
                const bool named = j + 1 == tags.size();
                const int height = !row[tags[j].key].black ? whiteTag : named ? 24 : blackTag;
                if (tag.box.y - top != height)
                    offHeightSeen << QString("%1@%2,%3").arg(QString::fromStdString(tag.caption))
                                         .arg(tag.box.x).arg(tag.box.y);
            }
            const OnKey& last = tags.back();
            QCOMPARE(last.key, names[i + 1].key);
            QCOMPARE(std::stoi(last.label->caption), steps[i]);
            QCOMPARE(music::halfStepsUp(*music::keyNumber(names[i].label->caption),
                                        *music::keyNumber(names[i + 1].label->caption)),
                     steps[i]);
            // On a named black key the tag stands above the name, clear of it.
            if (row[last.key].black)
                QVERIFY(last.label->box.y + 19 <= names[i + 1].label->box.y);
        }
        QCOMPARE(tagsSeen, tagsExpected);  // no stray digit labels on the keyboard
    }
    QCOMPARE(offHeightSeen.join(' '), offHeight);

    const Element& last = elements.back();
    QCOMPARE(last.kind, Kind::Button);
    QCOMPARE(QString::fromStdString(last.name), button);
}

void TestChordPages::overlaysAtStatedPixels_data() {
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("background");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("px");

    struct Row { const char* page; const char* caption; const char* background; int x, y, px; };
    const Row rows[] = {
        // page         caption background  x    y    px
        {"Major",      "C",  "red",      16, 112, 16},
        {"Major",      "E",  "red",      96, 112, 16},
        {"Major",      "G",  "red",     160, 112, 16},
        {"Major",      "C#", "red",     376,  72, 13},
        {"Major",      "F",  "red",     464, 112, 16},
        {"Major",      "Ab", "red",     520,  72, 13},
        {"Major",      "1",  "fuchsia",  40,  56, 16},
        {"Major",      "2",  "fuchsia",  56,  80, 16},
        {"Major",      "3",  "fuchsia",  80,  56, 16},
        {"Major",      "4",  "fuchsia",  96,  80, 16},
        {"Major",      "1",  "green",   120,  80, 16},
        {"Major",      "2",  "green",   144,  56, 16},
        {"Major",      "3",  "green",   160,  80, 16},
        {"Major",      "3",  "green",   528,  48, 16},
        {"Minor",      "D",  "red",      64, 112, 16},
        {"Minor",      "F",  "red",     128, 112, 16},
        {"Minor",      "A",  "red",     208, 112, 16},
        {"Minor",      "D#", "red",     424,  72, 13},
        {"Minor",      "F#", "red",     488,  72, 13},
        {"Minor",      "A#", "red",     568,  72, 13},
        {"7th",        "C",  "red",      16, 128, 16},
        {"7th",        "E",  "red",      96, 128, 16},
        {"7th",        "G",  "red",     160, 128, 16},
        {"7th",        "Bb", "red",     216,  80, 13},
        {"7th",        "C#", "red",     384,  80, 13},
        {"7th",        "F",  "red",     472, 128, 16},
        {"7th",        "Ab", "red",     528,  80, 13},
        {"7th",        "B",  "red",     592, 128, 16},
        {"Major 7th",  "C",  "red",      24, 104, 16},
        {"Major 7th",  "E",  "red",     104, 104, 16},
        {"Major 7th",  "G",  "red",     168, 103, 16},
        {"Major 7th",  "B",  "red",     248, 104, 16},
        {"Major 7th",  "D",  "red",     325, 106, 16},
        {"Major 7th",  "F#", "red",     405,  74, 16},
        {"Major 7th",  "A",  "red",     469, 106, 16},
        {"Major 7th",  "C#", "red",     549,  74, 16},
        {"Minor 7th",  "C",  "red",      24, 104, 16},
        {"Minor 7th",  "D#", "red",      80,  72, 13},
        {"Minor 7th",  "G",  "red",     168, 104, 16},
        {"Minor 7th",  "A#", "red",     224,  72, 13},
        {"Minor 7th",  "D#", "red",     347,  73, 13},
        {"Minor 7th",  "F#", "red",     411,  73, 13},
        {"Minor 7th",  "A#", "red",     491,  73, 13},
        {"Minor 7th",  "C#", "red",     555,  73, 13},
        {"Minor 7th",  "1",  "green",   435,  80, 16},
        {"Minor 7th",  "3",  "blue",    564,  48, 16},
    };
    for (const Row& r : rows)
        QTest::addRow("%s %s %s (%d, %d)", r.page, r.background, r.caption, r.x, r.y)
            << r.page << r.caption << r.background << r.x << r.y << r.px;
}

void TestChordPages::overlaysAtStatedPixels() {
    QFETCH(QString, page);
    QFETCH(QString, caption);
    QFETCH(QString, background);
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(int, px);

    const std::map<QString, Colour> colours = {{"red", red}, {"fuchsia", fuchsia}, {"green", green}, {"blue", blue}};
    const Elements elements = pages.at(page)();
    const Element* e = findLabel(elements, caption.toStdString(), colours.at(background), x, y);
    QVERIFY2(e, "no such label at that place");
    QCOMPARE(fontPx(*e), px);
    QVERIFY(e->ownFont->bold);
    QCOMPARE(e->ownFont->colour, background == "red" ? yellow : white);
}

void TestChordPages::keysAtStatedPixels_data() {
    QTest::addColumn<QString>("page");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("w");
    QTest::addColumn<int>("h");
    QTest::addColumn<bool>("isBlack");

    struct Row { const char* page; const char* key; int x, y, w, h; bool black; };
    const Row rows[] = {
        // page        key        x    y   w    h   black
        {"Major",     "C",        8,  24, 25,  97, false},
        {"Major",     "C#",      32,  24, 17,  57, true},
        {"Major",     "D",       48,  24, 25,  97, false},
        {"Major",     "D#",      72,  24, 17,  57, true},
        {"Major",     "E",       88,  24, 25,  97, false},
        {"Major",     "F",      112,  24, 25,  97, false},
        {"Major",     "F#",     136,  24, 17,  57, true},
        {"Major",     "G",      152,  24, 25,  97, false},
        {"Major",     "G#",     176,  24, 17,  57, true},
        {"Major",     "A",      192,  24, 25,  97, false},
        {"Major",     "A#",     216,  24, 17,  57, true},
        {"Major",     "B",      232,  24, 25,  97, false},  // right border at column 256
        {"Major",     "C right", 352, 24, 25,  97, false},
        {"Minor",     "C right", 360, 24, 25,  97, false},
        {"7th",       "C",        8,  32, 25, 105, false},
        {"7th",       "B right", 584, 32, 25, 105, false},
        {"Major 7th", "D#",      80,  23, 17,  57, true},
        {"Major 7th", "G",      159,  24, 25,  89, false},
        {"Major 7th", "G#",     184,  23, 17,  57, true},
        {"Major 7th", "A#",     224,  23, 17,  57, true},
        {"Major 7th", "C# right", 301, 26, 17, 57, true},
        {"Major 7th", "D# right", 589, 26, 17, 57, true},
        {"Minor 7th", "C",       16,  24, 25,  89, false},
        {"Minor 7th", "C right", 283, 25, 25,  89, false},
        {"Minor 7th", "D# right", 595, 25, 17, 57, true},
    };
    for (const Row& r : rows)
        QTest::addRow("%s %s", r.page, r.key) << r.page << r.x << r.y << r.w << r.h << r.black;
}

void TestChordPages::keysAtStatedPixels() {
    QFETCH(QString, page);
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(int, w);
    QFETCH(int, h);
    QFETCH(bool, isBlack);

    const Elements elements = pages.at(page)();
    const Rect wanted{x, y, w, h};
    const auto found = std::find_if(elements.begin(), elements.end(),
                                    [&](const Element& e) { return isKey(e) && e.box == wanted; });
    QVERIFY2(found != elements.end(), "no key with that rectangle");
    QCOMPARE(found->fill == black, isBlack);
}

// =================================================================== worksheets

void TestChordPages::answersFollowTheRule_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<ChordKind>("kind");
    QTest::newRow("mcmc")    << "mcmc"    << ChordKind::Major;
    QTest::newRow("minorcw") << "minorcw" << ChordKind::Minor;
    QTest::newRow("sthcw")   << "sthcw"   << ChordKind::Seventh;
    QTest::newRow("msthcw")  << "msthcw"  << ChordKind::MajorSeventh;
    QTest::newRow("misthcw") << "misthcw" << ChordKind::MinorSeventh;
}

// Each line of the answer key, read beside the question label of its row, is
// the chord the rule builds on that key, key for key by number.
void TestChordPages::answersFollowTheRule() {
    QFETCH(QString, window);
    QFETCH(ChordKind, kind);

    const WindowDef def = windows.at(window)();
    QCOMPARE(QString::fromStdString(def.instance), window);

    // Question labels: one key name each, left column left of the answer key.
    std::vector<std::string> left, right;
    for (const Element& e : def.elements)
        if (e.kind == Kind::Label && music::keyNumber(e.caption) && fontPx(e) == 21)
            (e.box.x < 156 ? left : right).push_back(e.caption);
    QCOMPARE(left.size(), std::size_t(11));
    QCOMPARE(right.size(), std::size_t(11));

    const std::pair<const char*, const std::vector<std::string>*> columns[] = {
        {"answersLeft", &left}, {"answersRight", &right}};
    for (const auto& [listName, questions] : columns) {
        const Element* list = findNamed(def.elements, listName);
        QVERIFY2(list, listName);
        QCOMPARE(list->kind, Kind::TextBox);
        QVERIFY(list->readOnly);
        QCOMPARE(list->lines.size(), questions->size());
        for (std::size_t row = 0; row < questions->size(); ++row) {
            const std::string& question = (*questions)[row];
            const std::string& answer = list->lines[row];
            const auto keys = music::parseKeys(answer);
            QVERIFY2(keys, answer.c_str());
            const std::vector<int> wanted = music::buildChord(*music::keyNumber(question), kind);
            if (*keys != wanted)
                QFAIL(qPrintable(QString("%1 row %2: \"%3\" for %4").arg(listName).arg(row + 1)
                                     .arg(QString::fromStdString(answer), QString::fromStdString(question))));
            // Written with single blanks between the names, nothing around them.
            QCOMPARE(QString::fromStdString(answer),
                     QString::fromStdString(answer).simplified());
            QCOMPARE(words(answer).front(), question);
        }
    }
}

void TestChordPages::namePairsNameTheirKeys_data() {
    QTest::addColumn<QString>("window");
    for (const auto& [name, fn] : windows) QTest::newRow(qPrintable(name)) << name;
}

// Every black key of the reference keyboard shows both its names, one label
// near its top and one lower down, and nothing names a white key.
void TestChordPages::namePairsNameTheirKeys() {
    QFETCH(QString, window);
    const WindowDef def = windows.at(window)();
    const std::vector<KeyRow> keyboards = keyboardsOf(def.elements);
    QCOMPARE(keyboards.size(), std::size_t(1));
    const KeyRow& row = keyboards[0];
    QCOMPARE(row.size(), std::size_t(24));
    QCOMPARE(row.front().number, 0);  // starts on C

    const std::vector<OnKey> pairs = labelsOn(row, def.elements, purple);
    QCOMPARE(pairs.size(), std::size_t(20));
    for (std::size_t i = 0; i < row.size(); ++i) {
        std::vector<const Element*> on;
        for (const OnKey& p : pairs)
            if (p.key == int(i)) on.push_back(p.label);
        if (!row[i].black) {
            QVERIFY(on.empty());
            continue;
        }
        QCOMPARE(on.size(), std::size_t(2));
        std::sort(on.begin(), on.end(), [](const Element* a, const Element* b) { return a->box.y < b->box.y; });
        const Rect& key = row[i].r;
        for (const Element* l : on) {
            QVERIFY(l->box.x >= key.x && l->box.x <= key.x + 2);
            QCOMPARE(fontPx(*l), 13);
            QCOMPARE(l->ownFont->colour, white);
        }
        QVERIFY(on[0]->box.y - key.y >= 9 && on[0]->box.y - key.y <= 11);
        QVERIFY(on[1]->box.y - key.y >= 28 && on[1]->box.y - key.y <= 30);
        QStringList names{QString::fromStdString(on[0]->caption), QString::fromStdString(on[1]->caption)};
        names.sort();
        QStringList wanted{QString::fromStdString(music::sharpName(row[i].number)),
                           QString::fromStdString(music::flatName(row[i].number))};
        wanted.sort();
        QCOMPARE(names, wanted);
    }
}

void TestChordPages::tabPositionsAreDistinct_data() { namePairsNameTheirKeys_data(); }

// The window's own focusable elements take every tab position once.
void TestChordPages::tabPositionsAreDistinct() {
    QFETCH(QString, window);
    const WindowDef def = windows.at(window)();
    std::vector<int> positions;
    for (const Element& e : def.elements)
        if (!isDrawn(e.kind)) positions.push_back(e.tabPosition);
    QCOMPARE(positions.size(), std::size_t(24));  // 22 fields, the answer key, "Print"
    std::sort(positions.begin(), positions.end());
    for (std::size_t i = 0; i < positions.size(); ++i) QCOMPARE(positions[i], int(i));
}

// ===================================================================== pictures

void TestChordPages::initTestCase() { windowSet_ = std::make_unique<app::WindowSet>(); }

void TestChordPages::pictures_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("page");
    QTest::addColumn<bool>("answers");

    const char* const lessonPages[] = {"major", "minor", "7th", "major7th", "minor7th"};
    for (int i = 0; i < 5; ++i)
        QTest::newRow(qPrintable(QStringLiteral("chord-page-%1").arg(lessonPages[i])))
            << "LessonBook" << 8 + i << false;
    for (const char* w : {"mcmc", "minorcw", "sthcw", "msthcw", "misthcw"}) {
        QTest::newRow(qPrintable(QStringLiteral("chord-%1").arg(w))) << w << 0 << false;
        QTest::newRow(qPrintable(QStringLiteral("chord-%1-answers").arg(w))) << w << 0 << true;
    }
}

// Each lesson page, and each worksheet covered and uncovered, as on screen.
void TestChordPages::pictures() {
    QFETCH(QString, window);
    QFETCH(int, page);
    QFETCH(bool, answers);
    ui::PageWindow* w = windowSet_->window(window.toStdString());
    QVERIFY(w);
    ui::applyState(w, {.page = page, .answers = answers});
    LYRABEL_COMPARE_GOLDEN(ui::snapshot(w), QString::fromLatin1(QTest::currentDataTag()));
    ui::applyState(w, {.answers = false});
    w->hide();
}

// ==================================================== behaviour of the live windows

namespace {

ui::Notebook* answerKeyOf(ui::PageWindow* w) { return w->element<ui::Notebook>("AnswerKey"); }

// The focused element, as the Tab order names it.
QString focusName(ui::PageWindow* w) {
    QWidget* f = QApplication::focusWidget();
    if (!f) return QStringLiteral("(none)");
    for (QWidget* p = f; p && p != w; p = p->parentWidget())
        if (p->objectName() == QLatin1String("AnswerKey")) return p->objectName();
    return f->objectName().isEmpty() ? QString::fromLatin1(f->metaObject()->className()) : f->objectName();
}

}  // namespace

// Typing "D F# A" beside D and uncovering the key, then closing the window and
// showing it again from the Major page, brings both back as they were.
void TestChordPages::typedAnswerAndKeySurviveHiding() {
    app::WindowSet set;
    ui::PageWindow* book = set.lessonBook();
    ui::PageWindow* sheet = set.window("mcmc");
    book->showWindow();
    QVERIFY(QTest::qWaitForWindowExposed(book));
    ui::applyState(book, {.page = 8});
    auto* workpages = book->element<QPushButton>("BitBtn28");
    QVERIFY(workpages && workpages->isVisible());

    QVERIFY(!sheet->isVisible());
    QTest::mouseClick(workpages, Qt::LeftButton);
    QVERIFY(sheet->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(sheet));

    auto* field = sheet->element<QLineEdit>("answerLeft1");
    QVERIFY(field);
    QTest::mouseClick(field, Qt::LeftButton);
    QTest::keyClicks(field, "D F# A");
    QCOMPARE(field->text(), QStringLiteral("D F# A"));

    ui::Notebook* key = answerKeyOf(sheet);
    QVERIFY(key);
    QCOMPARE(key->currentIndex(), 0);  // starts on "Cover"
    auto* answers = sheet->element<QWidget>("answersLeft");
    QVERIFY(answers && !answers->isVisible());
    clickTab(key, 1);
    QCOMPARE(key->currentIndex(), 1);
    QVERIFY(answers->isVisible());
    const QPoint where = sheet->pos();

    sheet->close();
    QVERIFY(!sheet->isVisible());
    QVERIFY(book->isVisible());

    QTest::mouseClick(workpages, Qt::LeftButton);
    QVERIFY(sheet->isVisible());
    QCOMPARE(sheet->pos(), where);
    QCOMPARE(sheet->element<QLineEdit>("answerLeft1"), field);  // the same window, not a new one
    QCOMPARE(field->text(), QStringLiteral("D F# A"));
    QCOMPARE(key->currentIndex(), 1);
    QVERIFY(answers->isVisible());
}

void TestChordPages::answerLinesBesideTheirQuestions_data() { namePairsNameTheirKeys_data(); }

// Uncovered, each answer list shows one answer per line, every line inside
// the key's page and level with its question: the centre of answer n lies
// within half a line of the centre of question n. A wrapped answer pushes the
// rest down a row and the last one off the page.
void TestChordPages::answerLinesBesideTheirQuestions() {
    QFETCH(QString, window);
    const WindowDef def = windows.at(window)();
    std::vector<Rect> left, right;  // question label boxes, in row order
    for (const Element& e : def.elements)
        if (e.kind == Kind::Label && music::keyNumber(e.caption) && fontPx(e) == 21)
            (e.box.x < 156 ? left : right).push_back({e.box.x, e.box.y, e.box.w, 24});

    app::WindowSet set;
    ui::PageWindow* w = set.window(window.toStdString());
    w->showWindow();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    ui::applyState(w, {.answers = true});

    const std::pair<const char*, const std::vector<Rect>*> columns[] = {
        {"answersLeft", &left}, {"answersRight", &right}};
    for (const auto& [listName, questions] : columns) {
        auto* list = w->findChild<ui::TextBox*>(listName);
        QVERIFY2(list && list->isVisible(), listName);
        QWidget* page = list->parentWidget();
        const QTextDocument* doc = list->document();
        QCOMPARE(doc->blockCount(), int(questions->size()));
        for (int row = 0; row < doc->blockCount(); ++row) {
            const QTextBlock answer = doc->findBlockByNumber(row);
            const QString where = QStringLiteral("%1 row %2 \"%3\"").arg(listName).arg(row + 1).arg(answer.text());
            QVERIFY2(answer.layout()->lineCount() == 1, qPrintable(where + " wraps"));
            // The block's own box; the last one also holds the document's bottom margin.
            const QRectF block = doc->documentLayout()->blockBoundingRect(answer);
            const QRectF line(block.left(), block.top(), block.width(), lineHeight(tnr(21).bolded()));
            const QPoint top = list->viewport()->mapTo(page, QPoint(0, int(line.top())));
            const QPoint bottom = list->viewport()->mapTo(page, QPoint(0, int(line.bottom())));
            // A list 5 px above the page loses only the top 3 px of its first line,
            // above the capitals (a 21-px line's caps start 4 px down).
            QVERIFY2(top.y() >= -3 && bottom.y() <= page->height(),
                     qPrintable(where + QStringLiteral(" lies at %1..%2 on a page %3 high")
                                            .arg(top.y()).arg(bottom.y()).arg(page->height())));
            const int centre = list->viewport()->mapTo(w, QPoint(0, int(line.center().y()))).y();
            const Rect& question = (*questions)[row];
            QVERIFY2(std::abs(centre - (question.y + question.h / 2)) <= 12,
                     qPrintable(where + QStringLiteral(" centre %1, question at %2").arg(centre).arg(question.y)));
        }
    }
}

void TestChordPages::tabOrder_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<bool>("keyFirst");
    QTest::newRow("mcmc")    << "mcmc"    << false;
    QTest::newRow("minorcw") << "minorcw" << true;
    QTest::newRow("sthcw")   << "sthcw"   << true;
    QTest::newRow("msthcw")  << "msthcw"  << true;
    QTest::newRow("misthcw") << "misthcw" << true;
}

// The first element in Tab order has the focus when the window is first shown;
// Tab then visits the fields row by row, left column first, the answer key
// before or after them, then "Print", and wraps round.
void TestChordPages::tabOrder() {
    QFETCH(QString, window);
    QFETCH(bool, keyFirst);

    QStringList expected;
    for (const char* side : {"answerLeft", "answerRight"})
        for (int row = 1; row <= 11; ++row) expected << QStringLiteral("%1%2").arg(side).arg(row);
    if (keyFirst)
        expected.prepend(QStringLiteral("AnswerKey"));
    else
        expected << QStringLiteral("AnswerKey");
    expected << QStringLiteral("BitBtn1") << expected.front();

    app::WindowSet set;
    ui::PageWindow* w = set.window(window.toStdString());
    w->showWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    QStringList visited{focusName(w)};
    for (int i = 1; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : w, Qt::Key_Tab);
        visited << focusName(w);
    }
    QCOMPARE(visited, expected);
}

LYRABEL_TEST_MAIN(TestChordPages)
#include "test_chordpages.moc"
