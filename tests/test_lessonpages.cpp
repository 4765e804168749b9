// Corvalle Lyrabel — the Welcome, Introduction and Keyboard Info pages and the
// verses panel, read back from their built element lists and checked against
// the key naming rule, the lesson note chart and the staff picture's geometry.
//
// Sections: reading element data · Keyboard Info · Introduction · Welcome ·
//           label sizes · text boxes · pictures
#include "support.h"

#include "app/windowset.h"
#include "diagrams/musicrules.h"
#include "diagrams/staff.h"
#include "lessons/introductionpage.h"
#include "lessons/keyboardinfopage.h"
#include "lessons/welcomepage.h"
#include "ui/fonts.h"
#include "ui/widgets.h"

#include <QRegularExpression>
#include <QTextBlock>
#include <QTextLayout>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

using namespace ui;

namespace {

// ------------------------------------------------------- reading element data

// A label's box as the engine sizes it: its caption's width and its font's line height.
Rect labelBox(const Element& e) { return {e.box.x, e.box.y, textWidth(*e.ownFont, e.caption), lineHeight(*e.ownFont)}; }

bool inside(Rect inner, Rect outer)
{
    return inner.x >= outer.x && inner.y >= outer.y && inner.x + inner.w <= outer.x + outer.w
        && inner.y + inner.h <= outer.y + outer.h;
}

bool overlaps(Rect a, Rect b) { return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h; }

QString where(const Element& e)
{
    return QStringLiteral("\"%1\" at (%2, %3)").arg(QString::fromStdString(e.caption)).arg(e.box.x).arg(e.box.y);
}

// The stored lines of the text box declared at (x, y).
std::vector<std::string> linesAt(const Elements& elements, int x, int y)
{
    for (const Element& e : elements)
        if (e.kind == Kind::TextBox && e.box.x == x && e.box.y == y)
            return e.lines;
    return {};
}

int leadingBlanks(const std::string& s) { return int(s.find_first_not_of(' ') == std::string::npos ? s.size() : s.find_first_not_of(' ')); }
int trailingBlanks(const std::string& s) { return int(s.size() - 1 - std::min(s.size() - 1, s.find_last_not_of(' '))); }

bool endsWith(const std::string& s, const std::string& tail)
{
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

bool isLabel(const Element& e, Colour background, Font font)
{
    return e.kind == Kind::Label && e.colour == background && e.ownFont && *e.ownFont == font;
}

// A key as drawn: a black-outlined 1-px white or black rectangle; its number
// follows from the run of colours along the keyboard.
struct DrawnKey {
    Rect r;
    bool black = false;
    int number = -1;
};

std::vector<DrawnKey> keysOf(const Elements& elements)
{
    std::vector<DrawnKey> keys;
    for (const Element& e : elements)
        if (e.kind == Kind::Shape && e.form == ShapeForm::Rectangle && e.outlineWidth == 1 && e.outline == black
            && e.fillStyle == FillStyle::Solid && (e.fill == white || e.fill == black))
            keys.push_back({e.box, e.fill == black});
    std::sort(keys.begin(), keys.end(), [](const DrawnKey& a, const DrawnKey& b) { return a.r.x < b.r.x; });
    std::vector<int> starts;
    for (int first = 0; first < 12; ++first) {
        bool fits = true;
        for (std::size_t i = 0; i < keys.size(); ++i)
            fits = fits && music::isBlack((first + int(i)) % 12) == keys[i].black;
        if (fits)
            starts.push_back(first);
    }
    if (starts.size() == 1)
        for (std::size_t i = 0; i < keys.size(); ++i)
            keys[i].number = (starts[0] + int(i)) % 12;
    return keys;
}

// A lesson-family note glyph as offsets from its head box: stem and flags.
struct Offsets {
    int dx, dy, w, h;
    friend bool operator==(Offsets, Offsets) = default;
};

QString text(const std::vector<Offsets>& boxes)
{
    QStringList parts;
    for (const Offsets& o : boxes)
        parts << QStringLiteral("(%1,%2) %3x%4").arg(o.dx).arg(o.dy).arg(o.w).arg(o.h);
    return parts.join(QStringLiteral(" "));
}

}  // namespace

class TestLessonPages : public QObject {
    Q_OBJECT

private slots:
    void keyboardInfoNamesFollowTheKeys();
    void keyboardInfoTextsStayInTheirBoxes();
    void introductionNotesFollowTheNoteChart();
    void welcomeBandNamesThePartsOfTheStaff();
    void versesKeepTheirLineLayout();
    void introductionTextsBreakWhereDescribed();
    void labelsHaveTheirStoredSizes_data();
    void labelsHaveTheirStoredSizes();

