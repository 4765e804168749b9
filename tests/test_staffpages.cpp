// Corvalle Lyrabel — the Treble and Bass lesson pages and reading worksheets,
// read back from their element data and checked against the staff-letter rule.
//
// Sections: reading element data · worksheet answers · worksheet fields ·
//           lesson pages · live windows · pictures
#include "app/windowset.h"
#include "diagrams/musicrules.h"
#include "diagrams/staff.h"
#include "lessons/staffpages.h"
#include "support.h"
#include "ui/fonts.h"
#include "ui/pagewindow.h"
#include "ui/snapshot.h"
#include "ui/widgets.h"
#include "workpages/staffworkpages.h"

#include <QtTest>

#include <memory>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

using testing::child;
using testing::clickTab;
using testing::keyOnSheet;

using namespace ui;
using music::Clef;

Q_DECLARE_METATYPE(music::Clef)

namespace {

// ------------------------------------------------------- reading element data

bool isBar(const Element& e)
{
    return e.kind == Kind::Shape && e.form == ShapeForm::Rectangle && e.box.h == 9 && e.outlineWidth == 5;
}

bool isHead(const Element& e) { return e.kind == Kind::Shape && e.form == ShapeForm::Circle; }

// One drawn staff: its five bars, top bar first.
struct DrawnStaff {
    std::vector<Rect> bars;
    int top() const { return bars.front().y; }
};

// Groups the bars of a container into staffs: bars closer than 30 px belong together.
std::vector<DrawnStaff> staffsOf(const Elements& elements)
{
    std::vector<Rect> bars;
    for (const Element& e : elements)
        if (isBar(e))
            bars.push_back(e.box);
    std::sort(bars.begin(), bars.end(), [](Rect a, Rect b) { return a.y < b.y; });
    std::vector<DrawnStaff> staffs;
    for (const Rect& b : bars) {
        if (staffs.empty() || b.y - staffs.back().bars.back().y > 30)
            staffs.push_back({});
        staffs.back().bars.push_back(b);
    }
    return staffs;
}

const Element* findNamed(const Elements& elements, const std::string& name)
{
    for (const Element& e : elements) {
        if (e.name == name)
            return &e;
        if (const Element* inner = findNamed(e.children, name))
            return inner;
    }
    return nullptr;
}

const Element* firstOf(const Elements& elements, const std::function<bool(const Element&)>& match)
{
    for (const Element& e : elements) {
        if (match(e))
            return &e;
        if (const Element* inner = firstOf(e.children, match))
            return inner;
    }
    return nullptr;
}

// The pages of a window's sheet notebook.
const Elements* sheetsOf(const WindowDef& window)
{
    const Element* nb = firstOf(window.elements, [](const Element& e) { return e.kind == Kind::Notebook; });
    return nb ? &nb->children : nullptr;
}

// The answer key on a sheet: the notebook whose pages are "Cover" and "Answers".
const Element* answerKeyOf(const Elements& sheet)
{
    for (const Element& e : sheet)
        if (e.kind == Kind::Notebook && e.children.size() == 2 && e.children[0].caption == "Cover"
            && e.children[1].caption == "Answers")
            return &e;
    return nullptr;
}

// The lines of the "Answers" page's text box.
std::vector<std::string> answerLines(const Element& key)
{
    const Element* box = firstOf(key.children[1].children,
                                 [](const Element& e) { return e.kind == Kind::TextBox; });
    return box ? box->lines : std::vector<std::string>{};
}

QString letters(const std::string& line) { return QString::fromStdString(line).simplified(); }

// A note as drawn: head box and the staff (index, top first) its head is centred on.
struct ReadNote {
    Rect head;
    int staff = -1;
    int position = -1;
};

// Every head of a sheet with the staff position it is centred on, in reading
// order: staff by staff from the top, left to right by the head's left edge.
std::vector<ReadNote> readNotes(const Elements& sheet)
{
    const std::vector<DrawnStaff> staffs = staffsOf(sheet);
    std::vector<ReadNote> notes;
    for (const Element& e : sheet) {
        if (!isHead(e))
            continue;
        ReadNote n{e.box};
        const double centre = diagrams::headCentreY(e.box);
        for (int s = 0; s < static_cast<int>(staffs.size()); ++s) {
            const int p = diagrams::barStaffPosition(staffs[s].top(), centre, 0.0);
            if (p >= 0) {
                n.staff = s;
                n.position = p;
            }
        }
        notes.push_back(n);
    }
    std::stable_sort(notes.begin(), notes.end(), [](const ReadNote& a, const ReadNote& b) {
        return a.staff != b.staff ? a.staff < b.staff : a.head.x < b.head.x;
    });
    return notes;
}

QString noteText(const ReadNote& n)
{
    return QStringLiteral("head at (%1, %2) %3x%4").arg(n.head.x).arg(n.head.y).arg(n.head.w).arg(n.head.h);
}

char twoAbove(char letter) { return static_cast<char>('A' + (letter - 'A' + 2) % 7); }

}  // namespace

