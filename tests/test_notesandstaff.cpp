// Corvalle Lyrabel — the Notes and Staff page and worksheet, read back from
// their element data and checked against the staff-letter and glyph rules.
//
// Sections: reading element data · lesson page · worksheet · label sizes ·
//           live windows · pictures
//
// Notes are read from the built element lists: a note is a circle head, and
// the shapes declared right after a run of heads are their stem and flags.
// A head's letter comes from its box's vertical centre on the grand-staff
// picture it stands on.
#include "support.h"

#include "app/windowset.h"
#include "diagrams/glyphs.h"
#include "diagrams/musicrules.h"
#include "diagrams/staff.h"
#include "lessons/notesandstaffpage.h"
#include "ui/widgets.h"
#include "workpages/notesandstaffworkpage.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextEdit>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

using testing::child;
using testing::clickTab;
using testing::keyOnSheet;

using namespace ui;
using music::Clef;
using music::NoteValue;

namespace {

// ------------------------------------------------------- reading element data

bool isHead(const Element& e) { return e.kind == Kind::Shape && e.form == ShapeForm::Circle; }
// Stems and flags: black rectangles with a 1-px black outline.
bool isRectangle(const Element& e) { return e.kind == Kind::Shape && e.form == ShapeForm::Rectangle; }
bool isPart(const Element& e)
{
    return e.kind == Kind::Shape && e.form == ShapeForm::Rectangle && e.outline == black && e.outlineWidth == 1;
}
int bottom(Rect r) { return r.y + r.h - 1; }
int right(Rect r) { return r.x + r.w - 1; }
bool overlaps(Rect a, Rect b) { return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h; }

// Heads declared one after another, then the rectangles declared right after
// them: the stem first, then any flags.
struct Glyph {
    std::vector<Rect> heads;
    std::vector<const Element*> headElements;
    std::vector<const Element*> parts;
};

// Groups heads of `size` and what follows them; with `single`, every head is its own glyph.
std::vector<Glyph> glyphsOf(const Elements& elements, int w, int h, bool single)
{
    std::vector<Glyph> out;
    bool open = false;
    for (const Element& e : elements) {
        if (isHead(e) && e.box.w == w && e.box.h == h) {
            if (!open || single || !out.back().parts.empty())
                out.push_back({});
            out.back().heads.push_back(e.box);
            out.back().headElements.push_back(&e);
            open = true;
        } else if (open && isPart(e)) {
            out.back().parts.push_back(&e);
        } else {
            open = false;
        }
    }
    return out;
}

QString where(Rect r) { return QStringLiteral("head at (%1, %2)").arg(r.x).arg(r.y); }

// Which staff of the picture whose top is `top` a head stands on: the gap
// between the staffs (rows 46 to 77) splits them.
Clef clefAt(int top, Rect head) { return diagrams::headCentreY(head) < top + 62 ? Clef::Treble : Clef::Bass; }

// Staff position a head's centre lies on, within a pixel; -1 if none.
int positionOf(int pictureTop, Rect head)
{
    return diagrams::grandStaffPosition(clefAt(pictureTop, head), pictureTop, diagrams::headCentreY(head), 1.0);
}

std::vector<const Element*> ofKind(const Elements& elements, Kind kind)
{
    std::vector<const Element*> out;
    for (const Element& e : elements)
        if (e.kind == kind)
            out.push_back(&e);
    return out;
}

const Element* labelWith(const Elements& elements, const std::string& caption)
{
    for (const Element& e : elements)
        if (e.kind == Kind::Label && e.caption == caption)
            return &e;
    return nullptr;
}

// A label's box: labels are sized from their text when built.
Rect labelBox(const Element& e, const Font& inherited)
{
    const Font f = e.ownFont.value_or(inherited);
    return {e.box.x, e.box.y, textWidth(f, e.caption), lineHeight(f)};
}

NoteValue valueOf(bool filled, bool stem, int flags)
{
    if (!filled)
        return stem ? NoteValue::Half : NoteValue::Whole;
    return flags == 2 ? NoteValue::Sixteenth : flags == 1 ? NoteValue::Eighth : NoteValue::Quarter;
}

const char* valueName(NoteValue v)
{
    switch (v) {
    case NoteValue::Whole: return "Whole";
    case NoteValue::Half: return "Half";
    case NoteValue::Quarter: return "Quarter";
    case NoteValue::Eighth: return "Eighth";
    case NoteValue::Sixteenth: return "Sixteenth";
    }
    return "";
}

// The worksheet's staff pictures, in declaration order.
std::vector<Rect> picturesOf(const Elements& elements)
{
    std::vector<Rect> out;
    for (const Element* e : ofKind(elements, Kind::Picture))
        out.push_back(e->box);
    return out;
}

bool holds(Rect picture, Rect head)
{
    const double cx = head.x + head.w / 2.0, cy = diagrams::headCentreY(head);
    return cx >= picture.x && cx < picture.x + picture.w && cy >= picture.y && cy < picture.y + picture.h;
}

// The letters a voice sings on one picture, left to right, with the sharp of
// a "#" label standing just right of the head and level with it.
QString voiceOn(const Elements& elements, Rect picture, const QString& voice, const Font& windowFont)
{
    const bool upper = voice == QLatin1String("soprano") || voice == QLatin1String("tenor");
    const Clef clef = voice == QLatin1String("soprano") || voice == QLatin1String("alto") ? Clef::Treble : Clef::Bass;
    std::vector<Rect> heads;
    for (const Glyph& g : glyphsOf(elements, 12, 10, false)) {
        if (g.heads.size() != 2 || !holds(picture, g.heads[0]) || clefAt(picture.y, g.heads[0]) != clef)
            continue;
        const auto byY = std::minmax(g.heads[0], g.heads[1], [](Rect a, Rect b) { return a.y < b.y; });
        heads.push_back(upper ? byY.first : byY.second);
    }
    std::sort(heads.begin(), heads.end(), [](Rect a, Rect b) { return a.x < b.x; });
    QStringList letters;
    for (Rect head : heads) {
        const int p = positionOf(picture.y, head);
        QString letter = p < 0 ? QStringLiteral("?") : QString(QChar(music::staffLetter(clef, p)));
        for (const Element& e : elements) {
            if (e.kind != Kind::Label || e.caption != "#")
                continue;
            const Rect sign = labelBox(e, windowFont);
            const int gap = sign.x - right(head);
            if (gap > 0 && gap <= 8 && sign.y <= bottom(head) && bottom(sign) >= head.y)
                letter += u'#';
        }
        letters << letter;
    }
    return letters.join(u' ');
}

// "tenor notes answer: C D C C F      soprano notes answer: ..." → voice → letters.
std::map<QString, QString> keyAnswers(const std::vector<std::string>& lines)
{
    static const QRegularExpression half(QStringLiteral("(\\w+) notes answer: (\\S+(?: \\S+)*)"));
    std::map<QString, QString> out;
    for (const std::string& line : lines) {
        auto it = half.globalMatch(QString::fromStdString(line));
        while (it.hasNext()) {
            const QRegularExpressionMatch m = it.next();
            out[m.captured(1)] = m.captured(2);
        }
    }
    return out;
}

const Element* findNamed(const Elements& elements, const std::string& name)
{
    for (const Element& e : elements)
        if (e.name == name)
            return &e;
    return nullptr;
}

std::vector<std::string> keyLines(const WindowDef& w)
{
    const Element* key = findNamed(w.elements, "AnswerKey");
    if (!key || key->children.size() != 2)
        return {};
    for (const Element& e : key->children[1].children)
        if (e.kind == Kind::TextBox)
            return e.lines;
    return {};
}

}  // namespace