    void initTestCase();
    void textBoxesShowEveryStoredLine_data();
    void textBoxesShowEveryStoredLine();
    void pictures_data();
    void pictures();

private:
    std::unique_ptr<app::WindowSet> windows_;
};

// ---------------------------------------------------------------- Keyboard Info

// The diagram is one octave C to B laid out by the rule, every white key holds
// exactly one letter near its bottom and every black key its sharp name above
// its flat name, each name wholly on its key and as the naming rule gives it.
void TestLessonPages::keyboardInfoNamesFollowTheKeys()
{
    const Elements page = lessons::keyboardInfoPage();
    const std::vector<DrawnKey> keys = keysOf(page);
    QCOMPARE(keys.size(), std::size_t(12));
    QCOMPARE(keys.front().number, 0);
    int x = 142;
    for (const DrawnKey& k : keys) {
        QCOMPARE(k.r, (k.black ? Rect{x, 52, 25, 89} : Rect{x, 52, 33, 161}));
        x += k.r.w - 1;
    }

    const Font letterFont = tnr(29).bolded().in(purple);
    const Font nameFont = tnr(19).in(yellow);
    std::vector<std::vector<const Element*>> onKey(keys.size());
    for (const Element& e : page) {
        const bool letter = isLabel(e, white, letterFont);
        const bool name = isLabel(e, black, nameFont);
        if (!letter && !name)
            continue;
        const Rect box = labelBox(e);
        int holder = -1;
        for (std::size_t i = 0; i < keys.size(); ++i)
            if (keys[i].black == name && inside(box, keys[i].r))
                holder = int(i);
        QVERIFY2(holder >= 0, qPrintable(where(e) + " does not lie wholly on a key of its colour"));
        onKey[holder].push_back(&e);
        if (letter) {
            // Below the black keys, where only the white key shows.
            QVERIFY2(box.y >= keys[1].r.y + keys[1].r.h, qPrintable(where(e)));
            QVERIFY2(box.w >= 18 && box.w <= 22 && box.h == 32, qPrintable(where(e)));
        } else {
            QVERIFY2(box.w >= 21 && box.w <= 24 && box.h == 21, qPrintable(where(e)));
        }
    }
    for (std::size_t i = 0; i < keys.size(); ++i) {
        std::vector<const Element*>& names = onKey[i];
        std::sort(names.begin(), names.end(), [](const Element* a, const Element* b) { return a->box.y < b->box.y; });
        QStringList captions;
        for (const Element* e : names)
            captions << QString::fromStdString(e->caption);
        const int n = keys[i].number;
        const QString expected = keys[i].black
            ? QString::fromStdString(music::sharpName(n) + ' ' + music::flatName(n))
            : QString::fromStdString(music::whiteName(n));
        QCOMPARE(captions.join(' '), expected);
        if (names.size() == 2)
            QVERIFY(!overlaps(labelBox(*names[0]), labelBox(*names[1])));
    }
}

// Each sentence stands on the white inside of the upper or the lower box
// (within the 5-px outline), clear of the keys.
void TestLessonPages::keyboardInfoTextsStayInTheirBoxes()
{
    const Elements page = lessons::keyboardInfoPage();
    std::vector<Rect> boxes;
    for (const Element& e : page)
        if (e.kind == Kind::Shape && e.outlineWidth == 5)
            boxes.push_back({e.box.x + 5, e.box.y + 5, e.box.w - 10, e.box.h - 10});
    QCOMPARE(boxes.size(), std::size_t(2));
    const std::vector<DrawnKey> keys = keysOf(page);
    int sentences = 0;
    for (const Element& e : page) {
        if (!isLabel(e, white, tnr(19).in(black)))
            continue;
        ++sentences;
        const Rect box = labelBox(e);
        QVERIFY2(inside(box, boxes[0]) || inside(box, boxes[1]), qPrintable(where(e)));
        for (const DrawnKey& k : keys)
            QVERIFY2(!overlaps(box, k.r), qPrintable(where(e)));
    }
    QCOMPARE(sentences, 7);
}

// ----------------------------------------------------------------- Introduction

// The row of five notes: heads 25×25 with their tops on one line, read left to
// right as sixteenth, eighth, quarter, half and a solid disc with no stem. Each
// stem and flag stands where the lesson note chart puts it for that value, and
// no stem or flag belongs to no head.
void TestLessonPages::introductionNotesFollowTheNoteChart()
{
    struct Chart {
        const char* value;
        bool filled;
        std::vector<Offsets> stemAndFlags;  // stem first, then the flag at its end
    };
    const Chart chart[] = {
        // value        filled  stem               flags
        {"sixteenth",   true,  {{24, -40, 1, 49}, {24, -40, 25, 9}, {24, -24, 25, 9}}},
        {"eighth",      true,  {{24, -38, 1, 49}, {25, -40, 25, 9}}},
        {"quarter",     true,  {{24, -40, 1, 49}}},
        {"half",        false, {{24, -35, 1, 51}}},
        {"solid disc",  true,  {}},
    };

    const Elements page = lessons::introductionPage();
    std::vector<Rect> heads, parts;
    std::vector<bool> filled;
    for (const Element& e : page) {
        if (e.kind != Kind::Shape)
            continue;
        if (e.form == ShapeForm::Circle && e.box.w == 25 && e.box.h == 25) {
            heads.push_back(e.box);
            filled.push_back(e.fill == black);
            QCOMPARE(e.outline, black);
            QCOMPARE(e.fillStyle, FillStyle::Solid);
        } else if (e.form == ShapeForm::Rectangle && e.outline == black && (e.box.w == 1 || e.box.h == 9)) {
            if (e.box.h == 9)
                QCOMPARE(e.fill, black);
            parts.push_back(e.box);
        }
    }
    QCOMPARE(heads.size(), std::size_t(5));
    std::vector<bool> used(parts.size(), false);
    int left = -1;
    for (std::size_t n = 0; n < heads.size(); ++n) {
        const Rect h = heads[n];
        QVERIFY2(h.x > left, "the notes are declared left to right");
        left = h.x;
        QCOMPARE(h.y, 193);
        std::vector<Offsets> drawn;
        for (std::size_t i = 0; i < parts.size(); ++i) {
            const Offsets o{parts[i].x - h.x, parts[i].y - h.y, parts[i].w, parts[i].h};
            if (o.dx >= 20 && o.dx <= 30 && o.dy >= -45 && o.dy < 0) {
                drawn.push_back(o);
                used[i] = true;
            }
        }
        QCOMPARE(bool(filled[n]), chart[n].filled);
        QVERIFY2(drawn == chart[n].stemAndFlags,
                 qPrintable(QStringLiteral("%1 note: %2, the chart gives %3")
                                .arg(chart[n].value, text(drawn), text(chart[n].stemAndFlags))));
    }
    QVERIFY2(std::all_of(used.begin(), used.end(), [](bool u) { return u; }), "a stem or flag without a head");
}

// -------------------------------------------------------------------- Welcome

// The names on the black band match the stretched staff picture: each "Bar"
// straddles one of its bar lines (picture columns 149 and 304, scaled), each
// "Measure" stands inside one of the two measures, and the clef names stand
// left of the picture, level with their staffs (picture rows 11–45 and 78–112,
// scaled). All of them lie on the band.
void TestLessonPages::welcomeBandNamesThePartsOfTheStaff()
{
    const Elements page = lessons::welcomePage();
    const Element* staff = nullptr;
    const Element* band = nullptr;
    for (const Element& e : page) {
        if (e.kind == Kind::Picture && e.image == diagrams::grandStaffImage(diagrams::GrandStaffVariant::ThreeFour))
            staff = &e;
        if (e.kind == Kind::Shape && e.fill == black && e.align == Align::None && !band)
            band = &e;
    }
    QVERIFY(staff && band);
    QVERIFY(staff->stretch);
    const Rect s = staff->box;
    const auto column = [&s](int pictureX) {
        return s.x + int(std::lround(pictureX * double(s.w) / diagrams::grandStaffWidth));
    };
    const auto row = [&s](int pictureY) {
        return s.y + int(std::lround(pictureY * double(s.h) / diagrams::grandStaffHeight));
    };
    const int bars[] = {column(149), column(304)};
    QCOMPARE(bars[0], 315);
    QCOMPARE(bars[1], 450);
    const int measureStart[] = {s.x, bars[0] + 1};
    const int staffRows[2][2] = {{row(11), row(45)}, {row(78), row(112)}};
    const Rect bandOnPage{0, band->box.y, 609, 544 - band->box.y};

    int barSeen[2] = {0, 0}, measureSeen[2] = {0, 0}, clefSeen[2] = {0, 0};
    for (const Element& e : page) {
        if (e.kind != Kind::Label || !e.ownFont || e.ownFont->px != 15)
            continue;
        const Rect b = labelBox(e);
        QVERIFY2(inside(b, bandOnPage), qPrintable(where(e)));
        if (e.caption == "Bar") {
            for (int i = 0; i < 2; ++i)
                barSeen[i] += b.x <= bars[i] && bars[i] < b.x + b.w;
        } else if (e.caption == "Measure") {
            for (int i = 0; i < 2; ++i)
                measureSeen[i] += b.x >= measureStart[i] && b.x + b.w <= bars[i];
        } else if (e.caption == "Treble Clef" || e.caption == "Bass Clef") {
            const int i = e.caption == "Bass Clef";
            QVERIFY2(b.x + b.w <= s.x, qPrintable(where(e)));
            QVERIFY2(b.y >= staffRows[i][0] - 8 && b.y + b.h <= staffRows[i][1] + 8, qPrintable(where(e)));
            ++clefSeen[i];
        } else {
            QFAIL(qPrintable("unexpected name on the band " + where(e)));
        }
    }
    for (int i = 0; i < 2; ++i) {
        QCOMPARE(barSeen[i], 1);
        QCOMPARE(measureSeen[i], 1);
        QCOMPARE(clefSeen[i], 1);
    }
}

// The passages: three paragraphs, each opened by a line indented four spaces,
// each ending with its reference (the Timothy one on a line of its own), and
// every line a paragraph continues after ending in a space. The references:
// each line's leading and trailing blanks as stored, the references two
// blanks apart except the one pair the list runs together.
void TestLessonPages::versesKeepTheirLineLayout()
{
    const Elements verses = lessons::versesPanel().children;

    const std::vector<std::string> passages = linesAt(verses, -1, 16);
    QCOMPARE(passages.size(), std::size_t(8));
    const std::vector<std::size_t> paragraphStart{0, 2, 5, 8};
    const char* reference[] = {"John 1:29", "1 Timothy 2:5-6", "Colossians 1:20"};
    for (std::size_t p = 0; p < 3; ++p) {
        for (std::size_t i = paragraphStart[p]; i < paragraphStart[p + 1]; ++i) {
            const std::string& line = passages[i];
            const bool first = i == paragraphStart[p], last = i + 1 == paragraphStart[p + 1];
            QVERIFY2(leadingBlanks(line) == (first ? 4 : 0), line.c_str());
            if (!last)
                QVERIFY2(endsWith(line, " ") && !endsWith(line, "  "), line.c_str());
            else
                QVERIFY2(endsWith(line, reference[p]), line.c_str());
        }
    }
    QCOMPARE(passages[4], std::string("1 Timothy 2:5-6"));

    const std::vector<std::string> references = linesAt(verses, 56, 222);
    QCOMPARE(references.size(), std::size_t(4));
    const int blanks[4][2] = {{8, 2}, {0, 1}, {6, 1}, {30, 2}};
    const QRegularExpression one(QStringLiteral("^(?:[1-3] )?[A-Z][a-z]+ {1,2}[0-9]+:[0-9]+(?:-[0-9]+)?"));
    QStringList seen;
    for (std::size_t i = 0; i < references.size(); ++i) {
        const std::string& line = references[i];
        QCOMPARE(leadingBlanks(line), blanks[i][0]);
        QCOMPARE(trailingBlanks(line), blanks[i][1]);
        QString rest = QString::fromStdString(line).trimmed();
        while (!rest.isEmpty()) {
            const QRegularExpressionMatch m = one.match(rest);
            QVERIFY2(m.hasMatch(), qPrintable("no reference at \"" + rest + "\""));
            const QString ref = m.captured();
            QVERIFY2(!ref.contains(QLatin1String("  ")) || ref.startsWith(QLatin1String("Revelation  ")), qPrintable(ref));
            rest = rest.mid(ref.size());
            const QString gap = ref == QLatin1String("John 3:16-18") ? QStringLiteral(" ") : QStringLiteral("  ");
            if (!rest.isEmpty()) {
                QVERIFY2(rest.startsWith(gap) && rest.at(gap.size()) != ' ', qPrintable("after " + ref));
                rest = rest.mid(gap.size());
            }
            seen << ref;
        }
    }
    QCOMPARE(seen.size(), 15);
    QCOMPARE(seen.last(), QStringLiteral("Romans 8:32"));
}

// The Introduction's texts break where the page's design puts the breaks: the
// greeting after "old,", "length" and "program", every line ending in a space;
// empty lines between the paragraphs of the staff text and the remember text;
// the notes caption one line of two sentences.
void TestLessonPages::introductionTextsBreakWhereDescribed()
{
    const Elements page = lessons::introductionPage();

    const std::vector<std::string> greeting = linesAt(page, 192, 8);
    QCOMPARE(greeting.size(), std::size_t(4));
    const char* lastWord[] = {"old, ", "length ", "program "};
    for (std::size_t i = 0; i < greeting.size(); ++i) {
        QVERIFY2(endsWith(greeting[i], " ") && !endsWith(greeting[i], "  "), greeting[i].c_str());
        if (i < 3)
            QVERIFY2(endsWith(greeting[i], std::string(" ") + lastWord[i]), greeting[i].c_str());
    }
    QVERIFY(QString::fromStdString(greeting[0] + greeting[1]).contains(QLatin1String("homeschooler to senior")));

    const auto emptyLines = [](const std::vector<std::string>& lines) {
        QList<int> empty;
        for (std::size_t i = 0; i < lines.size(); ++i)
            if (lines[i].empty())
                empty << int(i);
        return empty;
    };
    const std::vector<std::string> staffText = linesAt(page, 0, 224);
    QCOMPARE(staffText.size(), std::size_t(10));
    QCOMPARE(emptyLines(staffText), (QList<int>{2, 5}));
    const std::vector<std::string> remember = linesAt(page, 143, 432);
    QCOMPARE(remember.size(), std::size_t(5));
    QCOMPARE(emptyLines(remember), (QList<int>{2}));

    const std::vector<std::string> caption = linesAt(page, 25, 120);
    QCOMPARE(caption.size(), std::size_t(1));
    QVERIFY(caption[0].rfind("These are called notes. ", 0) == 0);
    QCOMPARE(QString::fromStdString(caption[0]).count('.'), 2);
    QVERIFY(endsWith(caption[0], "."));
}

// ----------------------------------------------------------------- label sizes

void TestLessonPages::labelsHaveTheirStoredSizes_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("w");  // -1: the width follows a text the program chose
    QTest::addColumn<int>("h");