class TestStaffPages : public QObject {
    Q_OBJECT

private slots:
    void worksheetWindows();
    void worksheetKeysFollowTheNotes_data();
    void worksheetKeysFollowTheNotes();
    void bassKeysAreTwoLettersAboveTreble_data();
    void bassKeysAreTwoLettersAboveTreble();
    void answerFieldsBesideTheirNotes_data();
    void answerFieldsBesideTheirNotes();
    void lessonLettersFollowTheRule_data();
    void lessonLettersFollowTheRule();
    void lessonRingEnclosesItsStaff_data();
    void lessonRingEnclosesItsStaff();
    void worksheetGlyphsFollowTheSheetRules_data();
    void worksheetGlyphsFollowTheSheetRules();
    void worksheetHeadingClearsThePrintButton();
    void labelsHaveTheirStoredSizes_data();
    void labelsHaveTheirStoredSizes();

    void initTestCase();
    void typedAnswersStay_data();
    void typedAnswersStay();
    void answersUncoverOneSheetOnly_data();
    void answersUncoverOneSheetOnly();
    void tabVisitsFieldsInReadingOrder_data();
    void tabVisitsFieldsInReadingOrder();
    void pictures_data();
    void pictures();

private:
    std::unique_ptr<app::WindowSet> windows_;
};

void TestStaffPages::worksheetWindows()
{
    const WindowDef treble = workpages::Tbtb();
    const WindowDef bass = workpages::Tbsb();
    QCOMPARE(QString::fromStdString(treble.className), QStringLiteral("Tbtb"));
    QCOMPARE(QString::fromStdString(treble.instance), QStringLiteral("btb"));
    QCOMPARE(QString::fromStdString(treble.title), QStringLiteral("Treble Workpages"));
    QCOMPARE(QString::fromStdString(bass.className), QStringLiteral("Tbsb"));
    QCOMPARE(QString::fromStdString(bass.instance), QStringLiteral("bsb"));
    QCOMPARE(QString::fromStdString(bass.title), QStringLiteral("Bass Workpages"));
    for (const WindowDef* w : {&treble, &bass}) {
        QCOMPARE(w->printScaling, PrintScaling::FitToPage);
        const Elements* sheets = sheetsOf(*w);
        QVERIFY(sheets);
        QCOMPARE(sheets->size(), std::size_t(3));
        // The print button lies over the notebook, so it is declared after it.
        QCOMPARE(w->elements.size(), std::size_t(2));
        QCOMPARE(w->elements[1].name, std::string("BitBtn1"));
    }
    // Only the Treble window's "Print" caption is regular.
    QVERIFY(!treble.elements[1].ownFont->bold);
    QVERIFY(bass.elements[1].ownFont->bold);
    QCOMPARE(treble.elements[1].box, (Rect{0, 24, 33, 25}));
    QCOMPARE(bass.elements[1].box, (Rect{0, 24, 39, 25}));
}

// ------------------------------------------------------------ worksheet answers

void TestStaffPages::worksheetKeysFollowTheNotes_data()
{
    QTest::addColumn<bool>("bassWindow");
    QTest::addColumn<int>("sheet");
    for (int sheet = 1; sheet <= 3; ++sheet) {
        QTest::addRow("Treble sheet %d", sheet) << false << sheet;
        QTest::addRow("Bass sheet %d", sheet) << true << sheet;
    }
}

// Each note's letter, read from its head box on its staff by the window's clef,
// is the key's letter at the note's place in reading order.
void TestStaffPages::worksheetKeysFollowTheNotes()
{
    QFETCH(bool, bassWindow);
    QFETCH(int, sheet);
    const WindowDef window = bassWindow ? workpages::Tbsb() : workpages::Tbtb();
    const Clef clef = bassWindow ? Clef::Bass : Clef::Treble;
    const Elements& page = sheetsOf(window)->at(sheet - 1).children;

    const std::vector<DrawnStaff> staffs = staffsOf(page);
    QCOMPARE(staffs.size(), std::size_t(3));
    for (const DrawnStaff& s : staffs)
        QCOMPARE(s.bars.size(), std::size_t(5));

    std::vector<QString> read(3);
    for (const ReadNote& n : readNotes(page)) {
        if (n.staff < 0)
            QFAIL(qPrintable(noteText(n) + " is not centred on a line or space of any staff"));
        if (!read[n.staff].isEmpty())
            read[n.staff] += ' ';
        read[n.staff] += QChar(music::staffLetter(clef, n.position));
    }

    const Element* key = answerKeyOf(page);
    QVERIFY(key);
    const std::vector<std::string> lines = answerLines(*key);
    QCOMPARE(lines.size(), std::size_t(3));
    for (int s = 0; s < 3; ++s)
        QCOMPARE(read[s], letters(lines[s]));
}

