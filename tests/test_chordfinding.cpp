// Corvalle Lyrabel — the Chords page, its chord-finding example panel `cpexam`
// and the Chord Workpage, checked against the staff and chord rules.
//
// Sections: reading element data · chords on the staffs · the example's
//           keyboards · label sizes · pictures · behaviour of the live windows
//
// The data checks read the built element lists, not the sources' tables: note
// heads are the circle shapes, staffs the hatched rectangles or the staff
// picture, keys the keyboard's rectangles, letters and captions the labels on them.
#include "support.h"

#include "app/windowset.h"
#include "diagrams/musicrules.h"
#include "diagrams/staff.h"
#include "lessons/chordspage.h"
#include "ui/widgets.h"
#include "workpages/chordworkpage.h"

#include <QAbstractTextDocumentLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

using testing::child;
using testing::clickTab;
using testing::keyOnSheet;

using namespace ui;
using music::Clef;

namespace {

// --------------------------------------------------------- reading element data

const Element* findNamed(const Elements& elements, const std::string& name) {
    for (const Element& e : elements) {
        if (e.name == name) return &e;
        if (const Element* inner = findNamed(e.children, name)) return inner;
    }
    return nullptr;
}

const Elements& examplePanel() {
    static const Elements page = lessons::chordsPage();
    const Element* panel = findNamed(page, "cpexam");
    if (!panel) qFatal("the Chords page has no cpexam");
    return panel->children;
}

// A label's box as built: labels size themselves to their text.
Rect labelBox(const Element& e) {
    return {e.box.x, e.box.y, textWidth(*e.ownFont, e.caption), lineHeight(*e.ownFont)};
}

bool isHead(const Element& e) { return e.kind == Kind::Shape && e.form == ShapeForm::Circle && e.outline == black; }

const char* kindName(music::ChordKind k) {
    switch (k) {
    case music::ChordKind::Major: return "Major";
    case music::ChordKind::Minor: return "Minor";
    case music::ChordKind::Seventh: return "7th";
    case music::ChordKind::MajorSeventh: return "Major 7th";
    case music::ChordKind::MinorSeventh: return "Minor 7th";
    }
    return "?";
}

// The chord the Chords page's method names for these written notes, as the
// answers field writes it ("E Minor"); empty for none of the five chords.
QString chordName(const std::vector<std::string>& notes) {
    const music::ChordFinding found = music::findChord(notes);
    if (!found.root || !found.kind) return {};
    return QString::fromStdString(music::sharpName(*found.root)) + u' ' + QLatin1String(kindName(*found.kind));
}

QString joined(const std::vector<std::string>& notes) {
    QStringList out;
    for (const std::string& n : notes) out << QString::fromStdString(n);
    return out.join(u' ');
}

std::set<int> keysOf(const std::vector<std::string>& notes) {
    std::set<int> keys;
    for (const std::string& n : notes) {
        const auto base = music::keyNumber(n.substr(0, 1));
        keys.insert(music::keyAbove(*base, n.size() > 1 && n[1] == '#' ? 1 : 0));
    }
    return keys;
}

// One note head of the Chord Workpage as read: its column, clef, letter and
// whether it is drawn after its own staff.
struct ReadHead {
    Rect box;
    Clef clef;
    std::string note;        // "G", or "G#" where a sharp sign stands beside it
    bool afterStaff = false;
    int position = -1;
};

// Every head of the Chord Workpage, read on the staff it lies on, in columns
// left to right; within a column treble heads first, each staff top down.
std::vector<std::vector<ReadHead>> readWorkpageChords(QStringList& problems) {
    const WindowDef def = workpages::TChordWorkpage();
    std::vector<std::pair<Rect, int>> staffs;  // box, declaration index
    for (int i = 0; i < int(def.elements.size()); ++i)
        if (def.elements[i].fillStyle == FillStyle::HorizontalHatch && def.elements[i].kind == Kind::Shape)
            staffs.push_back({def.elements[i].box, i});
    if (staffs.size() != 2) {
        problems << QStringLiteral("%1 hatched staffs, not 2").arg(staffs.size());
        return {};
    }
    std::sort(staffs.begin(), staffs.end(), [](auto& a, auto& b) { return a.first.y < b.first.y; });

    std::vector<ReadHead> heads;
    for (int i = 0; i < int(def.elements.size()); ++i) {
        const Element& e = def.elements[i];
        if (!isHead(e)) continue;
        if (e.fill != white || e.fillStyle != FillStyle::Solid) problems << QStringLiteral("a head at %1 is not hollow").arg(e.box.x);
        const double centre = diagrams::headCentreY(e.box);
        // The staff whose lines lie nearest the head's centre.
        const auto& [staff, staffIndex] = std::abs(centre - (staffs[0].first.y + staffs[0].first.h / 2.0)) <
                                                  std::abs(centre - (staffs[1].first.y + staffs[1].first.h / 2.0))
                                              ? staffs[0] : staffs[1];
        ReadHead h{e.box, staff == staffs[0].first ? Clef::Treble : Clef::Bass, {}, i > staffIndex};
        h.position = diagrams::hatchedStaffPosition(staff, centre);
        if (h.position < 0) {
            problems << QStringLiteral("head at (%1, %2) is on no line or space").arg(e.box.x).arg(e.box.y);
            continue;
        }
        h.note = std::string(1, music::staffLetter(h.clef, h.position));
        heads.push_back(h);
    }

    // A sharp sign raises the head just left of it whose centre lies nearest its own.
    for (const Element& e : def.elements) {
        if (e.kind != Kind::Label || e.caption != "#") continue;
        const Rect sign = labelBox(e);
        ReadHead* raised = nullptr;
        for (ReadHead& h : heads) {
            const int gap = sign.x - (h.box.x + h.box.w);
            if (gap < 0 || gap > 3) continue;
            const auto distance = [&](const ReadHead& r) { return std::abs(diagrams::headCentreY(r.box) - (sign.y + sign.h / 2.0)); };
            if (!raised || distance(h) < distance(*raised)) raised = &h;
        }
        if (!raised) problems << QStringLiteral("sharp sign at (%1, %2) beside no head").arg(sign.x).arg(sign.y);
        else raised->note += '#';
    }

    std::sort(heads.begin(), heads.end(), [](const ReadHead& a, const ReadHead& b) { return a.box.x < b.box.x; });
    std::vector<std::vector<ReadHead>> columns;
    for (const ReadHead& h : heads) {
        if (columns.empty() || h.box.x - columns.back().back().box.x > 20) columns.emplace_back();
        columns.back().push_back(h);
    }
    for (auto& column : columns)
        std::sort(column.begin(), column.end(), [](const ReadHead& a, const ReadHead& b) {
            return a.clef != b.clef ? a.clef == Clef::Treble : a.box.y < b.box.y;
        });
    return columns;
}

// The example chord on the panel's staff picture: filled heads, read on the
// picture's treble or bass staff, top down.
std::vector<std::string> exampleChordNotes(QStringList& problems) {
    const Elements& panel = examplePanel();
    const auto picture = std::find_if(panel.begin(), panel.end(), [](const Element& e) { return e.kind == Kind::Picture; });
    if (picture == panel.end()) {
        problems << "no staff picture on the panel";
        return {};
    }
    std::vector<std::pair<int, std::string>> notes;  // y, letter
    for (const Element& e : panel) {
        if (!isHead(e) || e.box.w == 11) continue;  // the 11×12 circles are the keyboard markers
        if (e.fill != black) problems << QStringLiteral("head at (%1, %2) is not filled").arg(e.box.x).arg(e.box.y);
        const double centre = diagrams::headCentreY(e.box);
        const Clef clef = centre < picture->box.y + 62 ? Clef::Treble : Clef::Bass;
        const int position = diagrams::grandStaffPosition(clef, picture->box.y, centre);
        if (position < 0) {
            problems << QStringLiteral("head at (%1, %2) is on no line or space").arg(e.box.x).arg(e.box.y);
            continue;
        }
        notes.push_back({e.box.y, std::string(1, music::staffLetter(clef, position))});
    }
    std::sort(notes.begin(), notes.end());
    std::vector<std::string> out;
    for (const auto& n : notes) out.push_back(n.second);
    return out;
}

// ------------------------------------------------------- the example's keyboards

struct PanelKey {
    Rect r;
    bool black = false;
    int number = -1;  // 0 (C) .. 11 (B), from the keyboard's colour pattern
};
using KeyRow = std::vector<PanelKey>;

bool isKey(const Element& e) {
    return e.kind == Kind::Shape && e.form == ShapeForm::Rectangle && e.box.w == 12 && e.outline == black &&
           e.outlineWidth == 1 && (e.fill == white || e.fill == black);
}

// The panel's keyboards, top to bottom: keys of one keyboard have tops within a few pixels.
std::vector<KeyRow> panelKeyboards() {
    KeyRow keys;
    for (const Element& e : examplePanel())
        if (isKey(e)) keys.push_back({e.box, e.fill == black});
    std::sort(keys.begin(), keys.end(), [](const PanelKey& a, const PanelKey& b) {
        return a.r.y / 50 != b.r.y / 50 ? a.r.y < b.r.y : a.r.x < b.r.x;
    });
    std::vector<KeyRow> rows;
    for (const PanelKey& k : keys) {
        if (rows.empty() || std::abs(k.r.y - rows.back().front().r.y) > 10) rows.emplace_back();
        rows.back().push_back(k);
    }
    for (KeyRow& row : rows) {
        std::sort(row.begin(), row.end(), [](const PanelKey& a, const PanelKey& b) { return a.r.x < b.r.x; });
        std::vector<int> starts;
        for (int first = 0; first < 12; ++first) {
            bool fits = true;
            for (std::size_t i = 0; i < row.size(); ++i) fits = fits && music::isBlack((first + int(i)) % 12) == row[i].black;
            if (fits) starts.push_back(first);
        }
        if (starts.size() == 1)
            for (std::size_t i = 0; i < row.size(); ++i) row[i].number = (starts[0] + int(i)) % 12;
    }
    return rows;
}

// The key drawn at (x, y): the last one drawn there, as keys are drawn left to right.
int keyAt(const KeyRow& row, int x, int y) {
    int found = -1;
    for (std::size_t i = 0; i < row.size(); ++i) {
        const Rect& r = row[i].r;
        if (x >= r.x && x < r.x + r.w && y >= r.y && y < r.y + r.h) found = int(i);
    }
    return found;
}

int top(const KeyRow& row) { int t = row.front().r.y; for (const PanelKey& k : row) t = std::min(t, k.r.y); return t; }
int bottom(const KeyRow& row) { int b = 0; for (const PanelKey& k : row) b = std::max(b, k.r.y + k.r.h); return b; }

// The keyboard a label or marker at vertical centre y belongs to: the nearest by its span.
int nearestKeyboard(const std::vector<KeyRow>& rows, double y) {
    int best = -1;
    double bestDistance = 1e9;
    for (int i = 0; i < int(rows.size()); ++i) {
        const double d = y < top(rows[i]) ? top(rows[i]) - y : y > bottom(rows[i]) ? y - bottom(rows[i]) : 0;
        if (d < bestDistance) best = i, bestDistance = d;
    }
    return best;
}

}  // namespace

