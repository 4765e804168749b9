// Corvalle Lyrabel — the Beats page and the Beat worksheets, read back from
// their element data and checked against the beat rule.
//
// Sections: reading glyphs · worksheet answers · worksheet layout ·
//           the Beats page · live windows · pictures
#include "app/windowset.h"
#include "diagrams/glyphs.h"
#include "diagrams/musicrules.h"
#include "diagrams/staff.h"
#include "lessons/beatspage.h"
#include "support.h"
#include "ui/fields.h"
#include "ui/fonts.h"
#include "ui/notebook.h"
#include "ui/pagewindow.h"
#include "ui/snapshot.h"
#include "workpages/beatworkpages.h"
#include "workpages/staffworkpages.h"

#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

using testing::child;
using testing::clickTab;
using testing::keyOnSheet;

using namespace ui;
using music::NoteValue;

Q_DECLARE_METATYPE(ui::Rect)

namespace {

// ------------------------------------------------------------- reading glyphs

bool isBar(const Element& e)
{
    return e.kind == Kind::Shape && e.form == ShapeForm::Rectangle && e.box.h == 9 && e.outlineWidth == 5;
}
bool isHead(const Element& e) { return e.kind == Kind::Shape && e.form == ShapeForm::Circle; }
bool isStem(const Element& e)
{
    return e.kind == Kind::Shape && e.form == ShapeForm::Rectangle && e.box.w == 1 && !isBar(e);
}
bool isFlag(const Element& e)
{
    return e.kind == Kind::Shape && e.form == ShapeForm::Rectangle && e.box.w > 1 && !isBar(e)
           && e.fill == black && e.fillStyle == FillStyle::Solid;
}

// An element's box; a label's size comes from its caption in its font
// (`inherited` where it sets none).
Rect extent(const Element& e, Font inherited = tnr(16).bolded().in(white))
{
    if (e.kind != Kind::Label)
        return e.box;
    const Font f = e.ownFont ? *e.ownFont : inherited;
    return {e.box.x, e.box.y, textWidth(f, e.caption), lineHeight(f)};
}

QString boxText(Rect r) { return QStringLiteral("(%1, %2) %3x%4").arg(r.x).arg(r.y).arg(r.w).arg(r.h); }

// Rows of a head's circle: a circle of the box's smaller side, centred in the box.
struct Rows {
    int first, last;
};
Rows circleRows(Rect head)
{
    const int side = std::min(head.w, head.h);
    const int first = head.y + (head.h - side) / 2;
    return {first, first + side - 1};
}

// A note as drawn: its head and the stem and flags attached to it.
struct Glyph {
    const Element* head = nullptr;
    const Element* stem = nullptr;
    std::vector<const Element*> flags;
};

// The value a glyph shows: hollow without stem a whole, hollow with stem a
// half, filled with stem a quarter, with one flag an eighth, two a sixteenth.
std::optional<NoteValue> valueOf(const Glyph& g)
{
    const bool filled = g.head->fill == black;
    if (!filled && g.head->fill != white)
        return std::nullopt;
    if (!g.stem)
        return filled || !g.flags.empty() ? std::nullopt : std::optional(NoteValue::Whole);
    if (!filled)
        return g.flags.empty() ? std::optional(NoteValue::Half) : std::nullopt;
    switch (g.flags.size()) {
    case 0: return NoteValue::Quarter;
    case 1: return NoteValue::Eighth;
    case 2: return NoteValue::Sixteenth;
    default: return std::nullopt;
    }
}

// Attaches every stem to the head it rises from (at the head's right edge,
// reaching into its circle from above) and every flag to the stem it hangs
// from (starting at or just right of the stem's column, near its top). Any
// stem or flag that belongs to no glyph, or to two, is reported.
std::vector<Glyph> glyphsOf(const Elements& elements, QStringList& problems)
{
    std::vector<Glyph> glyphs;
    for (const Element& e : elements)
        if (isHead(e))
            glyphs.push_back({&e});
    for (const Element& e : elements) {
        if (isStem(e)) {
            std::vector<Glyph*> owners;
            for (Glyph& g : glyphs) {
                const Rect h = g.head->box;
                const Rows circle = circleRows(h);
                const int bottom = e.box.y + e.box.h - 1;
                if (e.box.x >= h.x + h.w - 2 && e.box.x <= h.x + h.w + 1 && e.box.y < circle.first
                    && bottom >= circle.first && bottom <= circle.last)
                    owners.push_back(&g);
            }
            if (owners.size() != 1 || owners[0]->stem)
                problems << QStringLiteral("stem %1 belongs to %2 heads").arg(boxText(e.box)).arg(owners.size());
            else
                owners[0]->stem = &e;
        }
    }
    for (const Element& e : elements) {
        if (!isFlag(e))
            continue;
        std::vector<Glyph*> owners;
        for (Glyph& g : glyphs) {
            if (!g.stem)
                continue;
            const Rect s = g.stem->box;
            if ((e.box.x == s.x || e.box.x == s.x + 1) && e.box.y >= s.y - 8 && e.box.y <= s.y + 16)
                owners.push_back(&g);
        }
        if (owners.size() != 1)
            problems << QStringLiteral("flag %1 belongs to %2 stems").arg(boxText(e.box)).arg(owners.size());
        else
            owners[0]->flags.push_back(&e);
    }
    for (const Element& e : elements)
        if (e.kind == Kind::Shape && !isBar(e) && !isHead(e) && !isStem(e) && !isFlag(e))
            problems << QStringLiteral("shape %1 is no part of a note").arg(boxText(e.box));
    return glyphs;
}

// One drawn staff: its five bars, top bar first.
std::vector<std::vector<Rect>> staffsOf(const Elements& elements)
{
    std::vector<Rect> bars;
    for (const Element& e : elements)
        if (isBar(e))
            bars.push_back(e.box);
    std::sort(bars.begin(), bars.end(), [](Rect a, Rect b) { return a.y < b.y; });
    std::vector<std::vector<Rect>> staffs;
    for (const Rect& b : bars) {
        if (staffs.empty() || b.y - staffs.back().back().y > 30)
            staffs.push_back({});
        staffs.back().push_back(b);
    }
    return staffs;
}

// A worksheet note as read: head, value and the place its head is centred on.
struct ReadNote {
    Rect head;
    NoteValue value;
    int staff;     // 0 = top staff
    int position;  // 0 (bottom line) to 8 (top line)
};

// The notes of a sheet in reading order (staff by staff, left to right). A
// head placed by hand stands on a line or space when its centre lies within
// 2 px of it.
std::vector<ReadNote> readNotes(const Elements& sheet, QStringList& problems)
{
    const std::vector<std::vector<Rect>> staffs = staffsOf(sheet);
    if (staffs.size() != 3)
        problems << QStringLiteral("%1 staffs").arg(staffs.size());
    std::vector<ReadNote> notes;
    for (const Glyph& g : glyphsOf(sheet, problems)) {
        const Rect h = g.head->box;
        const std::optional<NoteValue> value = valueOf(g);
        if (!value) {
            problems << QStringLiteral("head %1: no note value reads so").arg(boxText(h));
            continue;
        }
        ReadNote n{h, *value, -1, -1};
        for (int s = 0; s < static_cast<int>(staffs.size()); ++s) {
            const int p = diagrams::barStaffPosition(staffs[s].front().y, diagrams::headCentreY(h), 2.0);
            if (p >= 0) {
                n.staff = s;
                n.position = p;
            }
        }
        if (n.staff < 0)
            problems << QStringLiteral("head %1 is centred on no line or space").arg(boxText(h));
        notes.push_back(n);
    }
    std::stable_sort(notes.begin(), notes.end(), [](const ReadNote& a, const ReadNote& b) {
        return a.staff != b.staff ? a.staff < b.staff : a.head.x < b.head.x;
    });
    return notes;
}

const Elements& sheetOf(const WindowDef& window, int sheet)
{
    return window.elements.front().children.at(static_cast<std::size_t>(sheet - 1)).children;
}

const Element* answerKeyOf(const Elements& sheet)
{
    for (const Element& e : sheet)
        if (e.kind == Kind::Notebook && e.children.size() == 2 && e.children[0].caption == "Cover"
            && e.children[1].caption == "Answers")
            return &e;
    return nullptr;
}

const Element* answerBoxOf(const Element& key)
{
    for (const Element& e : key.children[1].children)
        if (e.kind == Kind::TextBox)
            return &e;
    return nullptr;
}

// The time signature of a sheet: its two stacked labels on #C6E2FF, top first.
std::vector<int> timeSignatureOf(const Elements& sheet)
{
    std::vector<const Element*> digits;
    for (const Element& e : sheet)
        if (e.kind == Kind::Label && e.colour == rgb(0xC6E2FF))
            digits.push_back(&e);
    std::sort(digits.begin(), digits.end(), [](const Element* a, const Element* b) { return a->box.y < b->box.y; });
    std::vector<int> numbers;
    for (const Element* d : digits)
        numbers.push_back(std::stoi(d->caption));
    return numbers;
}

QString valueName(NoteValue v)
{
    static const char* names[] = {"whole", "half", "quarter", "eighth", "sixteenth"};
    return QString::fromLatin1(names[static_cast<int>(v)]);
}

// Every element of a list and of its containers.
void forEachElement(const Elements& list, const std::function<void(const Element&)>& visit)
{
    for (const Element& e : list) {
        visit(e);
        forEachElement(e.children, visit);
    }
}

}  // namespace