void TestStaffPages::bassKeysAreTwoLettersAboveTreble_data()
{
    QTest::addColumn<int>("sheet");
    for (int sheet = 1; sheet <= 3; ++sheet)
        QTest::addRow("sheet %d", sheet) << sheet;
}

void TestStaffPages::bassKeysAreTwoLettersAboveTreble()
{
    QFETCH(int, sheet);
    const WindowDef trebleWindow = workpages::Tbtb();
    const WindowDef bassWindow = workpages::Tbsb();
    const Element* trebleKey = answerKeyOf(sheetsOf(trebleWindow)->at(sheet - 1).children);
    const Element* bassKey = answerKeyOf(sheetsOf(bassWindow)->at(sheet - 1).children);
    QVERIFY(trebleKey && bassKey);
    const std::vector<std::string> treble = answerLines(*trebleKey);
    const std::vector<std::string> bass = answerLines(*bassKey);
    QCOMPARE(bass.size(), treble.size());
    for (std::size_t s = 0; s < treble.size(); ++s) {
        QString expected;
        for (const QString& letter : letters(treble[s]).split(' ')) {
            QCOMPARE(letter.size(), 1);
            if (!expected.isEmpty())
                expected += ' ';
            expected += QChar(twoAbove(letter.at(0).toLatin1()));
        }
        QCOMPARE(letters(bass[s]), expected);
    }
}

// ------------------------------------------------------------- worksheet fields

void TestStaffPages::answerFieldsBesideTheirNotes_data() { worksheetKeysFollowTheNotes_data(); }

// Field n (in tab order) stands just right of note n (in reading order), level
// with it; the key comes last in the tab order and covers no note or field.
void TestStaffPages::answerFieldsBesideTheirNotes()
{
    QFETCH(bool, bassWindow);
    QFETCH(int, sheet);
    const WindowDef window = bassWindow ? workpages::Tbsb() : workpages::Tbtb();
    const Elements& page = sheetsOf(window)->at(sheet - 1).children;
    const std::vector<ReadNote> notes = readNotes(page);
    const std::string prefix = "s" + std::to_string(sheet);

    const Element* key = answerKeyOf(page);
    QVERIFY(key);
    QCOMPARE(key->tabPosition, static_cast<int>(notes.size()));
    const Rect k = key->box;
    const auto underKey = [&k](Rect r) {
        return r.x < k.x + k.w && k.x < r.x + r.w && r.y < k.y + k.h && k.y < r.y + r.h;
    };

    int edits = 0;
    for (const Element& e : page)
        if (e.kind == Kind::Edit)
            ++edits;
    QCOMPARE(edits, static_cast<int>(notes.size()));

    for (std::size_t i = 0; i < notes.size(); ++i) {
        const std::string name = prefix + "answer" + std::to_string(i + 1);
        const Element* field = findNamed(page, name);
        QVERIFY2(field, name.c_str());
        QCOMPARE(field->kind, Kind::Edit);
        QCOMPARE(field->tabPosition, static_cast<int>(i));
        QCOMPARE(field->box.w, 25);
        QCOMPARE(field->box.h, 27);
        QVERIFY(field->caption.empty());
        const int dx = field->box.x - notes[i].head.x;
        QVERIFY2(dx >= 22 && dx <= 25, qPrintable(QString::fromStdString(name) + " is not beside " + noteText(notes[i])));
        // Level with the head: the field's rows overlap the head's circle.
        const double centre = diagrams::headCentreY(notes[i].head);
        QVERIFY2(field->box.y <= centre + 8 && field->box.y + field->box.h - 1 >= centre - 8,
                 qPrintable(QString::fromStdString(name) + " is not level with " + noteText(notes[i])));
        QVERIFY2(!underKey(field->box), name.c_str());
        QVERIFY2(!underKey(notes[i].head), qPrintable(noteText(notes[i])));
    }
}

// ----------------------------------------------------------------- lesson pages

void TestStaffPages::lessonLettersFollowTheRule_data()
{
    QTest::addColumn<bool>("bassPage");
    QTest::addColumn<Clef>("clef");
    QTest::newRow("Treble") << false << Clef::Treble;
    QTest::newRow("Bass") << true << Clef::Bass;
}