    //                                   page            caption                                                     w    h
    QTest::newRow("title")            << "Welcome"      << "Corvalle Lyrabel"                                        << -1 << 54;
    QTest::newRow("thank-you")        << "Welcome"      << "Thank you for downloading Corvalle Lyrabel."             << -1 << 24;
    QTest::newRow("notice")           << "Welcome"      << "Free to copy and share with your friends."               << -1 << 19;
    QTest::newRow("web address")      << "Welcome"      << "www.corvallelyrabel.example"                             << -1 << 19;
    QTest::newRow("Bass Clef")        << "Welcome"      << "Bass Clef"                                               << 63 << 17;
    QTest::newRow("Treble Clef")      << "Welcome"      << "Treble Clef"                                             << 75 << 17;
    QTest::newRow("Measure")          << "Welcome"      << "Measure"                                                 << 59 << 17;
    QTest::newRow("Bar")              << "Welcome"      << "Bar"                                                     << 24 << 17;
    QTest::newRow("heading")          << "verses"       << "Where to find some special verses in the Bible:"          << -1 << 17;
    QTest::newRow("closing line")     << "verses"       << "When you are done with the verses click the OK button."  << -1 << 23;
    QTest::newRow("Remember")         << "Introduction" << "Remember"                                                << 127 << 31;
    QTest::newRow("Keyboard Keys")    << "Keyboard Info" << "Keyboard Keys"                                          << 180 << 31;
}