class TestBeats : public QObject {
    Q_OBJECT

private slots:
    void worksheetWindow();
    void keysFollowTheBeatRule_data();
    void keysFollowTheBeatRule();
    void notesAreThoseOfTheReadingSheets_data();
    void notesAreThoseOfTheReadingSheets();
    void glyphsFollowTheWorkpageFamily_data();
    void glyphsFollowTheWorkpageFamily();
    void answerFieldsBesideTheirNotes_data();
    void answerFieldsBesideTheirNotes();
    void chartShowsEachValueInItsColumn();
    void pageTexts();
    void labelsHaveTheirStoredSizes_data();
    void labelsHaveTheirStoredSizes();

    void initTestCase();
    void tabVisitsFieldsThenKey_data();
    void tabVisitsFieldsThenKey();
    void typedAnswersStay();
    void answersUncoverOneSheetOnly_data();
    void answersUncoverOneSheetOnly();
    void beatsTextScrollsToItsEnd();
    void pictures_data();
    void pictures();
    void onlyTheCaptionsTakeTyping();

private:
    std::unique_ptr<app::WindowSet> windows_;
};

// ------------------------------------------------------------ worksheet answers

void TestBeats::worksheetWindow()
{
    const WindowDef w = workpages::Tsbbs();
    QCOMPARE(QString::fromStdString(w.className), QStringLiteral("Tsbbs"));
    QCOMPARE(QString::fromStdString(w.instance), QStringLiteral("sbbs"));
    QCOMPARE(QString::fromStdString(w.title), QStringLiteral("Beat Workpages"));
    QCOMPARE(w.printScaling, PrintScaling::Proportional);
    QCOMPARE(w.elements.size(), std::size_t(2));
    const Element& sheets = w.elements[0];
    QCOMPARE(sheets.kind, Kind::Notebook);
    QCOMPARE(sheets.box, (Rect{0, 0, 632, 451}));
    QCOMPARE(sheets.children.size(), std::size_t(3));
    // The print button lies over the notebook, so it is declared after it.
    QCOMPARE(w.elements[1].name, std::string("BitBtn1"));
    QCOMPARE(w.elements[1].box, (Rect{0, 24, 39, 25}));
}