class TestNotesAndStaff : public QObject {
    Q_OBJECT

private slots:
    // lesson page
    void pageChordLettersFollowTheStaffRule_data();
    void pageChordLettersFollowTheStaffRule();
    void pageChordStemsAndFlags();
    void pageChartFollowsTheLessonNotes();
    void pageDrawingOrderAndText();

    // worksheet
    void worksheetFrame();
    void worksheetAnswersFollowTheNotes_data();
    void worksheetAnswersFollowTheNotes();
    void worksheetGlyphsFollowTheirRules();
    void worksheetExcerptACopiesMatch();
    void worksheetChordsReadAsWritten_data();
    void worksheetChordsReadAsWritten();

    void labelsHaveTheirStoredSizes_data();
    void labelsHaveTheirStoredSizes();

    // live windows
    void initTestCase();
    void typedAnswersSurviveHidingTheWindow();
    void tabOrderAndAnswerKey();
    void pictures_data();
    void pictures();

private:
    std::unique_ptr<app::WindowSet> windows_;
};

// ----------------------------------------------------------------- lesson page

void TestNotesAndStaff::pageChordLettersFollowTheStaffRule_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("filled");
    QTest::addColumn<QString>("voices");  // soprano alto tenor bass; "-" for a head on no line or space
    QTest::newRow("eighth") << "Eighth notes" << true  << "E A - C";
    QTest::newRow("half")   << "Half notes"   << false << "C F G C";
    QTest::newRow("whole")  << "Whole notes"  << false << "C F F B";
}