void TestLessonPages::labelsHaveTheirStoredSizes()
{
    QFETCH(QString, page);
    QFETCH(QString, caption);
    QFETCH(int, w);
    QFETCH(int, h);
    const Elements elements = page == QLatin1String("Welcome")        ? lessons::welcomePage()
                            : page == QLatin1String("verses")         ? lessons::versesPanel().children
                            : page == QLatin1String("Introduction")   ? lessons::introductionPage()
                                                                      : lessons::keyboardInfoPage();
    std::vector<const Element*> found;
    for (const Element& e : elements)
        if (e.kind == Kind::Label && e.caption == caption.toStdString())
            found.push_back(&e);
    QVERIFY(!found.empty());
    for (const Element* e : found) {
        QVERIFY(e->ownFont);
        if (w >= 0)
            QCOMPARE(textWidth(*e->ownFont, e->caption), w);
        QCOMPARE(lineHeight(*e->ownFont), h);
    }
}

// ------------------------------------------------------------------ text boxes

void TestLessonPages::initTestCase() { windows_ = std::make_unique<app::WindowSet>(); }

void TestLessonPages::textBoxesShowEveryStoredLine_data()
{
    QTest::addColumn<int>("page");  // lesson page holding the box; 0: the verses panel
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("storedLines");

    //                                 page   x    y   lines
    QTest::newRow("passages")      << 0 <<  -1 <<  16 << 8;
    QTest::newRow("references")    << 0 <<  56 << 222 << 4;
    QTest::newRow("greeting")      << 2 << 192 <<   8 << 4;
    QTest::newRow("staff text")    << 2 <<   0 << 224 << 10;
    QTest::newRow("notes caption") << 2 <<  25 << 120 << 1;
    QTest::newRow("remember text") << 2 << 143 << 432 << 5;
}