void TestBeats::keysFollowTheBeatRule_data()
{
    QTest::addColumn<int>("sheet");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("bottom");
    QTest::addColumn<Rect>("keyBox");
    //                                sheet  time signature  answer key
    QTest::newRow("sheet 1, 3/4") << 1 << 3 << 4 << Rect{416, 323, 200, 97};
    QTest::newRow("sheet 2, 2/2") << 2 << 2 << 2 << Rect{395, 318, 214, 97};
    QTest::newRow("sheet 3, 3/8") << 3 << 3 << 8 << Rect{400, 314, 200, 97};
}

// Each key line lists, for its staff's notes left to right, the beats the
// beat rule gives the note's value under the sheet's bottom number, where the
// value is read from the glyph and the bottom number from the sheet's heading.
void TestBeats::keysFollowTheBeatRule()
{
    QFETCH(int, sheet);
    QFETCH(int, top);
    QFETCH(int, bottom);
    QFETCH(Rect, keyBox);
    const WindowDef window = workpages::Tsbbs();
    const Elements& page = sheetOf(window, sheet);
    QCOMPARE(timeSignatureOf(page), (std::vector<int>{top, bottom}));

    QStringList problems;
    const std::vector<ReadNote> notes = readNotes(page, problems);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("; "))));
    QStringList expected(3);
    for (const ReadNote& n : notes) {
        if (!expected[n.staff].isEmpty())
            expected[n.staff] += u' ';
        expected[n.staff] += QString::fromStdString(music::beats(n.value, timeSignatureOf(page).back()));
    }

    const Element* key = answerKeyOf(page);
    QVERIFY(key);
    QCOMPARE(key->box, keyBox);
    const Element* box = answerBoxOf(*key);
    QVERIFY(box);
    QCOMPARE(box->lines.size(), std::size_t(3));
    for (int s = 0; s < 3; ++s)
        QCOMPARE(QString::fromStdString(box->lines[s]).simplified(), expected[s]);
}

void TestBeats::notesAreThoseOfTheReadingSheets_data()
{
    QTest::addColumn<bool>("bassWindow");
    QTest::addColumn<int>("sheet");
    for (int sheet = 1; sheet <= 3; ++sheet) {
        QTest::addRow("Treble sheet %d", sheet) << false << sheet;
        QTest::addRow("Bass sheet %d", sheet) << true << sheet;
    }
}

// The Beat sheets show the Treble and Bass sheets' notes, sheet by sheet and in
// the same order, a few pixels apart: the same value on the same line or space.
void TestBeats::notesAreThoseOfTheReadingSheets()
{
    QFETCH(bool, bassWindow);
    QFETCH(int, sheet);
    const WindowDef beatWindow = workpages::Tsbbs();
    const WindowDef readingWindow = bassWindow ? workpages::Tbsb() : workpages::Tbtb();
    QStringList problems;
    const std::vector<ReadNote> beats = readNotes(sheetOf(beatWindow, sheet), problems);
    const std::vector<ReadNote> reading = readNotes(sheetOf(readingWindow, sheet), problems);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("; "))));
    QCOMPARE(beats.size(), reading.size());
    for (std::size_t i = 0; i < beats.size(); ++i) {
        const QString where = QStringLiteral("note %1, head %2 against %3")
                                  .arg(i + 1).arg(boxText(beats[i].head), boxText(reading[i].head));
        QVERIFY2(beats[i].staff == reading[i].staff, qPrintable(where + ": staff"));
        QVERIFY2(beats[i].value == reading[i].value,
                 qPrintable(where + ": " + valueName(beats[i].value) + " against " + valueName(reading[i].value)));
        QVERIFY2(beats[i].position == reading[i].position,
                 qPrintable(where + QStringLiteral(": place %1 against %2").arg(beats[i].position).arg(reading[i].position)));
        QVERIFY2(std::abs(beats[i].head.x - reading[i].head.x) <= 4, qPrintable(where + ": more than a few pixels apart"));
    }
}

// ------------------------------------------------------------- worksheet layout

void TestBeats::glyphsFollowTheWorkpageFamily_data()
{
    QTest::addColumn<int>("sheet");
    QTest::addColumn<bool>("purpleSixteenths");
    QTest::newRow("sheet 1") << 1 << false;
    QTest::newRow("sheet 2") << 2 << true;
    QTest::newRow("sheet 3") << 3 << false;
}