// The four heads under each chord caption, top to bottom, read the voices'
// letters on the staff picture. The eighth chord's tenor sits 2.5 px above the
// bass staff's top line, on no line or space.
void TestNotesAndStaff::pageChordLettersFollowTheStaffRule()
{
    QFETCH(QString, caption);
    QFETCH(bool, filled);
    QFETCH(QString, voices);
    const Elements page = lessons::notesAndStaffPage();
    const std::vector<const Element*> pictures = ofKind(page, Kind::Picture);
    QCOMPARE(pictures.size(), std::size_t(1));
    const Element& picture = *pictures[0];
    QCOMPARE(picture.image, std::string(diagrams::grandStaffImage(diagrams::GrandStaffVariant::Plain)));
    QVERIFY(!picture.stretch);
    const int top = picture.box.y;

    const Element* label = labelWith(page, caption.toStdString());
    QVERIFY(label);
    const Rect captionBox = labelBox(*label, tnr(16));
    std::vector<const Element*> heads;
    for (const Element& e : page)
        if (isHead(e) && e.box.w == 13 && e.box.x >= captionBox.x && right(e.box) <= right(captionBox))
            heads.push_back(&e);
    std::sort(heads.begin(), heads.end(), [](const Element* a, const Element* b) { return a->box.y < b->box.y; });
    QCOMPARE(heads.size(), std::size_t(4));

    QStringList read;
    for (const Element* h : heads) {
        QCOMPARE(h->box.h, 11);
        QCOMPARE(h->fill, filled ? black : white);
        QVERIFY2(bottom(captionBox) < h->box.y, qPrintable(caption + " is not above " + where(h->box)));
        const int p = positionOf(top, h->box);
        read << (p < 0 ? QStringLiteral("-") : QString(QChar(music::staffLetter(clefAt(top, h->box), p))));
        if (p < 0) {
            const double above = diagrams::grandStaffY(Clef::Bass, 8, top) - diagrams::headCentreY(h->box);
            QCOMPARE(above, 2.5);
        }
    }
    QCOMPARE(read.join(u' '), voices);
    // Soprano and alto on the treble staff, tenor and bass on the bass staff.
    QCOMPARE(clefAt(top, heads[1]->box), Clef::Treble);
    QCOMPARE(clefAt(top, heads[2]->box), Clef::Bass);
}

// Each stemmed pair shares one 2-px stem at the heads' right, through both
// heads; the eighth chord's flags (21×7) hang right from its stems' lower ends.
void TestNotesAndStaff::pageChordStemsAndFlags()
{
    const Elements page = lessons::notesAndStaffPage();
    std::vector<Rect> stems;
    for (const Glyph& g : glyphsOf(page, 13, 11, false)) {
        if (g.parts.empty()) {
            QCOMPARE(g.heads.size(), std::size_t(4));  // the whole-note chord
            continue;
        }
        QCOMPARE(g.heads.size(), std::size_t(2));
        QCOMPARE(g.parts.size(), std::size_t(1));
        const Rect stem = g.parts[0]->box;
        const auto [upper, lower] = std::minmax(g.heads[0], g.heads[1], [](Rect a, Rect b) { return a.y < b.y; });
        QCOMPARE(stem.w, 2);
        QCOMPARE(g.parts[0]->outline, black);
        const int circleRight = right(upper) - (13 - 11) / 2;
        QVERIFY2(stem.x >= circleRight && stem.x <= circleRight + 1, qPrintable(where(upper) + ": stem not at its right"));
        QVERIFY2(stem.y <= bottom(upper) && bottom(stem) >= lower.y, qPrintable(where(upper) + ": stem misses a head"));
        QVERIFY(stem.h >= 45 && stem.h <= 48);
        stems.push_back(stem);
    }
    QCOMPARE(stems.size(), std::size_t(4));

    int flags = 0;
    for (const Element& e : page) {
        if (!(isPart(e) && e.box.w == 21 && e.box.h == 7))
            continue;
        ++flags;
        QCOMPARE(e.fill, black);
        QCOMPARE(e.outline, black);
        const auto stem = std::find_if(stems.begin(), stems.end(), [&e](Rect s) {
            return std::abs(e.box.x - s.x) <= 1 && e.box.y <= bottom(s) && bottom(e.box) >= bottom(s);
        });
        QVERIFY2(stem != stems.end(), qPrintable(QStringLiteral("flag at (%1, %2) is at no stem's end").arg(e.box.x).arg(e.box.y)));
        QVERIFY(bottom(e.box) - bottom(*stem) <= 3);
        QVERIFY(stem->y < e.box.y);  // the stem hangs down to its flag
    }
    QCOMPARE(flags, 2);
}