class TestChordFinding : public QObject {
    Q_OBJECT

private slots:
    // ----- chords on the staffs
    void workpageChords_data();
    void workpageChords();
    void exampleAgreesEverywhere();
    void explanationsCountByTheRules_data();
    void explanationsCountByTheRules();

    // ----- the example's keyboards
    void exampleKeyboards_data();
    void exampleKeyboards();

    // ----- label sizes
    void labelSizes_data();
    void labelSizes();

    // ----- pictures (before the behaviour tests, which type into the windows)
    void initTestCase();
    void pictures_data();
    void pictures();

    // ----- behaviour of the live windows
    void exampleShownAndHidden();
    void ruleBoxKeepsTyping();
    void pageTabOrder();
    void stepsStandLevelWithTheirKeyboards();
    void explanationScrolls();
    void workpageFieldsAndTabOrder();

private:
    std::unique_ptr<app::WindowSet> windowSet_;
};

// ============================================================ chords on the staffs

void TestChordFinding::workpageChords_data() {
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("notes");       // treble top down, then bass top down
    QTest::addColumn<QString>("chord");       // as the method names it; empty for none of the five
    QTest::addColumn<int>("afterStaff");      // heads drawn after their own staff, covering its lines

    //                          column  notes              chord       after staff
    QTest::newRow("chord 1") << 0 << "G E B G"         << "E Minor" << 0;
    QTest::newRow("chord 2") << 1 << "D A A C"         << ""        << 0;
    QTest::newRow("chord 3") << 2 << "C A F A"         << "F Major" << 0;
    QTest::newRow("chord 4") << 3 << "B G D B"         << "G Major" << 2;
    QTest::newRow("chord 5") << 4 << "C F D B#"        << ""        << 1;
    QTest::newRow("chord 6") << 5 << "E A A C"         << "A Minor" << 0;
    QTest::newRow("chord 7") << 6 << "G# E B"          << "E Major" << 2;
}