// Drawing order: heading, bars, notes (head, stem, flags), fields, key. Heads
// are 17-px circles in boxes 17, 25, 33 or 41 high; stems 1 px wide and black;
// flags 25×9, 25×7 or 24×9, black, outlined black except the sixteenths' flags
// on sheet 2: purple, save the lower flag of the top staff's sixteenth, fuchsia.
void TestBeats::glyphsFollowTheWorkpageFamily()
{
    QFETCH(int, sheet);
    QFETCH(bool, purpleSixteenths);
    const WindowDef window = workpages::Tsbbs();
    const Elements& page = sheetOf(window, sheet);

    enum Stage { Heading, Bars, Notes, Fields, Key };
    Stage stage = Heading;
    const Element* lastHead = nullptr;
    for (const Element& e : page) {
        const Stage s = e.kind == Kind::Label   ? Heading
                        : isBar(e)              ? Bars
                        : e.kind == Kind::Shape ? Notes
                        : e.kind == Kind::Edit  ? Fields
                                                : Key;
        QVERIFY2(s >= stage, qPrintable(boxText(e.box) + " out of drawing order"));
        stage = s;
        if (isHead(e))
            lastHead = &e;
        else if (s == Notes)  // a stem or flag follows its own head
            QVERIFY2(lastHead && e.box.x - lastHead->box.x >= 15 && e.box.x - lastHead->box.x <= 18,
                     qPrintable(boxText(e.box) + " does not follow its head"));
    }

    QStringList problems;
    const std::vector<ReadNote> notes = readNotes(page, problems);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("; "))));
    for (const Glyph& g : glyphsOf(page, problems)) {
        const Element& head = *g.head;
        const QString where = QStringLiteral("head %1").arg(boxText(head.box));
        QVERIFY2(head.box.w == 17 && (head.box.h - 17) % 8 == 0 && head.box.h <= 41, qPrintable(where));
        QVERIFY2(head.outline == black && head.outlineWidth == 1 && head.fillStyle == FillStyle::Solid,
                 qPrintable(where));
        if (g.stem)
            QVERIFY2(g.stem->outline == black && g.stem->outlineWidth == 1, qPrintable(where + ": stem"));
        const bool topStaff = std::any_of(notes.begin(), notes.end(), [&](const ReadNote& n) {
            return n.head == head.box && n.staff == 0;
        });
        for (std::size_t f = 0; f < g.flags.size(); ++f) {
            const Element& flag = *g.flags[f];
            const Rect b = flag.box;
            QVERIFY2((b.w == 25 && (b.h == 9 || b.h == 7)) || (b.w == 24 && b.h == 9), qPrintable(where + ": flag size"));
            QCOMPARE(flag.outlineWidth, 1);
            Colour pen = black;
            if (purpleSixteenths && g.flags.size() == 2)
                pen = topStaff && flag.box.y > g.flags[1 - f]->box.y ? fuchsia : purple;
            QVERIFY2(flag.outline == pen, qPrintable(where + ": flag outline"));
        }
    }
}

void TestBeats::answerFieldsBesideTheirNotes_data()
{
    QTest::addColumn<int>("sheet");
    for (int sheet = 1; sheet <= 3; ++sheet)
        QTest::addRow("sheet %d", sheet) << sheet;
}

// Field n (tab order n) stands just right of note n (reading order), level
// with its head; the key comes last in the tab order and covers no note or field.
void TestBeats::answerFieldsBesideTheirNotes()
{
    QFETCH(int, sheet);
    const WindowDef window = workpages::Tsbbs();
    const Elements& page = sheetOf(window, sheet);
    QStringList problems;
    const std::vector<ReadNote> notes = readNotes(page, problems);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("; "))));

    std::vector<const Element*> fields;
    for (const Element& e : page)
        if (e.kind == Kind::Edit)
            fields.push_back(&e);
    QCOMPARE(fields.size(), notes.size());
    std::sort(fields.begin(), fields.end(), [](const Element* a, const Element* b) { return a->tabPosition < b->tabPosition; });

    const Element* key = answerKeyOf(page);
    QVERIFY(key);
    QCOMPARE(key->tabPosition, static_cast<int>(notes.size()));
    const Rect k = key->box;
    const auto underKey = [&k](Rect r) {
        return r.x < k.x + k.w && k.x < r.x + r.w && r.y < k.y + k.h && k.y < r.y + r.h;
    };

    for (std::size_t i = 0; i < notes.size(); ++i) {
        const Element& field = *fields[i];
        const QString where = QString::fromStdString(field.name) + " beside head " + boxText(notes[i].head);
        QCOMPARE(field.tabPosition, static_cast<int>(i));
        QCOMPARE(field.name, "s" + std::to_string(sheet) + "answer" + std::to_string(i + 1));
        QCOMPARE(field.box.w, 25);
        QCOMPARE(field.box.h, 27);
        QVERIFY(field.caption.empty());
        QVERIFY(field.ownFont && *field.ownFont == tnr(16).bolded().in(black));
        const int dx = field.box.x - notes[i].head.x;
        QVERIFY2(dx >= 22 && dx <= 25, qPrintable(where + ": not just right of it"));
        const Rows circle = circleRows(notes[i].head);
        QVERIFY2(field.box.y <= circle.last && field.box.y + field.box.h - 1 >= circle.first,
                 qPrintable(where + ": not level with it"));
        QVERIFY2(!underKey(field.box) && !underKey(notes[i].head), qPrintable(where + ": under the key"));
    }

    // Each answer stays on its own line in the key's text box.
    const Element* box = answerBoxOf(*key);
    QVERIFY(box && box->ownFont);
    for (const std::string& line : box->lines)
        QVERIFY2(textWidth(*box->ownFont, line) < key->box.w - 8 - 2, line.c_str());
}

// -------------------------------------------------------------- the Beats page