// On the live window, every stored line of a text box is laid out as one line,
// so the lines break where the text has them, and the last line ends inside the box.
void TestLessonPages::textBoxesShowEveryStoredLine()
{
    QFETCH(int, page);
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(int, storedLines);
    ui::PageWindow* book = windows_->lessonBook();
    ui::applyState(book, {.page = page == 0 ? 1 : page, .panel = page == 0 ? QStringLiteral("ve2") : QString()});
    book->showWindow();
    QVERIFY(QTest::qWaitForWindowExposed(book));
    QWidget* holder = page == 0 ? book->element(QStringLiteral("ve2"))
                                : book->element<ui::Notebook>(QStringLiteral("LessonTabs"))->page(page - 1);
    QVERIFY(holder);
    ui::TextBox* box = nullptr;
    for (ui::TextBox* t : holder->findChildren<ui::TextBox*>(Qt::FindDirectChildrenOnly))
        if (t->pos() == QPoint(x, y))
            box = t;
    QVERIFY(box);
    QVERIFY(box->isVisible());
    const QTextDocument* doc = box->document();
    QCOMPARE(doc->blockCount(), storedLines);
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next())
        QVERIFY2(b.layout()->lineCount() == 1, qPrintable(QStringLiteral("\"%1\" wraps").arg(b.text())));
    QVERIFY2(doc->size().height() <= box->viewport()->height(),
             qPrintable(QStringLiteral("%1 px of text in a box %2 px high")
                            .arg(doc->size().height()).arg(box->viewport()->height())));
    book->hideElement(QStringLiteral("ve2"));
}

// --------------------------------------------------------------------- pictures

void TestLessonPages::pictures_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("panel");
    QTest::newRow("lesson-welcome")       << 1 << QString();
    QTest::newRow("lesson-welcome-ve2")   << 1 << QStringLiteral("ve2");
    QTest::newRow("lesson-introduction")  << 2 << QString();
    QTest::newRow("lesson-keyboardinfo")  << 7 << QString();
}

void TestLessonPages::pictures()
{
    QFETCH(int, page);
    QFETCH(QString, panel);
    ui::PageWindow* book = windows_->lessonBook();
    ui::applyState(book, {.page = page, .panel = panel});
    const QImage picture = ui::snapshot(book);
    if (!panel.isEmpty())
        book->hideElement(panel);
    LYRABEL_COMPARE_GOLDEN(picture, QString::fromLatin1(QTest::currentDataTag()));
}

LYRABEL_TEST_MAIN(TestLessonPages)
#include "test_lessonpages.moc"