// The chart: five columns between the fuchsia dividers, each headed by the
// value it draws, with one stem-up and one stem-down note. Each note follows
// the lesson notes' construction: head 25×25 filled or hollow by value, a 1-px
// stem of the lesson stem's length at the head's right edge, and the value's
// flags, 25×9, reaching right from the stem's far end.
void TestNotesAndStaff::pageChartFollowsTheLessonNotes()
{
    const Elements page = lessons::notesAndStaffPage();
    std::vector<int> dividers;
    for (const Element& e : page)
        if (isRectangle(e) && e.box.w == 2 && e.box.h == 184 && e.outline == fuchsia)
            dividers.push_back(e.box.x);
    QCOMPARE(dividers.size(), std::size_t(4));
    const auto column = [&dividers](double x) {
        return static_cast<int>(std::count_if(dividers.begin(), dividers.end(), [x](int d) { return d < x; }));
    };

    // Column headings: the words of the one heading label, placed by their text widths.
    const Element* heading = labelWith(page, "Sixteenth            Eighth                 Quarter                     Half                Whole");
    QVERIFY(heading);
    std::map<int, QString> headingOf;
    const Font headingFont = *heading->ownFont;
    int offset = 0;
    for (const QString& piece : QString::fromStdString(heading->caption).split(u' ')) {
        if (!piece.isEmpty()) {
            const int w = textWidth(headingFont, piece.toStdString());
            headingOf[column(heading->box.x + offset + w / 2.0)] = piece;
            offset += w;
        }
        offset += textWidth(headingFont, " ");
    }
    QCOMPARE(headingOf.size(), std::size_t(5));

    std::map<int, int> upCount, downCount;
    for (const Glyph& g : glyphsOf(page, 25, 25, true)) {
        const Rect head = g.heads[0];
        const Element& h = *g.headElements[0];
        QCOMPARE(h.outline, black);
        QCOMPARE(h.outlineWidth, 1);
        QCOMPARE(h.fillStyle, FillStyle::Solid);
        const bool filled = h.fill == black;
        QVERIFY(filled || h.fill == white);
        const bool stemUp = head.y < 100;  // the upper row
        (stemUp ? upCount : downCount)[column(head.x + 12.5)]++;
        const NoteValue value = valueOf(filled, !g.parts.empty(), std::max(0, int(g.parts.size()) - 1));
        QCOMPARE(QString(valueName(value)), headingOf[column(head.x + 12.5)]);
        if (g.parts.empty())
            continue;

        // The lesson notes' stem length for this value.
        const Elements lesson = diagrams::lessonNote(value, 0, 0);
        const Rect stem = g.parts[0]->box;
        QCOMPARE(stem.w, 1);
        QCOMPARE(stem.h, lesson[1].box.h);
        QVERIFY2(stem.x - head.x >= 23 && stem.x - head.x <= 25, qPrintable(where(head) + ": stem not at the right edge"));
        if (stemUp) {
            QVERIFY2(stem.y < head.y && bottom(stem) >= head.y + 8 && bottom(stem) < bottom(head),
                     qPrintable(where(head) + ": up stem does not rise from the head"));
        } else {
            QVERIFY2(stem.y - head.y >= 7 && stem.y - head.y <= 12, qPrintable(where(head) + ": down stem start"));
        }
        const int flags = int(g.parts.size()) - 1;
        QCOMPARE(flags, diagrams::flagCount(value));
        for (int f = 0; f < flags; ++f) {
            const Rect flag = g.parts[1 + f]->box;
            QCOMPARE(g.parts[1 + f]->fill, black);
            QCOMPARE(flag.w, 25);
            QCOMPARE(flag.h, 9);
            QVERIFY(flag.x == stem.x || flag.x == stem.x + 1);
            // The first flag sits at the stem's far end, the second 15 or 16 px nearer the head.
            const int end = stemUp ? std::abs(flag.y - stem.y) : std::abs(bottom(flag) - bottom(stem));
            if (f == 0)
                QVERIFY2(end <= 5, qPrintable(where(head) + ": first flag not at the stem's end"));
            else {
                const int drop = stemUp ? flag.y - g.parts[1]->box.y : g.parts[1]->box.y - flag.y;
                QVERIFY2(drop == 15 || drop == 16, qPrintable(where(head) + ": second flag"));
            }
        }
    }
    for (int c = 0; c < 5; ++c) {
        QCOMPARE(upCount[c], 1);
        QCOMPARE(downCount[c], 1);
    }
}

// The two text boxes and the button lie above every drawn element; every
// stored line of the text boxes fits its box's width, so no paragraph wraps
// and all lines show. The grand staff picture is the plain variant, not stretched.
void TestNotesAndStaff::pageDrawingOrderAndText()
{
    const Elements page = lessons::notesAndStaffPage();
    std::vector<Kind> windowKinds;
    for (const Element& e : page)
        if (!isDrawn(e.kind))
            windowKinds.push_back(e.kind);
    QCOMPARE(windowKinds, (std::vector<Kind>{Kind::TextBox, Kind::Button, Kind::TextBox}));
    const Element* button = findNamed(page, "BitBtn36");
    QVERIFY(button);
    QCOMPARE(button->box, (Rect{252, 406, 84, 23}));

    for (const Element* box : ofKind(page, Kind::TextBox)) {
        QVERIFY(box->readOnly);
        QCOMPARE(box->border, Border::None);
        QVERIFY(box->ownFont);
        QVERIFY(int(box->lines.size()) * lineHeight(*box->ownFont) <= box->box.h);
        for (const std::string& line : box->lines)
            QVERIFY2(textWidth(*box->ownFont, line) <= box->box.w, line.c_str());
    }
    const std::vector<const Element*> boxes = ofKind(page, Kind::TextBox);
    QCOMPARE(boxes[0]->lines.back(), std::string("NOTE THAT: The Soprano note is the melody note."));
    // The flag note's frame lies on the page background, left of the main box's border.
    const Element* frame = nullptr;
    for (const Element& e : page)
        if (isRectangle(e) && e.outline == fuchsia && e.outlineWidth == 2)
            frame = &e;
    QVERIFY(frame);
    QVERIFY(frame->box.x < 16);
    QVERIFY(overlaps(frame->box, boxes[1]->box));
}

// ------------------------------------------------------------------- worksheet