// The chart's five columns, between the fuchsia rules, are headed Sixteenth to
// Whole. Each holds that value's rest in the top row and its note, built like
// the lesson glyph of that value, in the bottom row; each column from Eighth on
// says below the banner that it lasts twice as long as the column before it.
void TestBeats::chartShowsEachValueInItsColumn()
{
    const Elements page = lessons::beatsPage();
    const Element* chart = nullptr;
    const Element* headings = nullptr;
    std::vector<int> rules;
    for (const Element& e : page) {
        if (e.kind == Kind::Shape && e.outlineWidth == 5 && e.fill == white)
            chart = &e;
        if (e.kind == Kind::Label && e.caption.starts_with("Sixteenth"))
            headings = &e;
        if (e.kind == Kind::Shape && e.box.w == 1 && e.outline == fuchsia)
            rules.push_back(e.box.x);
    }
    QVERIFY(chart && headings);
    QCOMPARE(rules.size(), std::size_t(4));
    std::sort(rules.begin(), rules.end());
    std::vector<int> edges{chart->box.x};
    edges.insert(edges.end(), rules.begin(), rules.end());
    edges.push_back(chart->box.x + chart->box.w);
    const auto column = [&edges](const Rect& r) {
        for (std::size_t c = 0; c + 1 < edges.size(); ++c)
            if (r.x > edges[c] && r.x + r.w <= edges[c + 1] + 1)
                return static_cast<int>(c);
        return -1;
    };

    const QStringList titles = QString::fromStdString(headings->caption).split(u' ', Qt::SkipEmptyParts);
    QCOMPARE(titles, (QStringList{"Sixteenth", "Eighth", "Quarter", "Half", "Whole"}));
    const NoteValue values[] = {NoteValue::Sixteenth, NoteValue::Eighth, NoteValue::Quarter, NoteValue::Half,
                                NoteValue::Whole};
    const int restRowBottom = 130, noteRowBottom = 190;  // rows of the chart, above the banner
    const int titleBottom = headings->box.y + lineHeight(*headings->ownFont);
    for (int c = 0; c < 5; ++c) {
        const NoteValue v = values[c];
        const QString where = titles[c];
        Elements rest, note;
        for (const Element& e : page) {
            if (column(e.box) != c || e.box.y < titleBottom || (e.kind == Kind::Shape && e.box.w == 1 && e.outline == fuchsia))
                continue;
            if (e.kind != Kind::Shape && e.kind != Kind::Picture)
                continue;
            if (e.box.y + e.box.h <= restRowBottom)
                rest.push_back(e);
            else if (e.box.y + e.box.h <= noteRowBottom)
                note.push_back(e);
        }
        // The rest: a picture, or a block on its line.
        if (v == NoteValue::Whole || v == NoteValue::Half) {
            QCOMPARE(rest.size(), std::size_t(2));
            const Element& block = rest[0].box.w == diagrams::restBlockWidth ? rest[0] : rest[1];
            const Element& line = &block == &rest[0] ? rest[1] : rest[0];
            QCOMPARE(line.box, diagrams::restLine(line.box.x, line.box.y).box);
            const Element expected = diagrams::restBlock(v, block.box.x, line.box.y);
            QVERIFY2(block.box == expected.box && block.fill == black, qPrintable(where + " rest"));
        } else {
            QCOMPARE(rest.size(), std::size_t(1));
            QCOMPARE(rest[0].image, std::string(diagrams::restImage(v)));
            QCOMPARE(rest[0].box, diagrams::restPicture(v, rest[0].box.x, rest[0].box.y).box);
        }
        // The note: the lesson glyph of this value at its head.
        const auto head = std::find_if(note.begin(), note.end(), isHead);
        QVERIFY2(head != note.end(), qPrintable(where + ": no head"));
        const Elements glyph = diagrams::lessonNote(v, head->box.x, head->box.y);
        QCOMPARE(note.size(), glyph.size());
        for (const Element& part : glyph) {
            const bool found = std::any_of(note.begin(), note.end(), [&part](const Element& e) {
                return e.box == part.box && e.form == part.form && e.fill == part.fill
                       && e.fillStyle == part.fillStyle && e.outline == part.outline;
            });
            QVERIFY2(found, qPrintable(where + ": no part at " + boxText(part.box)));
        }
        // Under the banner: "twice as long" / "and twice as" / "many beats" /
        // "as" and the previous column's value (the page spells eighth "eigth").
        if (c == 0)
            continue;
        std::vector<const Element*> words;
        for (const Element& e : page)
            if (e.kind == Kind::Label && e.colour == white && e.box.y > noteRowBottom + 20 && column(extent(e)) == c)
                words.push_back(&e);
        std::sort(words.begin(), words.end(), [](const Element* a, const Element* b) { return a->box.y < b->box.y; });
        QStringList read;
        for (const Element* w : words)
            read << QString::fromStdString(w->caption);
        const QString previous = titles[c - 1].toLower() == QLatin1String("eighth") ? QStringLiteral("eigth")
                                                                                    : titles[c - 1].toLower();
        QCOMPARE(read, (QStringList{"twice as long", "and twice as", "many beats", "as " + previous}));
    }
}