// The upper bar staff names its five bars, the lower one its four gaps. Each
// letter tile stands level with exactly one bar of the upper staff or gap of
// the lower one, reads as the letter rule gives for that place, stands against
// the staff's right end, and starts the word beside it.
void TestStaffPages::lessonLettersFollowTheRule()
{
    QFETCH(bool, bassPage);
    QFETCH(Clef, clef);
    const Elements page = bassPage ? lessons::bassPage() : lessons::treblePage();
    const std::vector<DrawnStaff> staffs = staffsOf(page);
    QCOMPARE(staffs.size(), std::size_t(2));
    const DrawnStaff& lineStaff = staffs[0];
    const DrawnStaff& spaceStaff = staffs[1];
    QCOMPARE(lineStaff.bars.size(), std::size_t(5));
    QCOMPARE(spaceStaff.bars.size(), std::size_t(5));

    // Every place a tile could stand level with: middle row, staff position,
    // whether it is a place this page names, and the right end of its staff there.
    struct Place { double middle; int position; bool named; int rightEnd; };
    std::vector<Place> places;
    for (const DrawnStaff* s : {&lineStaff, &spaceStaff}) {
        const bool lines = s == &lineStaff;
        for (int i = 0; i < 5; ++i) {
            const Rect b = s->bars[i];
            places.push_back({b.y + 4.0, 8 - 2 * i, lines, b.x + b.w - 1});
            if (i < 4) {
                const Rect below = s->bars[i + 1];
                places.push_back({(b.y + 9 + below.y - 1) / 2.0, 7 - 2 * i, !lines,
                                  std::max(b.x + b.w, below.x + below.w) - 1});
            }
        }
    }

    std::vector<const Element*> words;
    for (const Element& e : page)
        if (e.kind == Kind::Label && e.colour == white)
            words.push_back(&e);

    std::vector<int> seen;
    for (const Element& e : page) {
        if (!(e.kind == Kind::Label && e.colour == purple && e.ownFont && e.ownFont->px == 19))
            continue;
        const QString where = QStringLiteral("letter %1 at (%2, %3)")
                                  .arg(QString::fromStdString(e.caption)).arg(e.box.x).arg(e.box.y);
        QCOMPARE(e.caption.size(), std::size_t(1));
        const double middle = e.box.y + lineHeight(*e.ownFont) / 2.0;
        std::vector<const Place*> level;
        for (const Place& p : places)
            if (std::abs(p.middle - middle) <= 2.0)
                level.push_back(&p);
        QVERIFY2(level.size() == 1, qPrintable(where + " is not level with exactly one line or space"));
        QVERIFY2(level[0]->named, qPrintable(where + " stands beside a place its set does not name"));
        QCOMPARE(e.caption.front(), music::staffLetter(clef, level[0]->position));
        const int gap = e.box.x - level[0]->rightEnd;
        QVERIFY2(gap >= -1 && gap <= 3, qPrintable(where + " does not stand against the staff's end"));
        seen.push_back(level[0]->position);

        const auto word = std::find_if(words.begin(), words.end(), [&e](const Element* w) {
            return std::abs(w->box.y - e.box.y) <= 4 && w->box.x > e.box.x && w->box.x - e.box.x < 25;
        });
        QVERIFY2(word != words.end(), qPrintable(where + " has no word beside it"));
        QCOMPARE(QChar((*word)->caption.front()).toUpper(), QChar(e.caption.front()));
    }
    std::sort(seen.begin(), seen.end());
    QCOMPARE(seen, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8}));
}

void TestStaffPages::lessonRingEnclosesItsStaff_data() { lessonLettersFollowTheRule_data(); }

// The fuchsia ring encloses all five lines of its page's staff in the picture,
// and no line of the other staff.
void TestStaffPages::lessonRingEnclosesItsStaff()
{
    QFETCH(bool, bassPage);
    QFETCH(Clef, clef);
    const Elements page = bassPage ? lessons::bassPage() : lessons::treblePage();
    const Element* picture = firstOf(page, [](const Element& e) { return e.kind == Kind::Picture; });
    const Element* ring = firstOf(page, [](const Element& e) {
        return e.kind == Kind::Shape && e.form == ShapeForm::Ellipse;
    });
    QVERIFY(picture && ring);
    QCOMPARE(ring->outline, fuchsia);
    QCOMPARE(ring->fillStyle, FillStyle::None);
    const Clef other = clef == Clef::Treble ? Clef::Bass : Clef::Treble;
    const int top = ring->box.y, bottom = ring->box.y + ring->box.h - 1;
    for (int p = 0; p <= 8; p += 2) {
        const double own = diagrams::grandStaffY(clef, p, picture->box.y);
        const double others = diagrams::grandStaffY(other, p, picture->box.y);
        QVERIFY2(own > top && own < bottom, qPrintable(QStringLiteral("line %1 outside the ring").arg(p / 2 + 1)));
        QVERIFY2(others < top || others > bottom,
                 qPrintable(QStringLiteral("other staff's line %1 inside the ring").arg(p / 2 + 1)));
    }
}