void TestNotesAndStaff::worksheetFrame()
{
    const WindowDef w = workpages::Tnsawp();
    QCOMPARE(QString::fromStdString(w.className), QStringLiteral("Tnsawp"));
    QCOMPARE(QString::fromStdString(w.instance), QStringLiteral("nsawp"));
    QCOMPARE(QString::fromStdString(w.title), QStringLiteral("Notes and Staff Workpage"));
    QCOMPARE(w.printScaling, PrintScaling::FitToPage);

    // Window elements in the order Tab visits them: Print, the four fields, the key.
    std::vector<const Element*> windowElements;
    for (const Element& e : w.elements)
        if (!isDrawn(e.kind))
            windowElements.push_back(&e);
    QCOMPARE(windowElements.size(), std::size_t(6));
    QCOMPARE(windowElements[0]->name, std::string("BitBtn1"));
    QCOMPARE(windowElements[0]->box, (Rect{0, -1, 40, 25}));
    QVERIFY(windowElements[0]->ownFont->bold);
    for (int i = 1; i <= 4; ++i) {
        const Element& field = *windowElements[i];
        QCOMPARE(field.kind, Kind::Edit);
        QCOMPARE(field.box.w, 300);
        QCOMPARE(field.box.h, 26);
        QCOMPARE(*field.ownFont, arial(16).in(black));
        QVERIFY(field.caption.empty());
        QCOMPARE(field.tabPosition, -1);
    }
    const Element& key = *windowElements[5];
    QCOMPARE(key.name, std::string("AnswerKey"));
    QCOMPARE(key.box, (Rect{1, 370, 625, 66}));
    QCOMPARE(keyLines(w).size(), std::size_t(2));
    for (const Element* e : windowElements)
        if (e != &key)
            QVERIFY(!overlaps(e->box, key.box));
}

void TestNotesAndStaff::worksheetAnswersFollowTheNotes_data()
{
    QTest::addColumn<QString>("voice");
    QTest::addColumn<int>("picture");  // declaration order of the pictures: A1, B1, A2, B2
    QTest::newRow("tenor")   << "tenor"   << 0;
    QTest::newRow("soprano") << "soprano" << 1;
    QTest::newRow("alto")    << "alto"    << 2;
    QTest::newRow("bass")    << "bass"    << 3;
}

// The question under each picture names a voice; that voice's notes on the
// picture, read by the staff rule from their head boxes, are the key's answer
// for the voice. Each question stands over its answer field.
void TestNotesAndStaff::worksheetAnswersFollowTheNotes()
{
    QFETCH(QString, voice);
    QFETCH(int, picture);
    const WindowDef w = workpages::Tnsawp();
    const std::vector<Rect> pictures = picturesOf(w.elements);
    QCOMPARE(pictures.size(), std::size_t(4));
    const Rect box = pictures[static_cast<std::size_t>(picture)];

    const Element* question = labelWith(w.elements, "What are the " + voice.toStdString() + " notes?");
    QVERIFY(question);
    const Rect q = labelBox(*question, w.font);
    const int gap = q.y - (box.y + box.h);
    QVERIFY2(gap >= 0 && gap <= 6 && q.x >= box.x && right(q) <= right(box), "the question is not under its picture");
    const auto fields = ofKind(w.elements, Kind::Edit);
    const auto field = std::find_if(fields.begin(), fields.end(), [&q](const Element* f) {
        return std::abs(f->box.y - bottom(q)) <= 4 && f->box.x < right(q) && right(f->box) > q.x;
    });
    QVERIFY2(field != fields.end(), "no answer field under the question");

    // Every head of the picture stands on a line or space, within a pixel.
    for (const Glyph& g : glyphsOf(w.elements, 12, 10, false))
        for (Rect head : g.heads)
            if (holds(box, head))
                QVERIFY2(positionOf(box.y, head) >= 0, qPrintable(where(head) + " is on no line or space"));

    const std::map<QString, QString> key = keyAnswers(keyLines(w));
    QCOMPARE(key.size(), std::size_t(4));
    QVERIFY(key.count(voice));
    QCOMPARE(voiceOn(w.elements, box, voice, w.font), key.at(voice));
}

