// Corvalle Lyrabel — the Treble and Bass lesson pages and reading worksheets,
// read back from their element data and checked against the staff-letter rule.
//
// Sections: reading element data · worksheet answers · worksheet fields · lesson pages
#include "diagrams/musicrules.h"
#include "diagrams/staff.h"
#include "lessons/staffpages.h"
#include "ui/fonts.h"
#include "workpages/staffworkpages.h"

#include <QtTest>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

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

QTEST_MAIN(TestStaffPages)
#include "test_staffpages.moc"