// ------------------------------------------------------- worksheet glyphs

void TestStaffPages::worksheetGlyphsFollowTheSheetRules_data()
{
    QTest::addColumn<bool>("bassWindow");
    QTest::addColumn<int>("sheet");
    QTest::addColumn<int>("stemLength");
    QTest::addColumn<int>("flagWidth");
    QTest::addColumn<int>("flagHeight");
    QTest::addColumn<int>("secondFlagDrop");
    QTest::addColumn<bool>("sixteenthsInPurple");
    for (bool bass : {false, true}) {
        const char* w = bass ? "Bass" : "Treble";
        //                                      sheet   stem    flag w×h     drop    purple sixteenths
        QTest::addRow("%s sheet 1", w) << bass << 1 << 41 << 25 << 9 << 16 << false;
        QTest::addRow("%s sheet 2", w) << bass << 2 << 49 << 25 << 7 <<  8 << true;
        QTest::addRow("%s sheet 3", w) << bass << 3 << 49 << 24 << 9 << 16 << false;
    }
}

// A sheet draws its staffs, then its notes, then its fields and key. Each note
// is a 17-px head followed by its stem and flags: a hollow head with no stem is
// a whole note, a hollow head with a stem a half, a filled head needs a stem and
// carries up to two flags. Stems stand at head left + 16 with the sheet's
// length, ending at or a few pixels below the head's centre; flags start at the
// stem's top and column, in the sheet's size and outline.
void TestStaffPages::worksheetGlyphsFollowTheSheetRules()
{
    QFETCH(bool, bassWindow);
    QFETCH(int, sheet);
    QFETCH(int, stemLength);
    QFETCH(int, flagWidth);
    QFETCH(int, flagHeight);
    QFETCH(int, secondFlagDrop);
    QFETCH(bool, sixteenthsInPurple);
    const WindowDef window = bassWindow ? workpages::Tbsb() : workpages::Tbtb();
    const Elements& page = sheetsOf(window)->at(sheet - 1).children;
    const std::vector<DrawnStaff> staffs = staffsOf(page);
    QCOMPARE(staffs.size(), std::size_t(3));

    // Drawing order: (instruction label,) bars, glyphs, fields, key.
    enum Stage { Heading, Bars, Glyphs, Fields, Key };
    Stage stage = Heading;
    for (const Element& e : page) {
        const Stage s = e.kind == Kind::Label ? Heading
                        : isBar(e)            ? Bars
                        : e.kind == Kind::Shape ? Glyphs
                        : e.kind == Kind::Edit  ? Fields
                                                : Key;
        QVERIFY2(s >= stage, qPrintable(QStringLiteral("element at (%1, %2) out of drawing order")
                                            .arg(e.box.x).arg(e.box.y)));
        stage = s;
    }

    int sixteenths = 0;
    for (std::size_t i = 0; i < page.size(); ++i) {
        const Element& head = page[i];
        if (!isHead(head))
            continue;
        const QString where = QStringLiteral("note with head at (%1, %2)").arg(head.box.x).arg(head.box.y);
        QCOMPARE(head.box.w, 17);
        QCOMPARE(head.outline, black);
        QCOMPARE(head.outlineWidth, 1);
        QCOMPARE(head.fillStyle, FillStyle::Solid);
        QVERIFY2(head.fill == black || head.fill == white, qPrintable(where));
        const bool filled = head.fill == black;
        const double centre = diagrams::headCentreY(head.box);

        std::vector<const Element*> parts;  // stem, then flags
        for (std::size_t j = i + 1; j < page.size() && page[j].kind == Kind::Shape && !isHead(page[j]); ++j)
            parts.push_back(&page[j]);
        if (parts.empty()) {
            QVERIFY2(!filled, qPrintable(where + ": a filled head without a stem"));
            continue;  // a whole note
        }
        const Rect stem = parts[0]->box;
        QVERIFY2(stem.w == 1 && stem.h == stemLength, qPrintable(where + ": stem size"));
        QCOMPARE(parts[0]->outline, black);
        QCOMPARE(stem.x, head.box.x + 16);
        const int lowerEnd = stem.y + stem.h - 1;
        QVERIFY2(lowerEnd >= centre && lowerEnd <= centre + 6,
                 qPrintable(where + ": stem does not end at or just below the head's centre"));

        const std::size_t flags = parts.size() - 1;
        QVERIFY2(flags <= 2, qPrintable(where + ": more than two flags"));
        QVERIFY2(filled || flags == 0, qPrintable(where + ": a hollow head with flags"));
        if (flags == 2)
            ++sixteenths;
        for (std::size_t f = 0; f < flags; ++f) {
            const Element& flag = *parts[1 + f];
            QCOMPARE(flag.box, (Rect{stem.x, stem.y + static_cast<int>(f) * secondFlagDrop, flagWidth, flagHeight}));
            QCOMPARE(flag.fill, black);
            QCOMPARE(flag.fillStyle, FillStyle::Solid);
            QCOMPARE(flag.outlineWidth, 1);
            // On sheet 2 the sixteenths' flags are outlined purple, save the
            // lower flag of the first staff's sixteenth, which is fuchsia.
            Colour pen = black;
            if (sixteenthsInPurple && flags == 2) {
                const bool firstStaff = diagrams::barStaffPosition(staffs[0].top(), centre, 0.0) >= 0;
                pen = firstStaff && f == 1 ? fuchsia : purple;
            }
            QVERIFY2(flag.outline == pen, qPrintable(where + ": flag outline"));
        }
    }
    QVERIFY(sixteenths > 0);
}