// The stated texts of the page's text boxes, their looks and what may be typed.
void TestBeats::pageTexts()
{
    const Elements page = lessons::beatsPage();
    std::vector<const Element*> boxes;
    for (const Element& e : page)
        if (e.kind == Kind::TextBox)
            boxes.push_back(&e);
    QCOMPARE(boxes.size(), std::size_t(4));

    // The two captions over the chart: editable, borderless, white bold on fuchsia.
    const Element& rests = *boxes[0];
    const Element& rows = *boxes[1];
    QCOMPARE(rests.lines, (std::vector<std::string>{"Rests have no sound, but show a period of silence."}));
    QCOMPARE(rows.lines, (std::vector<std::string>{"The top row is rests the bottom row is notes."}));
    QCOMPARE(rests.box, (Rect{146, 14, 337, 17}));
    QCOMPARE(rows.box, (Rect{161, -2, 300, 17}));
    for (const Element* c : {&rests, &rows}) {
        QVERIFY(!c->readOnly);
        QVERIFY(!c->ownFont);  // the page's own white bold Times New Roman
        QCOMPARE(c->border, Border::None);
        QCOMPARE(c->colour, std::optional(fuchsia));
    }

    // The beats text: seventeen lines, read-only, with a scroll bar.
    const Element& beats = *boxes[2];
    QCOMPARE(beats.box, (Rect{130, 293, 466, 108}));
    QVERIFY(beats.readOnly && beats.verticalScrollBar);
    QCOMPARE(beats.border, Border::None);
    QCOMPARE(beats.colour, std::optional(rgb(0xFFFFC4)));
    QVERIFY(beats.ownFont && *beats.ownFont == arial(16).in(black));
    QCOMPARE(beats.lines.size(), std::size_t(17));
    QCOMPARE(beats.lines[3], std::string("When the time signature has a bottom number of:"));
    QVERIFY(beats.lines[4].starts_with("4") && beats.lines[5].starts_with("2") && beats.lines[6].starts_with("8"));
    // Each of these lines names the value its bottom number gives one beat.
    for (int line = 4; line <= 6; ++line) {
        const QString text = QString::fromStdString(beats.lines[line]);
        const int bottom = text.section(u' ', 0, 0).toInt();
        QStringList named;
        for (NoteValue v : {NoteValue::Whole, NoteValue::Half, NoteValue::Quarter, NoteValue::Eighth,
                            NoteValue::Sixteenth})
            if (text.contains(QRegularExpression(QStringLiteral("\\b%1 note").arg(valueName(v)))))
                named << valueName(v);
        QCOMPARE(named.size(), 1);
        const NoteValue v = static_cast<NoteValue>(QStringList{"whole", "half", "quarter", "eighth", "sixteenth"}
                                                       .indexOf(named.front()));
        QVERIFY2(music::beats(v, bottom) == "1", qPrintable(text));
        QVERIFY2(text.endsWith(QStringLiteral("gets one beat.")), qPrintable(text));
    }
    QVERIFY(beats.lines[10].starts_with("EXAMPLE:"));
    QVERIFY(beats.lines[13].empty());
    // Each stored line fits the box beside the scroll bar, so none wraps.
    for (const std::string& line : beats.lines)
        QVERIFY2(textWidth(*beats.ownFont, line) <= beats.box.w - 20, line.c_str());

    // The example states the 3/4 values the beat rule gives.
    const QString example = QString::fromStdString(beats.lines[10] + ' ' + beats.lines[11] + ' ' + beats.lines[12]);
    for (NoteValue v : {NoteValue::Quarter, NoteValue::Eighth, NoteValue::Sixteenth, NoteValue::Half, NoteValue::Whole}) {
        const QString count = QString::fromStdString(music::beats(v, 4));
        const QRegularExpression says(valueName(v) + QStringLiteral(" note( gets)? ") + QRegularExpression::escape(count)
                                      + QStringLiteral(" beat"));
        QVERIFY2(example.contains(says), qPrintable(valueName(v) + " should get " + count + ": " + example));
    }

    // The dot rule, one phrase per line.
    const Element& dot = *boxes[3];
    QCOMPARE(dot.box, (Rect{21, 193, 116, 80}));
    QVERIFY(dot.readOnly && !dot.verticalScrollBar);
    QCOMPARE(dot.border, Border::None);
    QCOMPARE(dot.colour, std::optional(rgb(0xFFCEFF)));
    QVERIFY(dot.ownFont && *dot.ownFont == arial(13).in(purple));
    QCOMPARE(dot.lines, (std::vector<std::string>{"If any note has a", "dot after it, then", "give it as many",
                                                  "beats as the note,", "plus half as many."}));
}