// Heads are 12×10 circles in pairs sharing a 1×47 stem at head left + 11: an up
// stem ends on the lower head's bottom row, a down stem starts on the upper
// head's top row; the last chord of picture B1 has its stems at head left + 13
// through both heads. Half notes are hollow; an eighth carries one 16×6 flag
// at its stem's free end, kept at the window's top edge where the stem runs
// above it. Every chord stands between the clefs and the second bar line.
void TestNotesAndStaff::worksheetGlyphsFollowTheirRules()
{
    const WindowDef w = workpages::Tnsawp();
    const std::vector<Rect> pictures = picturesOf(w.elements);
    const std::vector<Glyph> glyphs = glyphsOf(w.elements, 12, 10, false);
    int heads = 0, flags = 0, cutFlags = 0, through = 0;
    for (const Glyph& g : glyphs) {
        QCOMPARE(g.heads.size(), std::size_t(2));
        heads += 2;
        const Rect first = g.heads[0];
        const auto picture = std::find_if(pictures.begin(), pictures.end(), [&first](Rect p) { return holds(p, first); });
        QVERIFY2(picture != pictures.end(), qPrintable(where(first) + " is on no picture"));
        QVERIFY(holds(*picture, g.heads[1]));
        QCOMPARE(clefAt(picture->y, g.heads[1]), clefAt(picture->y, first));
        QCOMPARE(g.heads[1].x, first.x);
        const auto [upper, lower] = std::minmax(g.heads[0], g.heads[1], [](Rect a, Rect b) { return a.y < b.y; });
        QVERIFY(upper.y < lower.y);
        QCOMPARE(g.headElements[0]->fill, g.headElements[1]->fill);

        QVERIFY(!g.parts.empty());
        const Rect stem = g.parts[0]->box;
        QCOMPARE(stem.w, 1);
        QCOMPARE(stem.h, 47);
        const bool isThrough = stem.x == first.x + 13;
        if (isThrough) {
            ++through;
            QCOMPARE(stem.y, upper.y - 9);
            QVERIFY(bottom(stem) > bottom(lower));
        } else {
            QCOMPARE(stem.x, first.x + 11);
            QVERIFY2(bottom(stem) == bottom(lower) || stem.y == upper.y, qPrintable(where(first) + ": stem neither up nor down"));
        }
        const bool up = !isThrough && bottom(stem) == bottom(lower);
        QVERIFY2(first.x - picture->x > 36 && right(stem) - picture->x < 304,
                 qPrintable(where(first) + " is not inside the picture's two measures"));

        const bool filled = g.headElements[0]->fill == black;
        QVERIFY(filled || g.headElements[0]->fill == white);
        QVERIFY(g.parts.size() <= 2);
        if (g.parts.size() == 2) {
            ++flags;
            QVERIFY2(filled, qPrintable(where(first) + ": a hollow head with a flag"));
            const Element& flag = *g.parts[1];
            QCOMPARE(flag.fill, black);
            QCOMPARE(flag.box.w, 16);
            QCOMPARE(flag.box.h, 6);
            QCOMPARE(flag.box.x, stem.x);
            const int freeEnd = up ? stem.y : bottom(stem) - 5;
            if (freeEnd < 0) {
                ++cutFlags;
                QCOMPARE(flag.box.y, 0);
            } else {
                QCOMPARE(flag.box.y, freeEnd);
            }
        }
    }
    QCOMPARE(heads, 4 * (5 + 9 + 5 + 8));
    QCOMPARE(through, 2);
    QCOMPARE(flags, 4 * 4);     // chords 4 to 7 of excerpt B, on both copies
    QCOMPARE(cutFlags, 2);      // chords 4 and 5 of picture B1, treble
    // The sharp stands over both copies of excerpt A.
    int sharps = 0;
    for (const Element& e : w.elements)
        if (e.kind == Kind::Label && e.caption == "#")
            ++sharps;
    QCOMPARE(sharps, 2);
}

// Excerpt A's two copies are the same drawing, sharp included, 189 px apart.
void TestNotesAndStaff::worksheetExcerptACopiesMatch()
{
    const WindowDef w = workpages::Tnsawp();
    const std::vector<Rect> pictures = picturesOf(w.elements);
    const Rect a1 = pictures[0], a2 = pictures[2];
    QCOMPARE(a2.y - a1.y, 189);
    QCOMPARE(a2.x, a1.x);
    std::vector<Rect> onA1, onA2;
    for (const Element& e : w.elements) {
        if (!(isDrawn(e.kind) && e.kind != Kind::Picture) || e.caption.find("What") == 0)
            continue;
        if (e.box.x + e.box.w / 2 < a1.x + a1.w) {
            if (e.box.y < a1.y + a1.h)
                onA1.push_back(e.box);
            else if (e.box.y >= a2.y - 60)
                onA2.push_back({e.box.x, e.box.y - 189, e.box.w, e.box.h});
        }
    }
    QVERIFY(onA1.size() > 20);
    QCOMPARE(onA2, onA1);
}

void TestNotesAndStaff::worksheetChordsReadAsWritten_data()
{
    QTest::addColumn<int>("picture");  // declaration order: A1, B1, A2, B2
    QTest::addColumn<QString>("chords");
    // One token per chord, left to right: value (h half, q quarter, e eighth),
    // then the treble pair's stem and the bass pair's (U up, D down, T through
    // both heads); "|" is the picture's first bar line.
    QTest::newRow("A1") << 0 << "hUU qUU | qUU qUU qUU";
    QTest::newRow("B1") << 1 << "qUD qUU qUU | eUD eUD eUU eUU qUU qTT";
    QTest::newRow("A2") << 2 << "hUU qUU | qUU qUU qUU";
    QTest::newRow("B2") << 3 << "qUD qUU qUU | eUD eUD eUU eUU hUU";
}