// Each chord's heads, read on their hatched staff (upper treble, lower bass),
// spell the chord the method names; the heads lie on the lines and spaces
// within 2 px; heads drawn before their staff are crossed by its lines.
void TestChordFinding::workpageChords() {
    QFETCH(int, column);
    QFETCH(QString, notes);
    QFETCH(QString, chord);
    QFETCH(int, afterStaff);

    QStringList problems;
    const std::vector<std::vector<ReadHead>> columns = readWorkpageChords(problems);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join("; ")));
    QCOMPARE(int(columns.size()), 7);

    const std::vector<ReadHead>& heads = columns[column];
    std::vector<std::string> read;
    int after = 0;
    for (const ReadHead& h : heads) {
        read.push_back(h.note);
        after += h.afterStaff;
        // Staff-family heads without stems: 9×11 boxes (one 10×8), 8 or 9 px circles.
        QVERIFY(std::min(h.box.w, h.box.h) == 8 || std::min(h.box.w, h.box.h) == 9);
    }
    QCOMPARE(joined(read), notes);
    QCOMPARE(chordName(read), chord);
    QCOMPARE(after, afterStaff);
}

// The worked example is one chord throughout: the notes on the panel's staff
// picture, the Chord Workpage's first chord, the letters and the answer typed
// into its fields, and the last lines of both explanations.
void TestChordFinding::exampleAgreesEverywhere() {
    QStringList problems;
    const std::vector<std::string> panelNotes = exampleChordNotes(problems);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join("; ")));
    QCOMPARE(joined(panelNotes), QStringLiteral("G E B G"));
    const QString answer = chordName(panelNotes);
    QCOMPARE(answer, QStringLiteral("E Minor"));

    const std::vector<std::vector<ReadHead>> columns = readWorkpageChords(problems);
    QVERIFY2(problems.isEmpty() && !columns.empty(), qPrintable(problems.join("; ")));
    std::vector<std::string> firstChord;
    for (const ReadHead& h : columns.front()) firstChord.push_back(h.note);
    std::vector<std::string> sortedPanel = panelNotes, sortedFirst = firstChord;
    std::sort(sortedPanel.begin(), sortedPanel.end());
    std::sort(sortedFirst.begin(), sortedFirst.end());
    QCOMPARE(joined(sortedFirst), joined(sortedPanel));

    const WindowDef def = workpages::TChordWorkpage();
    const Element* answers = findNamed(def.elements, "answersField");
    const Element* notes = findNamed(def.elements, "notesField");
    QVERIFY(answers && notes);
    QCOMPARE(QString::fromStdString(answers->caption), answer);
    // The notes field holds the chord's letters, each at least once and nothing else.
    std::vector<std::string> typed;
    for (char c : notes->caption) typed.push_back(std::string(1, c));
    QVERIFY(keysOf(typed) == keysOf(firstChord));

    const Element* explanation = findNamed(def.elements, "explanationBox");
    QVERIFY(explanation && explanation->readOnly && explanation->verticalScrollBar);
    QCOMPARE(explanation->lines.size(), std::size_t(31));
    QVERIFY(QString::fromStdString(explanation->lines.back()).endsWith(u' ' + answer));

    const Element* steps = findNamed(examplePanel(), "stepsBox");
    QVERIFY(steps && steps->readOnly);
    QCOMPARE(steps->lines.size(), std::size_t(26));
    QVERIFY(QString::fromStdString(steps->lines.back()).endsWith(u' ' + answer));
}

void TestChordFinding::explanationsCountByTheRules_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("counts");  // "from X up to Y is N" phrases the box holds
    QTest::newRow("steps on the example panel") << "stepsBox" << 5;
    QTest::newRow("explanation on the Chord Workpage") << "explanationBox" << 5;
}

