// Corvalle Lyrabel — the Keyboard worksheets, the Scale page and the Scale
// worksheets, checked against the key-naming and scale rules.
//
// Sections: reading element data · Scale page · Keyboard worksheets ·
//           Scale worksheets · label sizes · pictures · behaviour
//
// The data checks read the built element lists: keys are the keyboards'
// rectangles, a name or box belongs to the key under its centre, and the key's
// number follows from the keyboard's run of white and black keys.
#include "support.h"

#include "app/windowset.h"
#include "diagrams/musicrules.h"
#include "lessons/scalepage.h"
#include "ui/fields.h"
#include "ui/notebook.h"
#include "ui/pagewindow.h"
#include "workpages/keyboardworkpages.h"
#include "workpages/scaleworkpages.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

using testing::child;
using testing::clickTab;
using testing::keyOnSheet;

using namespace ui;

namespace {

// --------------------------------------------------------- reading element data

struct KeyRect {
    Rect r;
    bool black = false;
    int number = -1;  // 0 (C) .. 11 (B)
};
using KeyRow = std::vector<KeyRect>;

bool isKey(const Element& e)
{
    return e.kind == Kind::Shape && e.form == ShapeForm::Rectangle && e.outlineWidth == 1 && e.outline == black &&
           e.fillStyle == FillStyle::Solid && (e.fill == white || e.fill == black) && e.box.h > 30;
}

// The keyboards of an element list, top to bottom: keys that overlap in height
// belong to one keyboard; each keyboard is numbered from its colour pattern.
std::vector<KeyRow> keyboardsOf(const Elements& elements)
{
    KeyRow keys;
    for (const Element& e : elements)
        if (isKey(e))
            keys.push_back({e.box, e.fill == black});
    std::sort(keys.begin(), keys.end(), [](const KeyRect& a, const KeyRect& b) { return a.r.y < b.r.y; });
    std::vector<KeyRow> rows;
    int bottom = -1000;
    for (const KeyRect& k : keys) {
        if (rows.empty() || k.r.y >= bottom)
            rows.emplace_back();
        rows.back().push_back(k);
        bottom = std::max(bottom, k.r.y + k.r.h);
    }
    for (KeyRow& row : rows) {
        std::sort(row.begin(), row.end(), [](const KeyRect& a, const KeyRect& b) { return a.r.x < b.r.x; });
        std::vector<int> starts;
        for (int first = 0; first < 12; ++first) {
            bool fits = true;
            for (std::size_t i = 0; i < row.size(); ++i)
                fits = fits && music::isBlack((first + int(i)) % 12) == row[i].black;
            if (fits)
                starts.push_back(first);
        }
        if (starts.size() == 1)
            for (std::size_t i = 0; i < row.size(); ++i)
                row[i].number = (starts[0] + int(i)) % 12;
    }
    return rows;
}

// The keyboard and key under a point; a shared border column counts as the right-hand key's.
struct KeyAt {
    int keyboard = -1, key = -1;
};

KeyAt keyUnder(const std::vector<KeyRow>& keyboards, int x, int y)
{
    for (std::size_t b = 0; b < keyboards.size(); ++b) {
        const KeyRow& row = keyboards[b];
        for (std::size_t i = 0; i < row.size(); ++i) {
            const Rect& r = row[i].r;
            const int right = i + 1 < row.size() ? r.x + r.w - 1 : r.x + r.w;
            if (x >= r.x && x < right && y >= r.y && y < r.y + r.h)
                return {int(b), int(i)};
        }
    }
    return {};
}

// A label's box as built: sized to its caption in its font.
Rect labelBox(const Element& e)
{
    return {e.box.x, e.box.y, textWidth(*e.ownFont, e.caption), lineHeight(*e.ownFont)};
}

KeyAt keyUnderCentre(const std::vector<KeyRow>& keyboards, const Rect& r)
{
    return keyUnder(keyboards, r.x + r.w / 2, r.y + r.h / 2);
}

const Elements& sheetOf(const WindowDef& window, int sheet)
{
    const Element& notebook = window.elements.front();
    return notebook.children.at(std::size_t(sheet - 1)).children;
}

bool sameKey(const std::string& name, int number) { return music::keyNumber(name) == std::optional<int>(number); }

QString qs(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

class TestKeysAndScales : public QObject {
    Q_OBJECT

private slots:
    // ----- Scale page
    void scalePageStepsFollowTheRule_data();
    void scalePageStepsFollowTheRule();
    void scalePageKeyNamesFallOnTheirKeys();
    void scalePageSentencesFollowTheRules();

    // ----- Keyboard worksheets
    void keyboardSheetNamesTheirKeys_data();
    void keyboardSheetNamesTheirKeys();
    void elementNamesAreUnique_data();
    void elementNamesAreUnique();

    // ----- Scale worksheets
    void scaleSheetBoxesOnEveryKey_data();
    void scaleSheetBoxesOnEveryKey();

    // ----- label sizes
    void labelsHaveTheirStoredSizes_data();
    void labelsHaveTheirStoredSizes();

    // ----- pictures (before the behaviour tests, which type and tick)
    void initTestCase();
    void pictures_data();
    void pictures();

    // ----- behaviour
    void typedNamesStay();
    void ticksStayPerSheet();
    void keyboardSheetTabOrder_data();
    void keyboardSheetTabOrder();
    void scaleSheetTabOrder_data();
    void scaleSheetTabOrder();

private:
    std::unique_ptr<app::WindowSet> windows_;
};

// ==================================================================== Scale page

void TestKeysAndScales::scalePageStepsFollowTheRule_data()
{
    QTest::addColumn<int>("keyboard");
    QTest::addColumn<QString>("scale");
    QTest::addColumn<int>("startX");
    QTest::newRow("keyboard 1, scale of C") << 0 << "C D E F G A B C" << 218;
    QTest::newRow("keyboard 2, scale of F#") << 1 << "F# G# A# B C# D# F F#" << 122;
}

// The step tags on a keyboard, read left to right by the key under each, go
// up from the start key by the rule: each "W" two keys on, each "H" one key,
// in the order W W H W W W H. The key names in yellow on red stand on the
// first and last keys of the scale and name them.
void TestKeysAndScales::scalePageStepsFollowTheRule()
{
    QFETCH(int, keyboard);
    QFETCH(QString, scale);
    QFETCH(int, startX);

    const Elements page = lessons::scalePage();
    const std::vector<KeyRow> keyboards = keyboardsOf(page);
    QCOMPARE(keyboards.size(), std::size_t(3));
    const KeyRow& row = keyboards[std::size_t(keyboard)];
    QCOMPARE(row.size(), std::size_t(36));
    QCOMPARE(row.front().number, 0);

    std::map<int, std::string> tags;   // key index → "W" or "H"
    std::vector<std::pair<int, const Element*>> names;
    for (const Element& e : page) {
        if (e.kind != Kind::Label)
            continue;
        const KeyAt at = keyUnderCentre(keyboards, labelBox(e));
        if (at.keyboard != keyboard)
            continue;
        if (e.colour == navy) {
            QVERIFY2(!tags.count(at.key), "two tags on one key");
            tags[at.key] = e.caption;
            QCOMPARE(e.ownFont->colour, lime);
        } else if (e.colour == red) {
            names.emplace_back(at.key, &e);
        }
    }

    QCOMPARE(names.size(), std::size_t(2));
    std::sort(names.begin(), names.end());
    const int start = names.front().first;
    QCOMPARE(names.front().second->box.x, startX);
    QCOMPARE(row[std::size_t(start)].r.x, startX);
    QVERIFY(sameKey(names.front().second->caption, row[std::size_t(start)].number));
    QCOMPARE(names.back().second->caption, names.front().second->caption);
    QCOMPARE(names.back().first, start + 12);

    const std::vector<int> rule = music::majorScale(row[std::size_t(start)].number);
    QStringList steps, keysReached{qs(names.front().second->caption)};
    int previous = start;
    for (const auto& [key, step] : tags) {
        const int distance = key - previous;
        steps << qs(step);
        QCOMPARE(qs(step), QString(distance == 2 ? "W" : distance == 1 ? "H" : "?"));
        const std::string& name = music::isBlack(row[std::size_t(key)].number)
            ? music::sharpName(row[std::size_t(key)].number) : music::whiteName(row[std::size_t(key)].number);
        keysReached << qs(name);
        QCOMPARE(row[std::size_t(key)].number, rule.at(std::size_t(steps.size())));
        previous = key;
    }
    QCOMPARE(steps.join(' '), QStringLiteral("W W H W W W H"));
    QCOMPARE(previous, start + 12);
    QCOMPARE(keysReached.join(' '), scale);
}

// The one-line key-name row over the one-octave keyboard: each name, measured
// in the row's font, is centred within 6 px of the centre of the key it names.
void TestKeysAndScales::scalePageKeyNamesFallOnTheirKeys()
{
    const Elements page = lessons::scalePage();
    const std::vector<KeyRow> keyboards = keyboardsOf(page);
    QCOMPARE(keyboards.size(), std::size_t(3));
    const KeyRow& octave = keyboards[2];
    QCOMPARE(octave.size(), std::size_t(12));

    const auto row = std::find_if(page.begin(), page.end(), [](const Element& e) {
        return e.kind == Kind::Label && e.colour == white && e.ownFont && e.ownFont->colour == red;
    });
    QVERIFY(row != page.end());
    const std::string& text = row->caption;
    std::size_t from = 0;
    int key = 0;
    while ((from = text.find_first_not_of(' ', from)) != std::string::npos) {
        const std::size_t end = std::min(text.find(' ', from), text.size());
        const std::string name = text.substr(from, end - from);
        QVERIFY2(key < 12, "more names than keys");
        QVERIFY2(sameKey(name, octave[std::size_t(key)].number), name.c_str());
        const int left = row->box.x + textWidth(*row->ownFont, text.substr(0, from));
        const int centre = left + textWidth(*row->ownFont, name) / 2;
        const Rect& k = octave[std::size_t(key)].r;
        QVERIFY2(std::abs(centre - (k.x + k.w / 2)) <= 6,
                 qPrintable(QStringLiteral("%1 centred at %2, its key at %3").arg(qs(name)).arg(centre).arg(k.x + k.w / 2)));
        ++key;
        from = end;
    }
    QCOMPARE(key, 12);
}

// The page's worked sentences agree with the rules it teaches: each "X is a
// half step above Y" is one half step, each "whole step" two, and the example
// scale of D lists the keys the scale rule gives from D.
void TestKeysAndScales::scalePageSentencesFollowTheRules()
{
    const QRegularExpression step(QStringLiteral("([A-G][#b]?) is a (half|whole) step above ([A-G][#b]?)\\."));
    const QRegularExpression keyName(QStringLiteral("\\b[A-G][#b]?(?![A-Za-z])"));
    int steps = 0;
    QStringList example;
    QString exampleRoot;
    for (const Element& e : lessons::scalePage()) {
        if (e.kind != Kind::Label)
            continue;
        const QString caption = qs(e.caption);
        for (const QRegularExpressionMatch& m : step.globalMatch(caption)) {
            const int upper = *music::keyNumber(m.captured(1).toStdString());
            const int lower = *music::keyNumber(m.captured(3).toStdString());
            QCOMPARE(music::halfStepsUp(lower, upper), m.captured(2) == QLatin1String("half") ? 1 : 2);
            ++steps;
        }
        const int start = caption.indexOf(QLatin1String("Start on "));
        if (caption.startsWith(QLatin1String("Example: To find the scale of ")) && start > 0) {
            exampleRoot = caption.mid(30, caption.indexOf(':', 30) - 30);
            for (const QRegularExpressionMatch& m : keyName.globalMatch(caption.mid(start)))
                example << m.captured();
        }
    }
    QCOMPARE(steps, 4);
    QCOMPARE(exampleRoot, QStringLiteral("D"));
    QCOMPARE(example.size(), 8);
    QCOMPARE(example.front(), exampleRoot);
    const std::vector<int> rule = music::majorScale(*music::keyNumber(exampleRoot.toStdString()));
    for (int i = 0; i < example.size(); ++i)
        QVERIFY2(sameKey(example[i].toStdString(), rule.at(std::size_t(i))), qPrintable(example.join(' ')));
}

// ============================================================ Keyboard worksheets

void TestKeysAndScales::keyboardSheetNamesTheirKeys_data()
{
    QTest::addColumn<int>("sheet");
    QTest::addColumn<int>("blackNamePx");
    QTest::addColumn<QString>("upperGiven");
    QTest::addColumn<QString>("upperAsked");
    QTest::addColumn<QString>("lowerGiven");
    QTest::addColumn<QString>("lowerAsked");

    // What each sheet gives and asks, key by key from the left (a key's two names in alphabetical order).
    const char* everyKey = "C C# Db D D# Eb E F F# Gb G Ab G# A A# Bb B";
    const char* pairs = "C# Db D# Eb F# Gb Ab G# A# Bb";
    QTest::newRow("sheet 1") << 1 << 19
                             << "C C# Db D# Eb E F# Gb G Ab G# A# Bb B" << "D F A"
                             << QString("C ") + pairs << "D E F G A B";
    QTest::newRow("sheet 2") << 2 << 21
                             << "C Db D D# Eb E G Ab G# A#" << "C# F F# Gb A Bb B"
                             << "Db D D# Eb F# Ab A#" << "C C# E F Gb G G# A Bb B";
    QTest::newRow("sheet 3") << 3 << 0 << "" << "C D E F G A B" << "" << "G A B C D E F";
    QTest::newRow("sheet 4") << 4 << 0 << "" << "C# Db F# Gb Ab G#" << "" << "D# Eb F# Gb A# Bb";
    QTest::newRow("sheet 5") << 5 << 0 << "" << everyKey << "" << QString(everyKey) + " C";
}

// Every name and every box of a sheet lies on a key of one of its two
// keyboards. A name is the key's own name (a letter on a white key, either
// name on a black key), in the look of its key colour; a box's element name
// ends in the name it asks for, which is the key's own name too. A white key
// carries at most one item, a black key none or two different names.
void TestKeysAndScales::keyboardSheetNamesTheirKeys()
{
    QFETCH(int, sheet);
    QFETCH(int, blackNamePx);
    QFETCH(QString, upperGiven);
    QFETCH(QString, upperAsked);
    QFETCH(QString, lowerGiven);
    QFETCH(QString, lowerAsked);

    const WindowDef window = workpages::Tkw();
    const Elements& elements = sheetOf(window, sheet);
    const std::vector<KeyRow> keyboards = keyboardsOf(elements);
    QCOMPARE(keyboards.size(), std::size_t(2));
    for (const KeyRow& row : keyboards)
        QVERIFY2(row.front().number >= 0, "keyboard colours follow no octave");

    // Per keyboard and key: the names given and asked for.
    std::map<std::pair<int, int>, QStringList> given, asked;
    const std::string prefix = "s" + std::to_string(sheet) + "-";
    for (const Element& e : elements) {
        if (e.kind == Kind::Label && e.colour != rgb(0xFFFFD0)) {
            const Rect box = labelBox(e);
            const KeyAt at = keyUnderCentre(keyboards, box);
            QVERIFY2(at.key >= 0, e.caption.c_str());
            const KeyRect& key = keyboards[std::size_t(at.keyboard)][std::size_t(at.key)];
            QVERIFY2(sameKey(e.caption, key.number), qPrintable(QStringLiteral("\"%1\" at (%2, %3)")
                                                                    .arg(qs(e.caption)).arg(e.box.x).arg(e.box.y)));
            if (key.black) {
                QCOMPARE(*e.ownFont, arial(blackNamePx).in(yellow));
                QCOMPARE(*e.colour, black);
            } else {
                QCOMPARE(*e.ownFont, tnr(29).bolded().in(fuchsia));
                QCOMPARE(*e.colour, white);
                QVERIFY(box.w >= 19 && box.w <= 22);
                QCOMPARE(box.h, 32);
            }
            given[{at.keyboard, at.key}] << qs(e.caption);
        } else if (e.kind == Kind::Edit) {
            const KeyAt at = keyUnderCentre(keyboards, e.box);
            QVERIFY2(at.key >= 0, e.name.c_str());
            const KeyRect& key = keyboards[std::size_t(at.keyboard)][std::size_t(at.key)];
            const std::string side = at.keyboard == 0 ? "upper-" : "lower-";
            QVERIFY2(e.name.rfind(prefix + side, 0) == 0, e.name.c_str());
            // A name asked for twice on one keyboard carries its occurrence from the left: "C-2".
            std::string answer = e.name.substr(prefix.size() + side.size());
            int occurrence = 1;
            if (const std::size_t dash = answer.find('-'); dash != std::string::npos) {
                occurrence = std::atoi(answer.c_str() + dash + 1);
                QVERIFY2(occurrence >= 2, e.name.c_str());
                answer.resize(dash);
            }
            QVERIFY2(sameKey(answer, key.number), qPrintable(QStringLiteral("box %1 at (%2, %3)")
                                                                 .arg(qs(e.name)).arg(e.box.x).arg(e.box.y)));
            const KeyRow& row = keyboards[std::size_t(at.keyboard)];
            QCOMPARE(int(std::count_if(row.begin(), row.begin() + at.key + 1,
                                       [&](const KeyRect& k) { return k.number == key.number; })),
                     occurrence);
            QVERIFY(e.caption.empty());
            QCOMPARE(*e.colour, white);
            if (key.black) {
                QCOMPARE(e.box.h, 32);
                QCOMPARE(*e.ownFont, arial(21).in(rgb(0xFF8080)));
            } else {
                QCOMPARE(e.box.h, 40);
                QCOMPARE(*e.ownFont, tnr(29).bolded().in(fuchsia));
            }
            asked[{at.keyboard, at.key}] << qs(answer);
        }
    }

    QStringList seen[2][2];  // [keyboard][given, asked]
    for (int b = 0; b < 2; ++b) {
        const KeyRow& row = keyboards[std::size_t(b)];
        for (int k = 0; k < int(row.size()); ++k) {
            QStringList g = given[{b, k}], a = asked[{b, k}];
            const QStringList all = g + a;
            QVERIFY(all.size() <= (row[std::size_t(k)].black ? 2 : 1));
            QVERIFY2(all.size() != 1 || !row[std::size_t(k)].black, "a black key with one name only");
            QVERIFY(all.size() < 2 || all[0] != all[1]);
            g.sort();
            a.sort();
            seen[b][0] << g;
            seen[b][1] << a;
        }
    }
    QCOMPARE(seen[0][0].join(' '), upperGiven);
    QCOMPARE(seen[0][1].join(' '), upperAsked);
    QCOMPARE(seen[1][0].join(' '), lowerGiven);
    QCOMPARE(seen[1][1].join(' '), lowerAsked);
}

void TestKeysAndScales::elementNamesAreUnique_data()
{
    QTest::addColumn<QString>("instance");
    QTest::newRow("kw") << "kw";
    QTest::newRow("ssc") << "ssc";
}

// Widgets are found by name across the whole window, so no two elements of a
// window may share one.
void TestKeysAndScales::elementNamesAreUnique()
{
    QFETCH(QString, instance);
    const WindowDef window = instance == QLatin1String("kw") ? workpages::Tkw() : workpages::Tssc();
    QStringList names;
    const auto walk = [&](const auto& self, const Elements& elements) -> void {
        for (const Element& e : elements) {
            if (!e.name.empty())
                names << qs(e.name);
            self(self, e.children);
        }
    };
    walk(walk, window.elements);
    QVERIFY(names.size() > 1);
    QStringList sorted = names;
    sorted.sort();
    for (int i = 1; i < sorted.size(); ++i)
        QVERIFY2(sorted[i] != sorted[i - 1], qPrintable(sorted[i]));
}

// =============================================================== Scale worksheets

void TestKeysAndScales::scaleSheetBoxesOnEveryKey_data()
{
    QTest::addColumn<int>("sheet");
    QTest::addColumn<QString>("startingKeys");
    QTest::addColumn<int>("offGrid");
    QTest::newRow("sheet 1") << 1 << "C F# G" << 6;
    QTest::newRow("sheet 2") << 2 << "A D# B" << 2;
    QTest::newRow("sheet 3") << 3 << "D E F#" << 3;
}

// Each row names its starting key left of a 24-key keyboard starting on C.
// Every key carries exactly one 17×17 tick box in its own colour, at the
// tick-box place (black key: top + 24, white key: top + 64) or one pixel off
// it; the scale asked for fits on the keyboard from the key's first place.
void TestKeysAndScales::scaleSheetBoxesOnEveryKey()
{
    QFETCH(int, sheet);
    QFETCH(QString, startingKeys);
    QFETCH(int, offGrid);

    const WindowDef window = workpages::Tssc();
    const Elements& elements = sheetOf(window, sheet);
    const std::vector<KeyRow> keyboards = keyboardsOf(elements);
    QCOMPARE(keyboards.size(), std::size_t(3));

    std::vector<const Element*> boxes, starts;
    for (const Element& e : elements) {
        if (e.kind == Kind::Check)
            boxes.push_back(&e);
        else if (e.kind == Kind::Label && music::keyNumber(e.caption))
            starts.push_back(&e);
    }
    QCOMPARE(boxes.size(), std::size_t(72));
    QCOMPARE(starts.size(), std::size_t(3));

    QStringList named;
    int off = 0;
    for (int r = 0; r < 3; ++r) {
        const KeyRow& row = keyboards[std::size_t(r)];
        QCOMPARE(row.size(), std::size_t(24));
        QCOMPARE(row.front().number, 0);
        const int top = row.front().r.y;
        QCOMPARE(top, 64 + 104 * r);

        // The starting key's label: left of the keyboard, level with it.
        const Element& start = *starts[std::size_t(r)];
        const Rect box = labelBox(start);
        QVERIFY(box.x + box.w < row.front().r.x);
        QVERIFY(box.y >= top && box.y + box.h <= top + 81);
        QCOMPARE(*start.ownFont, tnr(21).bolded().in(black));
        QCOMPARE(box.h, 24);
        QVERIFY(box.w >= 14 && box.w <= 26);
        named << qs(start.caption);

        // The scale from the key's first place ends inside the keyboard on the same name.
        const int root = *music::keyNumber(start.caption);
        const std::vector<int> scale = music::majorScale(root);
        QVERIFY(root + 12 < int(row.size()));
        QCOMPARE(row[std::size_t(root + 12)].number, scale.back());

        for (std::size_t k = 0; k < row.size(); ++k) {
            const KeyRect& key = row[k];
            const int wantX = key.r.x, wantY = top + (key.black ? 24 : 64);
            std::vector<const Element*> on;
            for (const Element* b : boxes)
                if (std::abs(b->box.x - wantX) <= 1 && std::abs(b->box.y - wantY) <= 1)
                    on.push_back(b);
            QVERIFY2(on.size() == 1, qPrintable(QStringLiteral("row %1 key %2").arg(r).arg(k)));
            const Element& b = *on.front();
            QCOMPARE(b.box.w, 17);
            QCOMPARE(b.box.h, 17);
            QCOMPARE(*b.colour, key.black ? black : white);
            QCOMPARE(keyUnderCentre(keyboards, b.box).key, int(k));
            off += b.box.x != wantX || b.box.y != wantY;
        }
    }
    QCOMPARE(named.join(' '), startingKeys);
    QCOMPARE(off, offGrid);
}

// ==================================================================== label sizes

void TestKeysAndScales::labelsHaveTheirStoredSizes_data()
{
    QTest::addColumn<QString>("where");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("w");
    QTest::addColumn<int>("h");

    struct Row { const char* where; const char* caption; int w, h; };
    const Row rows[] = {
        {"Scale", "The Scale of C", 89, 17},
        {"Scale", "The Scale of F#", 95, 17},
        {"Scale", "To go up a half step you go to the next key on the keyboard.", 487, 22},
        {"Scale", "C# is a half step above C.     F is a half step above E.   etc.", 356, 19},
        {"Scale", "For a whole step start on any key and skip a key.", 400, 22},
        {"Scale", "C# is a whole step above B.     F# is a whole step above E.   etc.", 393, 19},
        {"Scale", " C  C#   D  Eb  E   F  F#  G  Ab  A  Bb  B", 188, 14},
        {"Scale", "To find a scale start on a key and go up 2 wholes a half and then 3 wholes and a half.", 558, 19},
        {"Scale", "Example: To find the scale of D: Start on D then click on E then F#, G, A, B, C#, D.", 508, 19},
        {"Scale", "The      stands for whole step and the       stands for half step.", 402, 19},
        {"Scale", "W", 14, 17},
        {"Scale", "H", 12, 17},
        {"Scale", "C", 14, 22},
        {"Scale", "F#", 16, 17},
        {"Scale", "Suggestion: To write songs have the same number of syllables in each line.", 495, 19},
        {"Scale", "Have some of the ending words of the lines rhyme.", 335, 19},
        {"Scale", "For the music use mostly notes from the same scale.", 346, 19},
        {"Scale", "The above scale taught is a diatonic scale. There are other scales not taught here.", 542, 19},
        {"kw", "Fill in the boxes with the correct letter on this page and the next pages.", 588, 22},
        {"ssc", "Click on the correct squares for the notes in the scale.", 471, 24},
    };
    for (const Row& r : rows)
        QTest::addRow("%s: %.40s", r.where, r.caption) << r.where << r.caption << r.w << r.h;
}

// Labels size themselves to their text; the pages were laid out with these
// sizes, so every label with the caption must come out at exactly this size.
void TestKeysAndScales::labelsHaveTheirStoredSizes()
{
    QFETCH(QString, where);
    QFETCH(QString, caption);
    QFETCH(int, w);
    QFETCH(int, h);

    Elements all;
    if (where == QLatin1String("Scale")) {
        all = lessons::scalePage();
    } else {
        const WindowDef window = where == QLatin1String("kw") ? workpages::Tkw() : workpages::Tssc();
        all = sheetOf(window, 1);
    }
    int found = 0;
    for (const Element& e : all) {
        if (e.kind != Kind::Label || qs(e.caption) != caption)
            continue;
        ++found;
        const Rect box = labelBox(e);
        QCOMPARE(box.h, h);
        // The one 11-px caption: Liberation Serif with the design's hinting
        // is a pixel narrower over its 42 characters.
        if (e.ownFont && e.ownFont->px == 11)
            QEXPECT_FAIL("", "Liberation Serif 11 px runs one pixel short of the design's 188", Continue);
        QCOMPARE(box.w, w);
    }
    QVERIFY(found > 0);
}

// ======================================================================= pictures

void TestKeysAndScales::initTestCase() { windows_ = std::make_unique<app::WindowSet>(); }

void TestKeysAndScales::pictures_data()
{
    QTest::addColumn<QString>("instance");
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("sheet");
    QTest::newRow("keysscales-scale-page") << "LessonBook" << 14 << 0;
    for (int s = 1; s <= 5; ++s)
        QTest::addRow("keysscales-kw-sheet%d", s) << "kw" << 0 << s;
    for (int s = 1; s <= 3; ++s)
        QTest::addRow("keysscales-ssc-sheet%d", s) << "ssc" << 0 << s;
}

void TestKeysAndScales::pictures()
{
    QFETCH(QString, instance);
    QFETCH(int, page);
    QFETCH(int, sheet);
    ui::PageWindow* w = windows_->window(instance.toStdString());
    QVERIFY(w);
    ui::applyState(w, {.page = page, .sheet = sheet});
    const QImage picture = ui::snapshot(w);
    ui::applyState(w, {.page = 1, .sheet = 1});
    w->hide();
    LYRABEL_COMPARE_GOLDEN(picture, QString::fromLatin1(QTest::currentDataTag()));
}

// ======================================================================= behaviour

namespace {

// The focused element's name; the sheet notebook's tab strip counts as "Sheets".
QString focusName(ui::Notebook* sheets)
{
    QWidget* f = QApplication::focusWidget();
    if (!f)
        return QStringLiteral("(none)");
    if (f == sheets || f == sheets->strip())
        return QStringLiteral("Sheets");
    return f->objectName();
}

}  // namespace

// Opened from the Keyboard Info page, the Keyboard worksheets keep names typed
// on one sheet while another is shown, and across closing and showing again.
void TestKeysAndScales::typedNamesStay()
{
    app::WindowSet set;
    ui::PageWindow* book = set.lessonBook();
    ui::PageWindow* kw = set.window("kw");
    book->showWindow();
    QVERIFY(QTest::qWaitForWindowExposed(book));
    child<ui::Notebook>(book, QStringLiteral("LessonTabs"))->select(6);  // "Keyboard Info"
    auto* open = child<QPushButton>(book, QStringLiteral("BitBtn26"));
    QVERIFY(open->isVisible());
    QTest::mouseClick(open, Qt::LeftButton);
    QVERIFY(kw->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(kw));

    auto* sheets = child<ui::Notebook>(kw, QStringLiteral("Sheets"));
    QCOMPARE(sheets->currentIndex(), 0);
    clickTab(sheets, 2);
    auto* g = child<QLineEdit>(kw, QStringLiteral("s3-lower-G"));
    QVERIFY(g->isVisible());
    QTest::mouseClick(g, Qt::LeftButton);
    QTest::keyClicks(g, QStringLiteral("G"));

    clickTab(sheets, 4);
    QVERIFY(!g->isVisible());
    auto* db = child<QLineEdit>(kw, QStringLiteral("s5-upper-Db"));
    QVERIFY(db->isVisible());
    QCOMPARE(db->text(), QString());
    QTest::mouseClick(db, Qt::LeftButton);
    QTest::keyClicks(db, QStringLiteral("Db or C#"));

    clickTab(sheets, 2);
    QCOMPARE(g->text(), QStringLiteral("G"));
    clickTab(sheets, 4);
    QCOMPARE(db->text(), QStringLiteral("Db or C#"));

    kw->close();
    QVERIFY(!kw->isVisible());
    QTest::mouseClick(open, Qt::LeftButton);
    QVERIFY(kw->isVisible());
    QCOMPARE(sheets->currentIndex(), 4);
    QCOMPARE(db->text(), QStringLiteral("Db or C#"));
    QCOMPARE(g->text(), QStringLiteral("G"));
    // Every other box is still empty.
    for (QLineEdit* field : kw->findChildren<QLineEdit*>())
        if (field != g && field != db)
            QVERIFY2(field->text().isEmpty(), qPrintable(field->objectName()));
}

// Ticking the scale of F# on sheet 1 (the keys the scale rule gives, from the
// starting key's first place) leaves every box of the other sheets unticked;
// a box ticked with Space on sheet 3 and the ticks of sheet 1 stay through
// sheet changes and closing the window.
void TestKeysAndScales::ticksStayPerSheet()
{
    app::WindowSet set;
    ui::PageWindow* ssc = set.window("ssc");
    ssc->showWindow();
    QVERIFY(QTest::qWaitForWindowExposed(ssc));
    auto* sheets = child<ui::Notebook>(ssc, QStringLiteral("Sheets"));
    QCOMPARE(sheets->currentIndex(), 0);

    // Row 1's keyboard starts on C, so the scale starts at key index 6 and climbs by its steps.
    const std::vector<int> scale = music::majorScale(*music::keyNumber("F#"));
    QStringList ticked;
    int index = scale.front();
    for (std::size_t i = 0; i < scale.size(); ++i) {
        if (i > 0)
            index += music::halfStepsUp(scale[i - 1], scale[i]);
        ticked << QStringLiteral("sheet1row1key%1").arg(index);
    }
    QCOMPARE(ticked.size(), 8);
    for (const QString& name : ticked) {
        auto* box = child<ui::TickBox>(ssc, name);
        QVERIFY(box->isVisible());
        QTest::mouseClick(box, Qt::LeftButton);
        QVERIFY(box->isChecked());
    }

    clickTab(sheets, 2);
    auto* sheet3 = child<ui::TickBox>(ssc, QStringLiteral("sheet3row2key6"));
    QVERIFY(sheet3->isVisible());
    sheet3->setFocus(Qt::TabFocusReason);
    QTest::keyClick(sheet3, Qt::Key_Space);
    QVERIFY(sheet3->isChecked());
    ticked << sheet3->objectName();

    clickTab(sheets, 0);
    clickTab(sheets, 1);
    ssc->close();
    ssc->showWindow();
    QCOMPARE(sheets->currentIndex(), 1);

    QStringList seen;
    const QList<ui::TickBox*> boxes = ssc->findChildren<ui::TickBox*>();
    QCOMPARE(boxes.size(), 216);
    for (ui::TickBox* box : boxes)
        if (box->isChecked())
            seen << box->objectName();
    seen.sort();
    ticked.sort();
    QCOMPARE(seen, ticked);
}

void TestKeysAndScales::keyboardSheetTabOrder_data()
{
    QTest::addColumn<int>("sheet");
    for (int s = 1; s <= 5; ++s)
        QTest::addRow("sheet %d", s) << s;
}

// From the sheet tabs, Tab visits the upper keyboard's boxes from left to
// right (the upper box of a black key first), then the lower keyboard's,
// then "Print", and comes round to the tabs again.
void TestKeysAndScales::keyboardSheetTabOrder()
{
    QFETCH(int, sheet);
    const WindowDef def = workpages::Tkw();
    const Elements& elements = sheetOf(def, sheet);
    const std::vector<KeyRow> keyboards = keyboardsOf(elements);
    struct Box { KeyAt at; int y; QString name; };
    std::vector<Box> boxes;
    for (const Element& e : elements)
        if (e.kind == Kind::Edit)
            boxes.push_back({keyUnderCentre(keyboards, e.box), e.box.y, qs(e.name)});
    std::sort(boxes.begin(), boxes.end(), [](const Box& a, const Box& b) {
        return std::tie(a.at.keyboard, a.at.key, a.y) < std::tie(b.at.keyboard, b.at.key, b.y);
    });
    QStringList expected{QStringLiteral("Sheets")};
    for (const Box& b : boxes)
        expected << b.name;
    expected << QStringLiteral("BitBtn1") << QStringLiteral("Sheets");

    app::WindowSet set;
    ui::PageWindow* w = set.window("kw");
    w->showWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    auto* sheets = child<ui::Notebook>(w, QStringLiteral("Sheets"));
    clickTab(sheets, sheet - 1);
    QStringList visited{focusName(sheets)};
    for (int i = 1; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << focusName(sheets);
    }
    QCOMPARE(visited, expected);
}

void TestKeysAndScales::scaleSheetTabOrder_data()
{
    QTest::addColumn<int>("sheet");
    for (int s = 1; s <= 3; ++s)
        QTest::addRow("sheet %d", s) << s;
}

// Opened with the Scale page's "Workpages" button: from the sheet tabs, Tab
// visits row 0's tick boxes from the leftmost key to the rightmost, then row
// 1's and row 2's, then "Print", and comes round to the tabs again.
void TestKeysAndScales::scaleSheetTabOrder()
{
    QFETCH(int, sheet);
    QStringList expected{QStringLiteral("Sheets")};
    for (int row = 0; row < 3; ++row)
        for (int key = 0; key < 24; ++key)
            expected << QStringLiteral("sheet%1row%2key%3").arg(sheet).arg(row).arg(key);
    expected << QStringLiteral("BitBtn1") << QStringLiteral("Sheets");

    app::WindowSet set;
    ui::PageWindow* book = set.lessonBook();
    book->showWindow();
    QVERIFY(QTest::qWaitForWindowExposed(book));
    child<ui::Notebook>(book, QStringLiteral("LessonTabs"))->select(13);  // "Scale"
    auto* open = child<QPushButton>(book, QStringLiteral("BitBtn27"));
    QVERIFY(open->isVisible());
    QTest::mouseClick(open, Qt::LeftButton);
    ui::PageWindow* w = set.window("ssc");
    QVERIFY(w->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(w));
    auto* sheets = child<ui::Notebook>(w, QStringLiteral("Sheets"));
    clickTab(sheets, sheet - 1);
    QStringList visited{focusName(sheets)};
    for (int i = 1; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << focusName(sheets);
    }
    QCOMPARE(visited, expected);
}

LYRABEL_TEST_MAIN(TestKeysAndScales)
#include "test_keysandscales.moc"