// Each picture's chords, read from their heads, stems and flags: value, stem
// directions and the measure they stand in. The two copies of excerpt B part
// only in the last measure: two quarter-note chords on B1, one half-note chord on B2.
void TestNotesAndStaff::worksheetChordsReadAsWritten()
{
    QFETCH(int, picture);
    QFETCH(QString, chords);
    const WindowDef w = workpages::Tnsawp();
    const Rect box = picturesOf(w.elements).at(static_cast<std::size_t>(picture));
    const int barLine = box.x + 149;

    struct Pair {
        int x;
        Clef clef;
        QChar value, stem;
    };
    std::vector<Pair> pairs;
    for (const Glyph& g : glyphsOf(w.elements, 12, 10, false)) {
        if (g.heads.size() != 2 || !holds(box, g.heads[0]) || g.parts.empty())
            continue;
        const auto [upper, lower] = std::minmax(g.heads[0], g.heads[1], [](Rect a, Rect b) { return a.y < b.y; });
        const Rect stem = g.parts[0]->box;
        const QChar dir = stem.x == upper.x + 13      ? u'T'
                          : bottom(stem) == bottom(lower) ? u'U'
                          : stem.y == upper.y             ? u'D'
                                                          : u'?';
        const bool filled = g.headElements[0]->fill == black;
        const QChar value = !filled ? u'h' : g.parts.size() == 2 ? u'e' : u'q';
        pairs.push_back({upper.x, clefAt(box.y, upper), value, dir});
    }
    std::sort(pairs.begin(), pairs.end(), [](const Pair& a, const Pair& b) { return a.x < b.x; });

    // A chord is a treble pair and a bass pair whose heads stand within 3 px of each other.
    QStringList read;
    bool pastBar = false;
    for (std::size_t i = 0; i < pairs.size(); i += 2) {
        QVERIFY2(i + 1 < pairs.size(), "a pair without its other staff");
        const Pair& a = pairs[i];
        const Pair& b = pairs[i + 1];
        QVERIFY2(std::abs(a.x - b.x) <= 3 && a.clef != b.clef, qPrintable(QStringLiteral("chord at x %1").arg(a.x)));
        QCOMPARE(a.value, b.value);
        const Pair& treble = a.clef == Clef::Treble ? a : b;
        const Pair& bass = a.clef == Clef::Treble ? b : a;
        if (!pastBar && std::min(a.x, b.x) > barLine) {
            read << QStringLiteral("|");
            pastBar = true;
        }
        read << QString(a.value) + treble.stem + bass.stem;
    }
    QCOMPARE(read.join(u' '), chords);
}

// ------------------------------------------------------------------ label sizes

void TestNotesAndStaff::labelsHaveTheirStoredSizes_data()
{
    QTest::addColumn<bool>("worksheet");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("w");
    QTest::addColumn<int>("h");
    const char* headings = "Sixteenth            Eighth                 Quarter                     Half                Whole";
    //                           sheet   caption                                                     w      h
    QTest::newRow("Sopranno")    << false << "Sopranno"                                          <<  55 << 16;
    QTest::newRow("Alto")        << false << "Alto"                                              <<  23 << 16;
    QTest::newRow("Tenor")       << false << "Tenor"                                             <<  32 << 16;
    QTest::newRow("Bass")        << false << "Bass"                                              <<  30 << 16;
    QTest::newRow("same")        << false << "The notes are the same whether the line (stem) goes up or down." << 427 << 19;
    QTest::newRow("headings")    << false << headings                                            << 495 << 19;
    QTest::newRow("share")       << false << "Soprano and Alto notes share the same up and down line and Bass and Tenor share the same." << 566 << 19;
    QTest::newRow("Eighth notes") << false << "Eighth notes"                                     <<  73 << 16;
    QTest::newRow("Half notes")  << false << "Half notes"                                        <<  58 << 16;
    QTest::newRow("Whole notes") << false << "Whole notes"                                       <<  73 << 16;
    QTest::newRow("Flags")       << false << "Flags"                                             <<  34 << 16;
    QTest::newRow("Stem")        << false << "Stem"                                              <<  33 << 16;
    QTest::newRow("tenor")       << true  << "What are the tenor notes?"                         << 211 << 23;
    QTest::newRow("soprano")     << true  << "What are the soprano notes?"                       << 234 << 23;
    QTest::newRow("alto")        << true  << "What are the alto notes?"                          << 200 << 23;
    QTest::newRow("bass")        << true  << "What are the bass notes?"                          << 203 << 23;
    QTest::newRow("sharp")       << true  << "#"                                                 <<   7 << 13;
    QTest::newRow("key cover")   << true  << "Answers"                                           <<  83 << 27;
}

// Labels are sized from their text; the layout was made with these sizes.
void TestNotesAndStaff::labelsHaveTheirStoredSizes()
{
    QFETCH(bool, worksheet);
    QFETCH(QString, caption);
    QFETCH(int, w);
    QFETCH(int, h);
    const WindowDef window = workpages::Tnsawp();
    const Elements page = lessons::notesAndStaffPage();
    const Font inherited = worksheet ? window.font : tnr(16).bolded().in(white);
    std::vector<Rect> found;
    std::function<void(const Elements&)> collect = [&](const Elements& list) {
        for (const Element& e : list) {
            if (e.kind == Kind::Label && e.caption == caption.toStdString())
                found.push_back(labelBox(e, inherited));
            collect(e.children);
        }
    };
    collect(worksheet ? window.elements : page);
    QVERIFY(!found.empty());
    for (Rect r : found) {
        QCOMPARE(r.w, w);
        QCOMPARE(r.h, h);
    }
}