// Sheet 1's instruction line starts right of the "Print" button (the Bass
// window's button is wider); on sheets 2 and 3 the button covers the left end
// of the top staff's first bar. Sheets lie at (4, 24) in the notebook at (0, 0).
void TestStaffPages::worksheetHeadingClearsThePrintButton()
{
    for (const WindowDef& window : {workpages::Tbtb(), workpages::Tbsb()}) {
        const Rect print = window.elements[1].box;
        const Elements* sheets = sheetsOf(window);
        const auto onWindow = [](Rect r) { return Rect{r.x + 4, r.y + 24, r.w, r.h}; };

        const Elements& first = sheets->at(0).children;
        const auto heading = std::find_if(first.begin(), first.end(), [](const Element& e) { return e.kind == Kind::Label; });
        QVERIFY(heading != first.end());
        QCOMPARE(heading->caption,
                 std::string("In the spaces put a letter to tell which line or space the note is on. "));
        QCOMPARE(heading->box.y, -1);
        QVERIFY(onWindow(heading->box).x >= print.x + print.w);

        for (int sheet = 2; sheet <= 3; ++sheet) {
            const Elements& page = sheets->at(sheet - 1).children;
            QVERIFY(std::none_of(page.begin(), page.end(), [](const Element& e) { return e.kind == Kind::Label; }));
            const Rect bar = onWindow(staffsOf(page).front().bars.front());
            QVERIFY2(bar.x < print.x + print.w && print.x < bar.x + bar.w && bar.y < print.y + print.h
                         && print.y < bar.y + bar.h,
                     qPrintable(QStringLiteral("sheet %1's top bar is not under the Print button").arg(sheet)));
        }
    }
}

// ------------------------------------------------------------------ label sizes

void TestStaffPages::labelsHaveTheirStoredSizes_data()
{
    QTest::addColumn<QString>("where");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("w");
    QTest::addColumn<int>("h");
    const char* instruction = "In the spaces put a letter to tell which line or space the note is on. ";
    const char* sound = "The line or space the note is on tells you the sound of the note.";
    const char* remember = "Remember: Where the circle of the note is put determines what line the note is on.";
    //                                  where       caption                            w      h
    QTest::newRow("Treble lines")    << "Treble" << "Top Set of Lines"     << 191 << 31;
    QTest::newRow("Treble spaces")   << "Treble" << "Top Set of Spaces"    << 206 << 31;
    QTest::newRow("Treble hint")     << "Treble" << "Start at bottom and read up." << 186 << 19;
    QTest::newRow("Treble sound")    << "Treble" << sound                  << 414 << 19;
    QTest::newRow("Treble remember") << "Treble" << remember               << 546 << 19;
    QTest::newRow("Bass lines")      << "Bass"   << "Bottom Set of Lines"  << 230 << 31;
    QTest::newRow("Bass spaces")     << "Bass"   << "Bottom Set of Spaces" << 245 << 31;
    QTest::newRow("Bass hint")       << "Bass"   << "Start at bottom and read up." << 186 << 19;
    QTest::newRow("Bass sound")      << "Bass"   << sound                  << 414 << 19;
    QTest::newRow("Bass remember")   << "Bass"   << remember               << 546 << 19;
    QTest::newRow("btb instruction") << "btb"    << instruction            << 550 << 22;
    QTest::newRow("bsb instruction") << "bsb"    << instruction            << 550 << 22;
    QTest::newRow("btb key cover")   << "btb"    << "Answers"              <<  65 << 21;
    QTest::newRow("bsb key cover")   << "bsb"    << "Answers"              <<  65 << 21;
}