// The worked texts say what the rules say: every "from X up to Y is N half
// steps" is the half-step distance between those keys, the letters named are
// those of the example chord read from its staff, and the reminder's two rules
// count the major and minor chords' half steps in order.
void TestChordFinding::explanationsCountByTheRules() {
    QFETCH(QString, box);
    QFETCH(int, counts);

    const WindowDef workpage = workpages::TChordWorkpage();
    const Element* text = box == "stepsBox" ? findNamed(examplePanel(), "stepsBox") : findNamed(workpage.elements, "explanationBox");
    QVERIFY(text);
    QStringList stored;
    for (const std::string& line : text->lines) stored << QString::fromStdString(line);
    const QString all = stored.join(u' ').simplified();  // phrases run on across stored lines

    static const QRegularExpression count(QStringLiteral("from ([A-G][#b]?) up to ([A-G][#b]?) is (\\d+)"),
                                          QRegularExpression::CaseInsensitiveOption);
    int found = 0;
    for (auto m = count.globalMatch(all); m.hasNext(); ++found) {
        const QRegularExpressionMatch c = m.next();
        const auto from = music::keyNumber(c.captured(1).toStdString());
        const auto to = music::keyNumber(c.captured(2).toStdString());
        QVERIFY(from && to);
        QVERIFY2(music::halfStepsUp(*from, *to) == c.captured(3).toInt(), qPrintable(c.captured(0)));
    }
    QCOMPARE(found, counts);

    QStringList problems;
    const std::vector<std::string> chordNotes = exampleChordNotes(problems);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join("; ")));
    static const QRegularExpression letters(QStringLiteral("letters[^.]*?\\b([A-G]), ([A-G]) and ([A-G])\\b"));
    const QRegularExpressionMatch named = letters.match(all);
    QVERIFY2(named.hasMatch(), "the letters to work with are not named");
    std::set<std::string> namedLetters, chordLetters(chordNotes.begin(), chordNotes.end());
    for (int i = 1; i <= 3; ++i) namedLetters.insert(named.captured(i).toStdString());
    QVERIFY(namedLetters == chordLetters);

    // The reminder: three lines of the major rule, a blank, three of the minor rule.
    const std::vector<std::string> reminder = lessons::chordRulesReminder();
    QCOMPARE(int(reminder.size()), 7);
    QCOMPARE(QString::fromStdString(reminder[3]).trimmed(), QString());
    static const QRegularExpression steps(QStringLiteral("\\b(\\d|one|two|three|four|five) half steps"));
    const QStringList words{"zero", "one", "two", "three", "four", "five"};
    const auto stepsOf = [&](int first) {
        std::vector<int> out;
        for (int i = first; i < first + 3; ++i)
            for (auto m = steps.globalMatch(QString::fromStdString(reminder[i])); m.hasNext();) {
                const QString n = m.next().captured(1);
                out.push_back(n[0].isDigit() ? n.toInt() : int(words.indexOf(n)));
            }
        return out;
    };
    QCOMPARE(stepsOf(0), music::chordSteps(music::ChordKind::Major));
    QCOMPARE(stepsOf(4), music::chordSteps(music::ChordKind::Minor));
    QVERIFY(QString::fromStdString(reminder[0]).contains(QStringLiteral("major")));
    QVERIFY(QString::fromStdString(reminder[4]).contains(QStringLiteral("minor")));
    // The Chord Workpage's explanation repeats the reminder line for line.
    if (box == "explanationBox")
        QVERIFY(std::search(text->lines.begin(), text->lines.end(), reminder.begin(), reminder.end()) != text->lines.end());
}

// ===================================================== the example's keyboards

void TestChordFinding::exampleKeyboards_data() {
    QTest::addColumn<int>("keyboard");
    QTest::addColumn<QString>("firstKey");
    QTest::addColumn<int>("keys");
    QTest::addColumn<QString>("candidate");   // the letter tried as the chord's first key
    QTest::addColumn<QString>("captioned");   // half steps captioned, left to right
    QTest::addColumn<QString>("verdict");     // "ruled out" or the chord found

    //                    keyboard  first  keys  candidate  captioned  verdict
    QTest::newRow("A") << 0 << "F" << 12 << "G" << "5"   << "ruled out";
    QTest::newRow("B") << 1 << "B" << 13 << "B" << "5"   << "ruled out";
    QTest::newRow("C") << 2 << "C" << 12 << "E" << "3 4" << "E Minor";
}