void TestBeats::labelsHaveTheirStoredSizes_data()
{
    QTest::addColumn<int>("sheet");  // 0: the Beats page
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("w");
    QTest::addColumn<int>("h");
    const char* headings =
        "Sixteenth            Eighth                 Quarter                     Half                Whole";
    const char* banner = "------------------Length of Sound------------------";
    const char* instruction = "In the boxes provided tell how many beats the note gets if it has a";
    //                                 sheet    x    y    caption              w     h
    QTest::newRow("Rests")           << 0 <<   1 <<  79 << "Rests"           <<  63 << 31;
    QTest::newRow("Notes")           << 0 <<   1 << 143 << "Notes"           <<  66 << 31;
    QTest::newRow("column heads")    << 0 <<  56 <<  35 << headings          << 495 << 19;
    QTest::newRow("banner")          << 0 << 114 << 191 << banner            << 400 << 24;
    QTest::newRow("eighth 1")        << 0 << 154 << 215 << "twice as long"   <<  76 << 16;
    QTest::newRow("eighth 2")        << 0 << 153 << 230 << "and twice as"    <<  73 << 16;
    QTest::newRow("eighth 3")        << 0 << 154 << 245 << "many beats"      <<  68 << 16;
    QTest::newRow("eighth 4")        << 0 << 153 << 259 << "as sixteenth"    <<  71 << 16;
    QTest::newRow("quarter 1")       << 0 << 268 << 215 << "twice as long"   <<  76 << 16;
    QTest::newRow("quarter 2")       << 0 << 267 << 230 << "and twice as"    <<  73 << 16;
    QTest::newRow("quarter 3")       << 0 << 268 << 245 << "many beats"      <<  68 << 16;
    QTest::newRow("quarter 4")       << 0 << 268 << 260 << "as eigth"        <<  46 << 16;
    QTest::newRow("half 1")          << 0 << 386 << 213 << "twice as long"   <<  76 << 16;
    QTest::newRow("half 2")          << 0 << 386 << 228 << "and twice as"    <<  73 << 16;
    QTest::newRow("half 3")          << 0 << 386 << 244 << "many beats"      <<  68 << 16;
    QTest::newRow("half 4")          << 0 << 386 << 260 << "as quarter"      <<  58 << 16;
    QTest::newRow("whole 1")         << 0 << 500 << 212 << "twice as long"   <<  76 << 16;
    QTest::newRow("whole 2")         << 0 << 499 << 228 << "and twice as"    <<  73 << 16;
    QTest::newRow("whole 3")         << 0 << 500 << 244 << "many beats"      <<  68 << 16;
    QTest::newRow("whole 4")         << 0 << 500 << 260 << "as half"         <<  38 << 16;
    QTest::newRow("Time signature.") << 0 << 141 << 275 << "Time signature." << 104 << 19;
    QTest::newRow("Treble Clef")     << 0 << 106 << 456 << "Treble Clef"     <<  75 << 17;
    QTest::newRow("Bass Clef")       << 0 << 118 << 504 << "Bass Clef"       <<  63 << 17;
    QTest::newRow("first Bar")       << 0 << 305 << 445 << "Bar"             <<  24 << 17;
    QTest::newRow("second Bar")      << 0 << 437 << 444 << "Bar"             <<  24 << 17;
    QTest::newRow("Measure")         << 0 << 358 << 460 << "Measure"         <<  59 << 17;
    for (int sheet = 1; sheet <= 3; ++sheet) {
        QTest::addRow("sheet %d instruction", sheet) << sheet << 37 << 2 << instruction << 462 << 18;
        QTest::addRow("sheet %d closing", sheet) << sheet << 517 << 4 << "time signature." << 105 << 18;
        QTest::addRow("sheet %d top digit", sheet) << sheet << 504 << 0 << QString() << 7 << 16;
        QTest::addRow("sheet %d bottom digit", sheet) << sheet << 504 << 15 << QString() << 7 << 16;
        QTest::addRow("sheet %d key cover", sheet) << sheet << 64 << 24 << "Answers" << 65 << 21;
    }
}

// Labels are sized to their text; the page and sheets were laid out with these
// sizes, so each label's font must give them. A label with no font of its own
// takes the lesson book's white bold Times New Roman 16 px. Every label of the
// page is in the table.
void TestBeats::labelsHaveTheirStoredSizes()
{
    QFETCH(int, sheet);
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(QString, caption);
    QFETCH(int, w);
    QFETCH(int, h);
    const WindowDef window = workpages::Tsbbs();
    const Elements elements = sheet > 0 ? sheetOf(window, sheet) : lessons::beatsPage();

    std::vector<const Element*> found;
    forEachElement(elements, [&](const Element& e) {
        if (e.kind == Kind::Label && e.box.x == x && e.box.y == y)
            found.push_back(&e);
    });
    QCOMPARE(found.size(), std::size_t(1));
    const Element& label = *found[0];
    if (!caption.isEmpty())
        QCOMPARE(QString::fromStdString(label.caption), caption);
    const Font font = label.ownFont ? *label.ownFont : tnr(16).bolded().in(white);
    QCOMPARE(textWidth(font, label.caption), w);
    QCOMPARE(lineHeight(font), h);

    if (sheet == 0 && QTest::currentDataTag() == QLatin1String("Rests")) {
        int labels = 0;
        for (const Element& e : elements)
            labels += e.kind == Kind::Label;
        QCOMPARE(labels, 26);  // the rows of the table above
    }
}

// ------------------------------------------------------------------ live windows

void TestBeats::initTestCase()
{
    windows_ = std::make_unique<app::WindowSet>();
}

// Opened from the Beats page (by the part of its button the beats text leaves
// uncovered), the worksheet keeps what was typed on a sheet across changes of
// sheet and across closing and showing it again.
void TestBeats::typedAnswersStay()
{
    ui::PageWindow* book = windows_->lessonBook();
    ui::PageWindow* sbbs = windows_->window("sbbs");
    QVERIFY(sbbs);
    book->showWindow();
    QVERIFY(QTest::qWaitForWindowExposed(book));
    auto* tabs = child<ui::Notebook>(book, QStringLiteral("LessonTabs"));
    clickTab(tabs, 2);
    QCOMPARE(tabs->currentIndex(), 2);
    auto* open = child<QPushButton>(book, QStringLiteral("BitBtn25"));
    QVERIFY(open->isVisible());
    QTest::mouseClick(open, Qt::LeftButton, {}, QPoint(open->width() / 2, open->height() - 5));
    QVERIFY(sbbs->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(sbbs));

    auto* sheets = child<ui::Notebook>(sbbs, QStringLiteral("Sheets"));
    QCOMPARE(sheets->currentIndex(), 0);
    clickTab(sheets, 2);
    auto* field = child<QLineEdit>(sbbs, QStringLiteral("s3answer4"));
    QVERIFY(field->isVisible());
    QTest::mouseClick(field, Qt::LeftButton);
    QTest::keyClicks(field, QStringLiteral("1/2 beat"));  // longer than the field shows
    QCOMPARE(field->text(), QStringLiteral("1/2 beat"));

    clickTab(sheets, 0);
    QVERIFY(!field->isVisible());
    QCOMPARE(child<QLineEdit>(sbbs, QStringLiteral("s1answer4"))->text(), QString());
    clickTab(sheets, 1);
    clickTab(sheets, 2);
    QVERIFY(field->isVisible());
    QCOMPARE(field->text(), QStringLiteral("1/2 beat"));

    sbbs->close();
    QVERIFY(!sbbs->isVisible());
    QTest::mouseClick(open, Qt::LeftButton, {}, QPoint(open->width() / 2, open->height() - 5));
    QVERIFY(sbbs->isVisible());
    QCOMPARE(sheets->currentIndex(), 2);
    QCOMPARE(field->text(), QStringLiteral("1/2 beat"));

    field->clear();
    sheets->select(0);
    sbbs->hide();
}