// Label boxes are sized to their text; the pages were laid out with these
// sizes, so each label's font must give them. Letter tiles are 12 to 15 wide
// and 22 high, words 19 high.
void TestStaffPages::labelsHaveTheirStoredSizes()
{
    QFETCH(QString, where);
    QFETCH(QString, caption);
    QFETCH(int, w);
    QFETCH(int, h);
    Elements elements;
    if (where == QLatin1String("Treble"))
        elements = lessons::treblePage();
    else if (where == QLatin1String("Bass"))
        elements = lessons::bassPage();
    else
        elements = (where == QLatin1String("btb") ? workpages::Tbtb() : workpages::Tbsb()).elements;

    const std::string text = caption.toStdString();
    std::vector<const Element*> found;
    std::function<void(const Elements&)> collect = [&](const Elements& list) {
        for (const Element& e : list) {
            if (e.kind == Kind::Label && e.caption == text)
                found.push_back(&e);
            collect(e.children);
        }
    };
    collect(elements);
    QVERIFY(!found.empty());
    for (const Element* e : found) {
        QVERIFY(e->ownFont);
        QCOMPARE(textWidth(*e->ownFont, e->caption), w);
        QCOMPARE(lineHeight(*e->ownFont), h);
    }

    if (where == QLatin1String("Treble") || where == QLatin1String("Bass")) {
        for (const Element& e : elements) {
            if (e.kind != Kind::Label || !e.ownFont)
                continue;
            if (e.colour == purple && e.ownFont->px == 19) {
                const int tile = textWidth(*e.ownFont, e.caption);
                QVERIFY2(tile >= 12 && tile <= 15, e.caption.c_str());
                QCOMPARE(lineHeight(*e.ownFont), 22);
            } else if (e.colour == white) {
                QCOMPARE(lineHeight(*e.ownFont), 19);
            }
        }
    }
}

// ------------------------------------------------------------------ live windows

void TestStaffPages::initTestCase()
{
    windows_ = std::make_unique<app::WindowSet>();
}

void TestStaffPages::typedAnswersStay_data()
{
    QTest::addColumn<int>("lessonPage");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("instance");
    QTest::newRow("Treble") << 4 << "BitBtn1" << "btb";
    QTest::newRow("Bass") << 5 << "BitBtn24" << "bsb";
}

// Opened from its lesson page, a worksheet keeps what was typed on sheet 2
// across a change of sheet and across closing and showing it again.
void TestStaffPages::typedAnswersStay()
{
    QFETCH(int, lessonPage);
    QFETCH(QString, button);
    QFETCH(QString, instance);
    ui::PageWindow* book = windows_->lessonBook();
    ui::PageWindow* sheetWindow = windows_->window(instance.toStdString());
    QVERIFY(sheetWindow);
    book->showWindow();
    QVERIFY(QTest::qWaitForWindowExposed(book));

    auto* tabs = child<ui::Notebook>(book, QStringLiteral("LessonTabs"));
    clickTab(tabs, lessonPage - 1);
    QCOMPARE(tabs->currentIndex(), lessonPage - 1);
    auto* open = child<QPushButton>(book, button);
    QVERIFY(open->isVisible());
    QTest::mouseClick(open, Qt::LeftButton);
    QVERIFY(sheetWindow->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(sheetWindow));

    auto* sheets = child<ui::Notebook>(sheetWindow, QStringLiteral("Sheets"));
    QCOMPARE(sheets->currentIndex(), 0);
    clickTab(sheets, 1);
    QCOMPARE(sheets->currentIndex(), 1);
    auto* field = child<QLineEdit>(sheetWindow, QStringLiteral("s2answer3"));
    QVERIFY(field->isVisible());
    QTest::mouseClick(field, Qt::LeftButton);
    QTest::keyClicks(field, QStringLiteral("ab"));
    QCOMPARE(field->text(), QStringLiteral("ab"));

    clickTab(sheets, 0);
    QVERIFY(!field->isVisible());
    QCOMPARE(child<QLineEdit>(sheetWindow, QStringLiteral("s1answer3"))->text(), QString());
    clickTab(sheets, 1);
    QVERIFY(field->isVisible());
    QCOMPARE(field->text(), QStringLiteral("ab"));

    sheetWindow->close();
    QVERIFY(!sheetWindow->isVisible());
    QVERIFY(book->isVisible());
    QTest::mouseClick(open, Qt::LeftButton);
    QVERIFY(sheetWindow->isVisible());
    QCOMPARE(sheets->currentIndex(), 1);
    QCOMPARE(field->text(), QStringLiteral("ab"));

    field->clear();
    sheets->select(0);
    sheetWindow->hide();
}