// Each keyboard tries one letter: its red markers stand on the keys of the
// example chord, below blue letters naming them; every other white key has a
// black letter and black keys none. Counting keys between the markers gives
// the rule's half steps; a 5 rules the candidate out, in a red caption over
// those keys; the last keyboard counts 3 then 4, the chord the method names.
void TestChordFinding::exampleKeyboards() {
    QFETCH(int, keyboard);
    QFETCH(QString, firstKey);
    QFETCH(int, keys);
    QFETCH(QString, candidate);
    QFETCH(QString, captioned);
    QFETCH(QString, verdict);

    QStringList problems;
    const std::vector<std::string> chordNotes = exampleChordNotes(problems);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join("; ")));
    const std::set<int> chordKeys = keysOf(chordNotes);
    QCOMPARE(int(chordKeys.size()), 3);

    const std::vector<KeyRow> rows = panelKeyboards();
    QCOMPARE(int(rows.size()), 3);
    const KeyRow& row = rows[keyboard];
    QCOMPARE(int(row.size()), keys);
    QVERIFY2(row.front().number >= 0, "the keys' colours follow no octave");
    QCOMPARE(QString::fromStdString(music::sharpName(row.front().number)), firstKey);
    for (const PanelKey& k : row) QCOMPARE(k.r.h, k.black ? 38 : 64);

    // Markers: red 11×12 circles, each on a key of the chord.
    std::vector<int> marked;
    std::vector<const Element*> markers;
    for (const Element& e : examplePanel()) {
        if (!isHead(e) || e.fill != red) continue;
        if (nearestKeyboard(rows, e.box.y + e.box.h / 2.0) != keyboard) continue;
        QCOMPARE(e.box.w, 11);
        QCOMPARE(e.box.h, 12);
        const int k = keyAt(row, e.box.x + e.box.w / 2, e.box.y + e.box.h / 2);
        QVERIFY2(k >= 0, "marker on no key");
        marked.push_back(k);
        markers.push_back(&e);
    }

    // Letters: one on every white key, naming it; blue exactly on the marked keys,
    // each marker below its key's letter.
    std::map<int, const Element*> letters;  // key index → label
    for (const Element& e : examplePanel()) {
        if (e.kind != Kind::Label || !e.colour || *e.colour != white) continue;
        const Rect box = labelBox(e);
        if (nearestKeyboard(rows, box.y + box.h / 2.0) != keyboard) continue;
        const int k = keyAt(row, box.x + box.w / 2, box.y + box.h / 2);
        QVERIFY2(k >= 0 && !row[k].black, qPrintable(QStringLiteral("letter %1 on no white key").arg(e.caption.c_str())));
        QVERIFY2(!letters.count(k), "two letters on one key");
        letters[k] = &e;
        QCOMPARE(music::keyNumber(e.caption), std::optional<int>(row[k].number));
        QCOMPARE(e.ownFont->family, Family::Arial);
        QCOMPARE(e.ownFont->px, 13);
        QVERIFY(e.ownFont->bold);
        const auto marker = std::find(marked.begin(), marked.end(), k);
        QCOMPARE(e.ownFont->colour, marker != marked.end() ? blue : black);
        if (marker != marked.end()) QVERIFY(markers[marker - marked.begin()]->box.y >= box.y + box.h);
        QVERIFY(box.w >= 8 && box.w <= 10);
        QCOMPARE(box.h, 16);
    }
    int whiteKeys = 0;
    for (const PanelKey& k : row) whiteKeys += !k.black;
    QCOMPARE(int(letters.size()), whiteKeys);
    for (int k : marked) QVERIFY2(letters.count(k), "marker on a key without a letter");

    std::sort(marked.begin(), marked.end());
    std::set<int> markedKeys;
    for (int k : marked) markedKeys.insert(row[k].number);
    QCOMPARE(int(marked.size()), 3);
    QVERIFY(markedKeys == chordKeys);
    QCOMPARE(QString::fromStdString(music::sharpName(row[marked.front()].number)), candidate);

    // Counting from the candidate: each step is the number of keys passed, which
    // the rule gives as the half steps from one key up to the next.
    std::vector<int> steps;
    for (std::size_t i = 1; i < marked.size(); ++i) {
        steps.push_back(marked[i] - marked[i - 1]);
        QCOMPARE(steps.back(), music::halfStepsUp(row[marked[i - 1]].number, row[marked[i]].number));
    }

    // Captions: "N half steps" over or under the pair of marked keys they span most.
    QStringList seen;
    for (const Element& e : examplePanel()) {
        if (e.kind != Kind::Label || !QString::fromStdString(e.caption).endsWith(" half steps")) continue;
        const Rect box = labelBox(e);
        if (nearestKeyboard(rows, box.y + box.h / 2.0) != keyboard) continue;
        int pair = -1, best = 0;
        for (std::size_t i = 1; i < marked.size(); ++i) {
            const int left = std::max(box.x, row[marked[i - 1]].r.x);
            const int right = std::min(box.x + box.w, row[marked[i]].r.x + row[marked[i]].r.w);
            if (right - left > best) best = right - left, pair = int(i) - 1;
        }
        QVERIFY2(pair >= 0, qPrintable(QStringLiteral("caption at %1 spans no two chord keys").arg(box.x)));
        const int n = std::stoi(e.caption);
        QCOMPARE(n, steps[pair]);
        QCOMPARE(*e.colour == red, n == 5);  // red marks the count that rules a candidate out
        QCOMPARE(e.ownFont->colour, white);
        seen << QString::number(n);
    }
    QCOMPARE(seen.join(' '), captioned);

    if (verdict == QLatin1String("ruled out")) {
        QVERIFY(std::count(steps.begin(), steps.end(), 5) > 0);
    } else {
        QVERIFY(std::count(steps.begin(), steps.end(), 5) == 0);
        const music::ChordFinding found = music::findChord(chordNotes);
        QVERIFY(found.root && found.kind);
        QCOMPARE(*found.root, row[marked.front()].number);
        QCOMPARE(steps, music::chordSteps(*found.kind));
        QCOMPARE(chordName(chordNotes), verdict);
    }
}

// ================================================================ label sizes