void TestBeats::answersUncoverOneSheetOnly_data() { tabVisitsFieldsThenKey_data(); }

// "Answers" on one sheet leaves the other sheets' keys on "Cover", and stays
// uncovered while another sheet is shown.
void TestBeats::answersUncoverOneSheetOnly()
{
    QFETCH(int, sheet);
    ui::PageWindow* w = windows_->window("sbbs");
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
    clickTab(sheets, sheet % 3);
    clickTab(sheets, sheet - 1);
    QCOMPARE(key->currentIndex(), 1);
    key->select(0);
    sheets->select(0);
    w->hide();
}

void TestBeats::tabVisitsFieldsThenKey_data()
{
    QTest::addColumn<int>("sheet");
    for (int sheet = 1; sheet <= 3; ++sheet)
        QTest::addRow("sheet %d", sheet) << sheet;
}

// From the first field of a sheet, Tab visits the fields in reading order, then the key.
void TestBeats::tabVisitsFieldsThenKey()
{
    QFETCH(int, sheet);
    ui::PageWindow* w = windows_->window("sbbs");
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
    QVERIFY(keyOnSheet(w, sheet - 1)->isAncestorOf(QApplication::focusWidget()));
    // The window stays shown: the offscreen platform does not activate a
    // window again once it has been hidden while active.
    sheets->select(0);
}

// The beats text is taller than its box; its scroll bar reaches the last line.
void TestBeats::beatsTextScrollsToItsEnd()
{
    ui::PageWindow* book = windows_->lessonBook();
    book->showWindow();
    QVERIFY(QTest::qWaitForWindowExposed(book));
    ui::applyState(book, {.page = 3});
    ui::TextBox* beats = nullptr;
    for (ui::TextBox* t : book->findChildren<ui::TextBox*>())
        if (t->toPlainText().contains(QStringLiteral("When the time signature has a bottom number of:")))
            beats = t;
    QVERIFY(beats);
    QScrollBar* bar = beats->verticalScrollBar();
    QVERIFY(bar->isVisible());
    QVERIFY(bar->maximum() > 0);
    bar->setValue(bar->maximum());
    const QRect last = beats->cursorRect(QTextCursor(beats->document()->lastBlock()));
    QVERIFY(beats->viewport()->rect().contains(last));
    bar->setValue(0);
}

// ----------------------------------------------------------------------- pictures

void TestBeats::pictures_data()
{
    QTest::addColumn<QString>("instance");
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("sheet");
    QTest::addColumn<bool>("answers");
    QTest::addColumn<QString>("golden");
    QTest::newRow("Beats page") << "LessonBook" << 3 << 0 << false << "beats-LessonBook-page03";
    for (int sheet = 1; sheet <= 3; ++sheet) {
        const QString name = QStringLiteral("beats-sbbs-sheet%1").arg(sheet);
        QTest::addRow("sheet %d", sheet) << "sbbs" << 0 << sheet << false << name;
        QTest::addRow("sheet %d answers", sheet) << "sbbs" << 0 << sheet << true << name + QStringLiteral("-answers");
    }
}

void TestBeats::pictures()
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

// The two captions over the chart are editable and keep what is typed; the
// page's other text boxes are read-only. Runs after the pictures, as typing
// may scroll a caption's 19-px line within its 17-px box.
void TestBeats::onlyTheCaptionsTakeTyping()
{
    ui::PageWindow* book = windows_->lessonBook();
    book->showWindow();
    QVERIFY(QTest::qWaitForWindowExposed(book));
    ui::applyState(book, {.page = 3});
    const auto boxStarting = [book](const QString& start) -> ui::TextBox* {
        for (ui::TextBox* t : book->findChildren<ui::TextBox*>())
            if (t->isVisible() && t->toPlainText().startsWith(start))
                return t;
        return nullptr;
    };
    ui::TextBox* rows = boxStarting(QStringLiteral("The top row is rests"));
    ui::TextBox* dot = boxStarting(QStringLiteral("If any note has a"));
    QVERIFY(rows && dot);

    QTest::mouseClick(rows->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::keyClick(rows, Qt::Key_End);
    QTest::keyClicks(rows, QStringLiteral(" Yes!"));
    QCOMPARE(rows->toPlainText(), QStringLiteral("The top row is rests the bottom row is notes. Yes!"));
    ui::applyState(book, {.page = 4});
    ui::applyState(book, {.page = 3});
    QCOMPARE(rows->toPlainText(), QStringLiteral("The top row is rests the bottom row is notes. Yes!"));

    const QString rule = dot->toPlainText();
    QTest::mouseClick(dot->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::keyClicks(dot, QStringLiteral("no"));
    QTest::keyClick(dot, Qt::Key_Backspace);
    QCOMPARE(dot->toPlainText(), rule);
}

LYRABEL_TEST_MAIN(TestBeats)
#include "test_beats.moc"