void TestStaffPages::answersUncoverOneSheetOnly_data()
{
    QTest::addColumn<QString>("instance");
    QTest::addColumn<int>("sheet");
    for (const char* instance : {"btb", "bsb"})
        for (int sheet = 1; sheet <= 3; ++sheet)
            QTest::addRow("%s sheet %d", instance, sheet) << QString::fromLatin1(instance) << sheet;
}

// Clicking "Answers" on one sheet leaves the other sheets' keys on "Cover",
// and the uncovered key stays uncovered while another sheet is shown.
void TestStaffPages::answersUncoverOneSheetOnly()
{
    QFETCH(QString, instance);
    QFETCH(int, sheet);
    ui::PageWindow* w = windows_->window(instance.toStdString());
    QVERIFY(w);
    w->showWindow();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    auto* sheets = child<ui::Notebook>(w, QStringLiteral("Sheets"));
    clickTab(sheets, sheet - 1);
    ui::Notebook* key = keyOnSheet(w, sheet - 1);
    QVERIFY(key);
    QCOMPARE(key->currentIndex(), 0);
    clickTab(key, 1);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(keyOnSheet(w, i)->currentIndex(), i == sheet - 1 ? 1 : 0);
    const int other = sheet % 3;
    clickTab(sheets, other);
    clickTab(sheets, sheet - 1);
    QCOMPARE(key->currentIndex(), 1);

    key->select(0);
    sheets->select(0);
    w->hide();
}

void TestStaffPages::tabVisitsFieldsInReadingOrder_data() { answersUncoverOneSheetOnly_data(); }

// From the first field of a sheet, Tab goes through the fields in reading
// order and then to the sheet's answer key.
void TestStaffPages::tabVisitsFieldsInReadingOrder()
{
    QFETCH(QString, instance);
    QFETCH(int, sheet);
    ui::PageWindow* w = windows_->window(instance.toStdString());
    w->showWindow();
    QTRY_VERIFY(w->isActiveWindow());
    auto* sheets = child<ui::Notebook>(w, QStringLiteral("Sheets"));
    sheets->select(sheet - 1);
    const QString prefix = QStringLiteral("s%1answer").arg(sheet);
    auto* first = child<QLineEdit>(w, prefix + u'1');
    first->setFocus(Qt::MouseFocusReason);
    QCOMPARE(QApplication::focusWidget(), first);
    for (int n = 2;; ++n) {
        auto* next = w->element<QLineEdit>(prefix + QString::number(n));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        if (!next)
            break;
        QCOMPARE(QApplication::focusWidget(), next);
    }
    ui::Notebook* key = keyOnSheet(w, sheet - 1);
    QVERIFY(key->isAncestorOf(QApplication::focusWidget()));
    // The window stays shown: the offscreen platform does not activate a
    // window again once it has been hidden while active.
    sheets->select(0);
}

// ----------------------------------------------------------------------- pictures

void TestStaffPages::pictures_data()
{
    QTest::addColumn<QString>("instance");
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("sheet");
    QTest::addColumn<bool>("answers");
    QTest::addColumn<QString>("golden");
    QTest::newRow("Treble page") << "LessonBook" << 4 << 0 << false << "staff-LessonBook-page04";
    QTest::newRow("Bass page") << "LessonBook" << 5 << 0 << false << "staff-LessonBook-page05";
    for (const char* instance : {"btb", "bsb"}) {
        for (int sheet = 1; sheet <= 3; ++sheet) {
            const QString name = QStringLiteral("staff-%1-sheet%2").arg(QLatin1String(instance)).arg(sheet);
            QTest::addRow("%s sheet %d", instance, sheet) << QString::fromLatin1(instance) << 0 << sheet << false << name;
            QTest::addRow("%s sheet %d answers", instance, sheet)
                << QString::fromLatin1(instance) << 0 << sheet << true << name + QStringLiteral("-answers");
        }
    }
}

void TestStaffPages::pictures()
{
    QFETCH(QString, instance);
    QFETCH(int, page);
    QFETCH(int, sheet);
    QFETCH(bool, answers);
    QFETCH(QString, golden);
    ui::PageWindow* w = windows_->window(instance.toStdString());
    QVERIFY(w);
    ui::applyState(w, {.page = page, .sheet = sheet, .answers = answers});
    const QImage picture = ui::snapshot(w);
    ui::applyState(w, {.page = 1, .sheet = 1, .answers = false});
    w->hide();
    LYRABEL_COMPARE_GOLDEN(picture, golden);
}

LYRABEL_TEST_MAIN(TestStaffPages)
#include "test_staffpages.moc"