void TestChordFinding::labelSizes_data() {
    QTest::addColumn<QString>("where");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("w");
    QTest::addColumn<int>("h");

    struct Row { const char* where; const char* caption; int x, y, w, h; };
    const Row rows[] = {
        // where      caption                                                                 x    y    w    h
        {"page",     "Treble Clef",                                                            88,  80,  75, 17},
        {"page",     "Bass Clef",                                                              96, 144,  63, 17},
        {"page",     "Measure",                                                               232,  56,  59, 17},
        {"page",     "Measure",                                                               376,  56,  59, 17},
        {"page",     "Bar",                                                                   304,  56,  24, 17},
        {"page",     "Bar",                                                                   456,  56,  24, 17},
        {"page",     "Time Signature",                                                        114,  40, 100, 17},
        {"page",     "For Finding Chords:",                                                   217,   4, 182, 24},
        {"cpexam",   "When you are done with the example click the OK button:",               40, 518, 431, 21},
        {"cpexam",   "5 half steps",                                                           75, 260,  67, 16},
        {"cpexam",   "5 half steps",                                                            4, 343,  67, 16},
        {"cpexam",   "3 half steps",                                                           19, 497,  67, 16},
        {"cpexam",   "4 half steps",                                                           97, 497,  67, 16},
        {"workpage", "Find the chords below. First find what each note is then decide what chord it is.", 48, 2, 518, 19},
        {"workpage", "Note: the notes don't have to be in a certain order to form the chord.", 76,  19, 453, 19},
        {"workpage", "The above box can be used to remember the notes. The bottom box is for the answers.", 21, 197, 571, 19},
        {"workpage", "#",                                                                     373, 126,   8, 17},
        {"workpage", "#",                                                                     558,  59,   8, 17},
        {"workpage", "^",                                                                     611, 335,  14, 36},
    };
    for (const Row& r : rows)
        QTest::addRow("%s \"%s\" at (%d, %d)", r.where, r.caption, r.x, r.y) << r.where << r.caption << r.x << r.y << r.w << r.h;
}

// Labels size themselves to their text: a label's built size equal to the
// design's size confirms its font and its text.
void TestChordFinding::labelSizes() {
    QFETCH(QString, where);
    QFETCH(QString, caption);
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(int, w);
    QFETCH(int, h);

    const WindowDef workpage = workpages::TChordWorkpage();
    const Elements page = lessons::chordsPage();
    const Elements& elements = where == "page" ? page : where == "cpexam" ? examplePanel() : workpage.elements;
    const Font inherited = where == "workpage" ? workpage.font : tnr(16).bolded().in(white);
    const auto found = std::find_if(elements.begin(), elements.end(), [&](const Element& e) {
        return e.kind == Kind::Label && e.caption == caption.toStdString() && e.box.x == x && e.box.y == y;
    });
    QVERIFY2(found != elements.end(), "no such label there");
    const Font font = found->ownFont.value_or(inherited);
    QCOMPARE(textWidth(font, found->caption), w);
    QCOMPARE(lineHeight(font), h);
}

// =================================================================== pictures

void TestChordFinding::initTestCase() { windowSet_ = std::make_unique<app::WindowSet>(); }

void TestChordFinding::pictures_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("panel");
    QTest::addColumn<bool>("scrolled");  // the explanation scrolled to its end
    QTest::newRow("chordfinding-page") << "LessonBook" << "" << false;
    QTest::newRow("chordfinding-cpexam") << "LessonBook" << "cpexam" << false;
    QTest::newRow("chordfinding-workpage") << "ChordWorkpage" << "" << false;
    QTest::newRow("chordfinding-workpage-scrolled") << "ChordWorkpage" << "" << true;
}

// The Chords page, with its example shown, and the Chord Workpage with its
// explanation at the top and at the end, as on screen.
void TestChordFinding::pictures() {
    QFETCH(QString, window);
    QFETCH(QString, panel);
    QFETCH(bool, scrolled);
    ui::PageWindow* w = windowSet_->window(window.toStdString());
    QVERIFY(w);
    const int page = window == "LessonBook" ? 13 : 0;
    ui::applyState(w, {.page = page, .panel = panel});
    QScrollBar* bar = nullptr;
    if (auto* box = w->element<ui::TextBox>("explanationBox")) {
        bar = box->verticalScrollBar();
        bar->setValue(scrolled ? bar->maximum() : 0);
    }
    LYRABEL_COMPARE_GOLDEN(ui::snapshot(w), QString::fromLatin1(QTest::currentDataTag()));
    if (!panel.isEmpty()) w->hideElement(panel);
    if (bar) bar->setValue(0);
    w->hide();
}

// ==================================================== behaviour of the live windows

namespace {

QString focusName() {
    QWidget* f = QApplication::focusWidget();
    return f ? f->objectName() : QStringLiteral("(none)");
}

}  // namespace