// ---------------------------------------------------------------- live windows

void TestNotesAndStaff::initTestCase() { windows_ = std::make_unique<app::WindowSet>(); }

// Opened with the Notes and Staff page's "Workpages" button, the worksheet
// keeps typed answers and its uncovered key across closing and showing it again.
void TestNotesAndStaff::typedAnswersSurviveHidingTheWindow()
{
    ui::PageWindow* book = windows_->lessonBook();
    ui::PageWindow* sheet = windows_->window("nsawp");
    QVERIFY(sheet);
    book->showWindow();
    QVERIFY(QTest::qWaitForWindowExposed(book));
    auto* tabs = book->element<ui::Notebook>(QStringLiteral("LessonTabs"));
    QVERIFY(tabs);
    tabs->select(5);
    auto* open = book->element<QPushButton>(QStringLiteral("BitBtn36"));
    QVERIFY(open && open->isVisible());
    QCOMPARE(open->text(), QStringLiteral("Workpages"));
    QTest::mouseClick(open, Qt::LeftButton);
    QVERIFY(sheet->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(sheet));

    auto* alto = sheet->element<QLineEdit>(QStringLiteral("altoAnswer"));
    auto* key = sheet->element<ui::Notebook>(QStringLiteral("AnswerKey"));
    QVERIFY(alto && key);
    QCOMPARE(key->currentIndex(), 0);
    QTest::mouseClick(alto, Qt::LeftButton);
    QTest::keyClicks(alto, QStringLiteral("E F# E E A"));
    clickTab(key, 1);
    QCOMPARE(key->currentIndex(), 1);

    sheet->close();
    QVERIFY(!sheet->isVisible());
    QVERIFY(book->isVisible());
    QTest::mouseClick(open, Qt::LeftButton);
    QVERIFY(sheet->isVisible());
    QCOMPARE(alto->text(), QStringLiteral("E F# E E A"));
    QCOMPARE(key->currentIndex(), 1);
    QCOMPARE(sheet->element<QLineEdit>(QStringLiteral("tenorAnswer"))->text(), QString());

    alto->clear();
    key->select(0);
    sheet->hide();
    tabs->select(0);
}

// Tab goes Print, tenor, soprano, alto, bass, answer key; the key's text
// cannot be changed by typing.
void TestNotesAndStaff::tabOrderAndAnswerKey()
{
    ui::PageWindow* sheet = windows_->window("nsawp");
    sheet->showWindow();
    QTRY_VERIFY(sheet->isActiveWindow());
    auto* print = sheet->element<QPushButton>(QStringLiteral("BitBtn1"));
    QVERIFY(print);
    print->setFocus(Qt::MouseFocusReason);
    QCOMPARE(QApplication::focusWidget(), print);
    for (const char* name : {"tenorAnswer", "sopranoAnswer", "altoAnswer", "bassAnswer"}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(name));
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    auto* key = sheet->element<ui::Notebook>(QStringLiteral("AnswerKey"));
    QVERIFY(key->isAncestorOf(QApplication::focusWidget()) || QApplication::focusWidget() == key);

    clickTab(key, 1);
    auto* text = key->page(1)->findChild<QTextEdit*>();
    QVERIFY(text && text->isVisible());
    const QString before = text->toPlainText();
    QVERIFY(before.startsWith(QStringLiteral("tenor notes answer: C D C C F")));
    QTest::mouseClick(text->viewport(), Qt::LeftButton);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("xyz"));
    QCOMPARE(text->toPlainText(), before);
    key->select(0);
}

// ------------------------------------------------------------------- pictures

void TestNotesAndStaff::pictures_data()
{
    QTest::addColumn<QString>("instance");
    QTest::addColumn<int>("page");
    QTest::addColumn<bool>("answers");
    QTest::addColumn<QString>("golden");
    QTest::newRow("page") << "LessonBook" << 6 << false << "notesstaff-page06";
    QTest::newRow("worksheet") << "nsawp" << 0 << false << "notesstaff-nsawp";
    QTest::newRow("worksheet answers") << "nsawp" << 0 << true << "notesstaff-nsawp-answers";
}

void TestNotesAndStaff::pictures()
{
    QFETCH(QString, instance);
    QFETCH(int, page);
    QFETCH(bool, answers);
    QFETCH(QString, golden);
    ui::PageWindow* w = windows_->window(instance.toStdString());
    QVERIFY(w);
    ui::applyState(w, {.page = page, .sheet = page == 0 ? 1 : 0, .answers = answers});
    const QImage picture = ui::snapshot(w);
    ui::applyState(w, {.page = page == 0 ? 0 : 1, .sheet = page == 0 ? 1 : 0, .answers = false});
    w->hide();
    LYRABEL_COMPARE_GOLDEN(picture, golden);
}

LYRABEL_TEST_MAIN(TestNotesAndStaff)
#include "test_notesandstaff.moc"