// "Go To Example" shows the panel over the whole page; the page's own buttons
// are then out of reach, the panel's "Workpage" opens the Chord Workpage with
// the panel still shown, the panel stays open across tab changes, and OK (or
// Enter on the tab strip) hides it.
void TestChordFinding::exampleShownAndHidden() {
    app::WindowSet set;
    ui::PageWindow* book = set.lessonBook();
    ui::PageWindow* workpage = set.window("ChordWorkpage");
    book->showWindow();
    QVERIFY(QTest::qWaitForWindowExposed(book));
    auto* tabs = book->element<ui::Notebook>("LessonTabs");
    QVERIFY(tabs);
    tabs->select(12);

    auto* panel = book->element<QWidget>("cpexam");
    auto* goToExample = book->element<QPushButton>("BitBtn35");
    auto* pageWorkpage = book->element<QPushButton>("BitBtn33");
    QVERIFY(panel && goToExample && pageWorkpage);
    QVERIFY(!panel->isVisible());
    QCOMPARE(panel->geometry(), QRect(0, -1, 609, 544));

    QTest::mouseClick(goToExample, Qt::LeftButton);
    QVERIFY(panel->isVisible());
    QCOMPARE(panel->geometry(), QRect(0, -1, 609, 544));
    // What lies under the page's buttons now belongs to the panel.
    for (QPushButton* covered : {goToExample, pageWorkpage}) {
        QWidget* hit = book->childAt(covered->mapTo(book, covered->rect().center()));
        QVERIFY(hit && (hit == panel || panel->isAncestorOf(hit)));
    }

    auto* panelWorkpage = book->element<QPushButton>("BitBtn2");
    QVERIFY(panelWorkpage && panel->isAncestorOf(panelWorkpage));
    QVERIFY(!workpage->isVisible());
    QTest::mouseClick(panelWorkpage, Qt::LeftButton);
    QVERIFY(workpage->isVisible());
    QVERIFY(panel->isVisible());
    workpage->close();

    // The read-only boxes take no typing.
    auto* steps = book->element<ui::TextBox>("stepsBox");
    QVERIFY(steps);
    const QString before = steps->text();
    QTest::mouseClick(steps->viewport(), Qt::LeftButton);
    QTest::keyClicks(steps, "xyz");
    QCOMPARE(steps->text(), before);

    tabs->select(2);  // "Beats"
    QVERIFY(!panel->isVisible());
    tabs->select(12);  // "Chords" again
    QVERIFY(panel->isVisible());

    auto* ok = book->element<QPushButton>("BitBtn21");
    QVERIFY(ok && panel->isAncestorOf(ok));
    QTest::mouseClick(ok, Qt::LeftButton);
    QVERIFY(!panel->isVisible());
    QVERIFY(goToExample->isVisible());

    // Enter on the focused tab strip presses the panel's OK button.
    QTest::mouseClick(goToExample, Qt::LeftButton);
    QVERIFY(panel->isVisible());
    clickTab(tabs, 12);
    QVERIFY(tabs->strip()->hasFocus() || tabs->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY(!panel->isVisible());
}

// The rule box on the Chords page takes typing, and what was typed stays
// through tab changes; it has no scroll bar.
void TestChordFinding::ruleBoxKeepsTyping() {
    app::WindowSet set;
    ui::PageWindow* book = set.lessonBook();
    book->showWindow();
    QVERIFY(QTest::qWaitForWindowExposed(book));
    auto* tabs = book->element<ui::Notebook>("LessonTabs");
    auto* rules = book->element<ui::TextBox>("rulesBox");
    QVERIFY(tabs && rules);
    tabs->select(12);
    QVERIFY(rules->isVisible());
    QVERIFY(!rules->isReadOnly());
    QCOMPARE(rules->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QVERIFY(rules->text().startsWith(QStringLiteral("Suggestion:")));

    QTest::mouseClick(rules->viewport(), Qt::LeftButton, {}, QPoint(2, 2));
    QTest::keyClick(rules, Qt::Key_Home, Qt::ControlModifier);
    QTest::keyClicks(rules, "my notes ");
    const QString typed = rules->text();
    QVERIFY(typed.startsWith(QStringLiteral("my notes Suggestion:")));

    tabs->select(0);
    tabs->select(12);
    QCOMPARE(rules->text(), typed);
}

// Tab visits the rule box, the page's "Workpage", the panel's elements when it
// is shown (steps, reminder, OK, "Workpage"), then "Go To Example".
void TestChordFinding::pageTabOrder() {
    app::WindowSet set;
    ui::PageWindow* book = set.lessonBook();
    book->showWindow();
    QVERIFY(QTest::qWaitForWindowActive(book));
    ui::applyState(book, {.page = 13});
    const auto visit = [&](const QStringList& expected) {
        auto* rules = book->element<ui::TextBox>("rulesBox");
        QVERIFY(rules);
        rules->setFocus(Qt::OtherFocusReason);
        QStringList visited{focusName()};
        for (int i = 1; i < expected.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << focusName();
        }
        QCOMPARE(visited, expected);
    };
    visit({"rulesBox", "BitBtn33", "BitBtn35"});
    if (QTest::currentTestFailed()) return;
    book->showElement(QStringLiteral("cpexam"));
    visit({"rulesBox", "BitBtn33", "stepsBox", "rememberBox", "BitBtn21", "BitBtn2", "BitBtn35"});
}

// Every stored line of the steps box fits on one 19-px row, so steps 3, 4 and 5
// stand level with keyboards A, B and C, and the reminder box covers only the
// blank rows; the reminder's seven lines fit its box.
void TestChordFinding::stepsStandLevelWithTheirKeyboards() {
    app::WindowSet set;
    ui::PageWindow* book = set.lessonBook();
    book->showWindow();
    QVERIFY(QTest::qWaitForWindowExposed(book));
    ui::applyState(book, {.page = 13, .panel = QStringLiteral("cpexam")});
    auto* panel = book->element<QWidget>("cpexam");
    auto* steps = book->element<ui::TextBox>("stepsBox");
    auto* reminder = book->element<ui::TextBox>("rememberBox");
    QVERIFY(panel && steps && reminder && steps->isVisible());

    // Rows of each stored line, in panel coordinates.
    const auto rowsOf = [&](ui::TextBox* box) {
        std::vector<std::pair<int, int>> rows;
        const QTextDocument* doc = box->document();
        for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
            if (b.layout()->lineCount() != 1)
                QTest::qFail(qPrintable(QStringLiteral("\"%1\" takes %2 rows").arg(b.text()).arg(b.layout()->lineCount())), __FILE__, __LINE__);
            const QRectF r = doc->documentLayout()->blockBoundingRect(b);
            const int topRow = box->viewport()->mapTo(panel, QPoint(0, int(r.top()))).y();
            rows.push_back({topRow, topRow + 19});
        }
        return rows;
    };
    const std::vector<std::pair<int, int>> stepRows = rowsOf(steps);
    if (QTest::currentTestFailed()) return;
    QCOMPARE(int(stepRows.size()), 26);
    for (std::size_t i = 0; i < stepRows.size(); ++i) QCOMPARE(stepRows[i].first, 5 + 19 * int(i));
    QVERIFY(stepRows.back().second <= steps->geometry().bottom() + 1);

    // A step runs from its numbered line to the next blank one.
    const std::vector<KeyRow> keyboards = panelKeyboards();
    QCOMPARE(int(keyboards.size()), 3);
    const QStringList lines = steps->text().split(u'\n');
    for (int step = 3; step <= 5; ++step) {
        int first = 0;
        while (first < lines.size() && !lines[first].startsWith(QStringLiteral("%1. ").arg(step))) ++first;
        QVERIFY(first < lines.size());
        int last = first;
        while (last + 1 < lines.size() && !lines[last + 1].trimmed().isEmpty()) ++last;
        const int from = stepRows[first].first, to = stepRows[last].second;
        for (int k = 0; k < 3; ++k) {
            const bool level = from < bottom(keyboards[k]) && to > top(keyboards[k]);
            QVERIFY2(level == (k == step - 3),
                     qPrintable(QStringLiteral("step %1 (rows %2..%3) against keyboard %4").arg(step).arg(from).arg(to).arg(k)));
        }
    }

    // The reminder box lies over blank lines of the steps only.
    const QRect over = reminder->geometry();
    for (std::size_t i = 0; i < stepRows.size(); ++i)
        if (stepRows[i].first < over.bottom() + 1 && stepRows[i].second > over.top())
            QVERIFY2(lines[int(i)].trimmed().isEmpty(), qPrintable(QStringLiteral("line %1 under the reminder").arg(i + 1)));
    const std::vector<std::pair<int, int>> reminderRows = rowsOf(reminder);
    if (QTest::currentTestFailed()) return;
    QCOMPARE(int(reminderRows.size()), 7);
    QVERIFY(reminderRows.back().second <= over.bottom() + 1);
}

// The explanation shows its first five lines; its scroll bar, pointed at by
// the "^" below it, reaches the last line; typing changes nothing.
void TestChordFinding::explanationScrolls() {
    app::WindowSet set;
    ui::PageWindow* w = set.window("ChordWorkpage");
    w->showWindow();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    auto* box = w->element<ui::TextBox>("explanationBox");
    QVERIFY(box);
    QScrollBar* bar = box->verticalScrollBar();
    QVERIFY(bar->isVisible());
    QCOMPARE(bar->value(), 0);
    QVERIFY(bar->maximum() > 0);
    QCOMPARE(box->viewport()->height() / lineHeight(arial(16)), 5);

    const QTextDocument* doc = box->document();
    const auto shows = [&](const QTextBlock& b) {
        const QRectF r = doc->documentLayout()->blockBoundingRect(b).translated(0, -bar->value());
        return r.top() >= 0 && r.top() + lineHeight(arial(16)) <= box->viewport()->height();
    };
    QVERIFY(shows(doc->firstBlock()));
    QVERIFY(!shows(doc->lastBlock()));

    // The "^" stands under the scroll bar's columns.
    const QPoint barLeft = bar->mapTo(w, QPoint(0, 0));
    const int pointerCentre = 611 + textWidth(arial(32), "^") / 2;
    QVERIFY(pointerCentre >= barLeft.x() && pointerCentre < barLeft.x() + bar->width());

    // Scrolling with the scroll bar's lower arrow reaches the last line.
    const QPoint downArrow(bar->width() / 2, bar->height() - 3);
    for (int i = 0; i < 100 && bar->value() < bar->maximum(); ++i) QTest::mouseClick(bar, Qt::LeftButton, {}, downArrow);
    QCOMPARE(bar->value(), bar->maximum());
    QVERIFY(shows(doc->lastBlock()));
    QCOMPARE(doc->lastBlock().text(), QStringLiteral("NOW WE SEE IT'S A:    E Minor"));

    const QString before = box->text();
    QTest::mouseClick(box->viewport(), Qt::LeftButton);
    QTest::keyClicks(box, "abc");
    QCOMPARE(box->text(), before);
}

// The fields start with the worked example, take any text, and keep it when
// the window is closed and shown again from the Chords page; Tab visits the
// notes field, the answers field, "Print", the explanation and the hint.
void TestChordFinding::workpageFieldsAndTabOrder() {
    app::WindowSet set;
    ui::PageWindow* book = set.lessonBook();
    ui::PageWindow* w = set.window("ChordWorkpage");
    book->showWindow();
    QVERIFY(QTest::qWaitForWindowExposed(book));
    ui::applyState(book, {.page = 13});
    auto* pageWorkpage = book->element<QPushButton>("BitBtn33");
    QVERIFY(pageWorkpage);
    QTest::mouseClick(pageWorkpage, Qt::LeftButton);
    QVERIFY(w->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(w));

    auto* notes = w->element<QLineEdit>("notesField");
    auto* answers = w->element<QLineEdit>("answersField");
    QVERIFY(notes && answers);
    QCOMPARE(notes->text(), QStringLiteral("GBEB"));
    QCOMPARE(answers->text(), QStringLiteral("E Minor"));

    const QStringList expected{"notesField", "answersField", "BitBtn1", "explanationBox", "hintBox", "notesField"};
    QStringList visited{focusName()};
    for (int i = 1; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : w, Qt::Key_Tab);
        visited << focusName();
    }
    QCOMPARE(visited, expected);

    // Tab selects the whole text, so typing replaces the example.
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(notes));
    const QString longText = QStringLiteral("C E G ").repeated(40);
    QTest::keyClicks(notes, longText);
    QCOMPARE(notes->text(), longText);
    answers->selectAll();
    QTest::keyClick(answers, Qt::Key_Delete);
    QCOMPARE(answers->text(), QString());

    w->close();
    QVERIFY(!w->isVisible());
    QTest::mouseClick(pageWorkpage, Qt::LeftButton);
    QVERIFY(w->isVisible());
    QCOMPARE(w->element<QLineEdit>("notesField"), notes);
    QCOMPARE(notes->text(), longText);
    QCOMPARE(answers->text(), QString());
}

LYRABEL_TEST_MAIN(TestChordFinding)
#include "test_chordfinding.moc"
