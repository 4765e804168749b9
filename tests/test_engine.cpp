// Corvalle Lyrabel — the element engine: shapes to the pixel, label sizes,
// alignment, stacking, the tab strip, focus and Enter, edit fields, text boxes
// and tick boxes, each on a small window built from element data.
#include "support.h"

#include "ui/engine.h"
#include "ui/pagewindow.h"
#include "ui/shapes.h"
#include "ui/widgets.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>
#include <QToolButton>

using namespace ui;

Q_DECLARE_METATYPE(ui::Element)
Q_DECLARE_METATYPE(ui::Font)

namespace {

// A shape painted alone on a grey image; returns the image.
QImage paintAlone(const Element& shape, QSize size, QPoint windowOrigin = {0, 0})
{
    QImage img(size, QImage::Format_RGB32);
    img.fill(qRgb(128, 128, 128));
    QPainter p(&img);
    paintShape(p, shape, windowOrigin);
    return img;
}

// Pixel rows as strings: '#' outline (black), 'o' fill (white), '.' background, '?' other.
QStringList rows(const QImage& img)
{
    QStringList out;
    for (int y = 0; y < img.height(); ++y) {
        QString r;
        for (int x = 0; x < img.width(); ++x) {
            const QRgb c = img.pixel(x, y);
            r += c == qRgb(0, 0, 0) ? u'#' : c == qRgb(255, 255, 255) ? u'o' : c == qRgb(128, 128, 128) ? u'.' : u'?';
        }
        out << r;
    }
    return out;
}

WindowDef fixture(Elements elements, Colour colour = white)
{
    WindowDef def;
    def.className = "TFixture";
    def.instance = "fixture";
    def.title = "Fixture";
    def.colour = colour;
    def.elements = std::move(elements);
    return def;
}

}  // namespace

class EngineTest : public QObject {
    Q_OBJECT

private slots:
    // ---- shapes
    void shapePixels_data();
    void shapePixels();
    void circleInWideBoxIsCentred();
    void formsCoverTheirBox_data();
    void formsCoverTheirBox();
    void hatchRowsFollowTheWindow();

    // ---- labels
    void labelSizesFollowTheirText_data();
    void labelSizesFollowTheirText();

    // ---- layout and stacking
    void alignment();
    void leftAlignedComeBeforeClientAligned();
    void panelBevelIsNotAlignedInto();
    void stacking();
    void shownPanelKeepsItsPlaceInTheStack();
    void showingAnElementSelectsItsPage();

    // ---- keyboard and focus
    void tabStripKeysWrapRound_data();
    void tabStripKeysWrapRound();
    void clickingATabSelectsAndFocuses();
    void acceleratorSelectsItsPage();
    void scrollArrowsKeepTheSelectedPage();
    void tabsComeBackWhenTheStripGrows();
    void tabOrderFollowsTabPositions();
    void hiddenPagesAndPanelsTakeNoFocus();
    void focusMovesToNotebookWhenItsPageGoes();
    void enterPressesTheVisibleOkButton();

    // ---- window elements
    void editFieldSelectsAllOnKeyboardFocus();
    void editFieldKeepsAnyText();
    void editFieldKeepsItsCaretWhenTheWindowComesBack();
    void editFieldShowsItsSelectionOnlyWithTheFocus();
    void textBoxParagraphsAndReadOnly();
    void tickBoxShowsOnlyItsBoxWhenNarrow();
    void tickBoxToggles();
    void pictureUnscaledIsCut();
};

// ------------------------------------------------------------------- shapes

void EngineTest::shapePixels_data()
{
    QTest::addColumn<Element>("shape");
    QTest::addColumn<QSize>("canvas");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("rectangle, 1-px outline") << shape(1, 1, 5, 4) << QSize(7, 6)
        << QStringList{".......", ".#####.", ".#ooo#.", ".#ooo#.", ".#####.", "......."};
    QTest::newRow("vertical line, fill white ignored") << shape(1, 0, 1, 4) << QSize(3, 4)
        << QStringList{".#.", ".#.", ".#.", ".#."};
    QTest::newRow("2-px outline") << shape(0, 0, 6, 6).pen(black, 2) << QSize(6, 6)
        << QStringList{"######", "######", "##oo##", "##oo##", "######", "######"};
    QTest::newRow("bar: 9 high, 5-px outline, solid") << shape(0, 0, 4, 9).pen(black, 5) << QSize(4, 9)
        << QStringList(9, "####");
    QTest::newRow("hollow rectangle keeps what is beneath") << shape(0, 0, 5, 3).hollow() << QSize(5, 3)
        << QStringList{"#####", "#...#", "#####"};
    QTest::newRow("circle 7×7") << shape(0, 0, 7, 7).circle().filled(black) << QSize(7, 7)
        << QStringList{"..###..", ".#####.", "#######", "#######", "#######", ".#####.", "..###.."};
    QTest::newRow("hollow circle 7×7 with white fill") << shape(0, 0, 7, 7).circle() << QSize(7, 7)
        << QStringList{"..###..", ".#ooo#.", "#ooooo#", "#ooooo#", "#ooooo#", ".#ooo#.", "..###.."};
}

void EngineTest::shapePixels()
{
    QFETCH(Element, shape);
    QFETCH(QSize, canvas);
    QFETCH(QStringList, expected);
    QCOMPARE(rows(paintAlone(shape, canvas)), expected);
}

void EngineTest::circleInWideBoxIsCentred()
{
    // A circle in a 13×11 box is an 11-px circle centred horizontally.
    const QStringList r = rows(paintAlone(shape(0, 0, 13, 11).circle().filled(black), QSize(13, 11)));
    int left = 13, right = -1, top = 11, bottom = -1;
    for (int y = 0; y < 11; ++y)
        for (int x = 0; x < 13; ++x)
            if (r[y][x] == u'#') {
                left = std::min(left, x); right = std::max(right, x);
                top = std::min(top, y); bottom = std::max(bottom, y);
            }
    QCOMPARE(left, 1);
    QCOMPARE(right, 11);
    QCOMPARE(top, 0);
    QCOMPARE(bottom, 10);
    for (int y = 0; y < 11; ++y) {
        QString mirrored = r[y];
        std::reverse(mirrored.begin(), mirrored.end());
        QCOMPARE(mirrored, r[y]);
    }
}

Q_DECLARE_METATYPE(ui::ShapeForm)

void EngineTest::formsCoverTheirBox_data()
{
    QTest::addColumn<ShapeForm>("form");
    QTest::addColumn<QSize>("box");
    QTest::addColumn<int>("pen");
    QTest::addColumn<QRect>("covered");  // the form's outer square or box, within the box
    const auto rect = ShapeForm::Rectangle, circle = ShapeForm::Circle, ellipse = ShapeForm::Ellipse,
               round = ShapeForm::RoundRect;
    //                                     form      box             pen  covered
    QTest::newRow("rectangle 10×8")        << rect    << QSize(10, 8)  << 1 << QRect(0, 0, 10, 8);
    QTest::newRow("rectangle 12×10, 3 px") << rect    << QSize(12, 10) << 3 << QRect(0, 0, 12, 10);
    QTest::newRow("ellipse 27×54, 2 px")   << ellipse << QSize(27, 54) << 2 << QRect(0, 0, 27, 54);
    QTest::newRow("ellipse 89×17")         << ellipse << QSize(89, 17) << 1 << QRect(0, 0, 89, 17);
    QTest::newRow("ellipse 25×41, 2 px")   << ellipse << QSize(25, 41) << 2 << QRect(0, 0, 25, 41);
    QTest::newRow("ellipse 60×30, 3 px")   << ellipse << QSize(60, 30) << 3 << QRect(0, 0, 60, 30);
    QTest::newRow("circle 13×11")          << circle  << QSize(13, 11) << 1 << QRect(1, 0, 11, 11);
    QTest::newRow("circle 11×15")          << circle  << QSize(11, 15) << 1 << QRect(0, 2, 11, 11);
    QTest::newRow("circle 17×17")          << circle  << QSize(17, 17) << 1 << QRect(0, 0, 17, 17);
    // W = 19, H = 11: a square of side 11 moved right by 4, plus the 2-px outline.
    QTest::newRow("circle 20×12, 2 px")    << circle  << QSize(20, 12) << 2 << QRect(4, 0, 12, 12);
    QTest::newRow("rounded 40×30")         << round   << QSize(40, 30) << 1 << QRect(0, 0, 40, 30);
    QTest::newRow("rounded 60×24, 2 px")   << round   << QSize(60, 24) << 2 << QRect(0, 0, 60, 24);
}

void EngineTest::formsCoverTheirBox()
{
    QFETCH(ShapeForm, form);
    QFETCH(QSize, box);
    QFETCH(int, pen);
    QFETCH(QRect, covered);
    Element e = shape(2, 2, box.width(), box.height()).pen(black, pen);
    e.form = form;
    const QStringList r = rows(paintAlone(e, box + QSize(4, 4)));
    auto at = [&](int x, int y) { return r[y + 2][x + 2]; };  // in box coordinates

    // Ink lies only inside the covered square or box, and touches all four of its edges.
    QRect ink;
    for (int y = -2; y < box.height() + 2; ++y)
        for (int x = -2; x < box.width() + 2; ++x)
            if (at(x, y) != u'.')
                ink |= QRect(x, y, 1, 1);
    QCOMPARE(ink, covered);
    // Symmetric both ways within it.
    for (int y = covered.top(); y <= covered.bottom(); ++y)
        for (int x = covered.left(); x <= covered.right(); ++x) {
            QCOMPARE(at(x, y), at(covered.right() - (x - covered.left()), y));
            QCOMPARE(at(x, y), at(x, covered.bottom() - (y - covered.top())));
        }
    // Across the middle the outline is exactly `pen` pixels thick on every side, the fill inside.
    const int midY = covered.top() + covered.height() / 2, midX = covered.left() + covered.width() / 2;
    for (int i = 0; i < pen; ++i) {
        QCOMPARE(at(covered.left() + i, midY), u'#');
        QCOMPARE(at(covered.right() - i, midY), u'#');
        QCOMPARE(at(midX, covered.top() + i), u'#');
        QCOMPARE(at(midX, covered.bottom() - i), u'#');
    }
    QCOMPARE(at(covered.left() + pen, midY), u'o');
    QCOMPARE(at(midX, covered.top() + pen), u'o');
    // Rectangles fill their corners; the other forms leave them empty.
    QCOMPARE(at(covered.left(), covered.top()), form == ShapeForm::Rectangle ? u'#' : u'.');
    if (form == ShapeForm::RoundRect) {
        // Corners rounded by an ellipse of (S div 4) × (S div 4): straight sides between them.
        const int S = std::min(box.width(), box.height()) - pen + 1;
        const int corner = S / 4;
        for (int y = (corner + 1) / 2; y < box.height() - (corner + 1) / 2; ++y)
            QCOMPARE(at(0, y), u'#');
        for (int x = (corner + 1) / 2; x < box.width() - (corner + 1) / 2; ++x)
            QCOMPARE(at(x, 0), u'#');
    }
}

void EngineTest::hatchRowsFollowTheWindow()
{
    // Hatch rows are those whose window y leaves 3 when divided by 8, wherever the shape lies.
    const Element staff = shape(0, 0, 5, 33).hatched(black);
    for (int originY : {0, 44, 45, 108}) {
        const QStringList r = rows(paintAlone(staff, QSize(5, 33), QPoint(0, originY)));
        for (int y = 1; y < 32; ++y) {
            const bool hatch = (originY + y) % 8 == 3;
            QCOMPARE(r[y], hatch ? QStringLiteral("#####") : QStringLiteral("#...#"));
        }
    }
}

// ------------------------------------------------------------------- labels

void EngineTest::labelSizesFollowTheirText_data()
{
    // Captions and box sizes as the pages were designed (Windows text extents).
    QTest::addColumn<Font>("font");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("size");
    QTest::newRow("TNR 15 bold") << tnr(15).bolded() << "Treble Clef" << QSize(75, 17);
    QTest::newRow("TNR 15 bold short") << tnr(15).bolded() << "Bar" << QSize(24, 17);
    QTest::newRow("TNR 15") << tnr(15) << "The Scale of F#" << QSize(95, 17);
    QTest::newRow("TNR 15 bold long") << tnr(15).bolded() << "Time Signature" << QSize(100, 17);
    QTest::newRow("TNR 16") << tnr(16) << "C# is a half step above C.     F is a half step above E.   etc." << QSize(356, 19);
    QTest::newRow("TNR 16 long") << tnr(16) << "Example: To find the scale of D: Start on D then click on E then F#, G, A, B, C#, D." << QSize(508, 19);
    QTest::newRow("TNR 16 bold") << tnr(16).bolded() << "To find a scale start on a key and go up 2 wholes a half and then 3 wholes and a half." << QSize(558, 19);
    QTest::newRow("TNR 19") << tnr(19) << "When you are done with the example click the OK button:" << QSize(431, 21);
    QTest::newRow("TNR 19 bold") << tnr(19).bolded() << "To go up a half step you go to the next key on the keyboard." << QSize(487, 22);
    QTest::newRow("TNR 21 bold") << tnr(21).bolded() << "Use the keyboard below to decide how to make each chord." << QSize(523, 24);
    QTest::newRow("TNR 24") << tnr(24) << "Answers" << QSize(83, 27);
    QTest::newRow("TNR 64 bold") << tnr(64).bolded() << "Answers" << QSize(236, 73);
}

void EngineTest::labelSizesFollowTheirText()
{
    QFETCH(Font, font);
    QFETCH(QString, caption);
    QFETCH(QSize, size);
    PageWindow w(fixture({label(3, 4, caption.toStdString()).font(font)}));
    const Element& built = w.drawn().front().element;
    QCOMPARE(QSize(built.box.w, built.box.h), size);
    QCOMPARE(QPoint(built.box.x, built.box.y), QPoint(3, 4));
}

// ------------------------------------------------------- layout and stacking

void EngineTest::alignment()
{
    // A page 609×544: a purple left-aligned shape wider than the page, then a
    // black client-aligned shape beyond the right edge, then a hidden
    // client-aligned panel at (0, -1).
    PageWindow w(fixture({
        notebook(0, -1, 617, 578, {page("one", {
            shape(0, 0, 620, 544).filled(purple).pen(purple).aligned(Align::Left),
            shape(633, 0, 8, 544).filled(black).aligned(Align::Client),
            panel(0, -1, 609, 544).named("cover").hidden().aligned(Align::Client),
        }), page("two", {
            shape(0, 0, 100, 10).aligned(Align::Left),
            panel(5, 5, 10, 10).named("rest").aligned(Align::Client),
        })}).tabHeight(30),
    }));
    auto* nb = w.findChild<Notebook*>();
    const auto& drawn = nb->page(0)->drawn();
    QCOMPARE(drawn[0].element.box, (Rect{0, 0, 620, 544}));
    QCOMPARE(drawn[1].element.box, (Rect{633, 0, 8, 544}));  // no area left: keeps its box
    auto* cover = w.element(QStringLiteral("cover"));
    w.showElement(QStringLiteral("cover"));
    QCOMPARE(cover->geometry(), QRect(0, -1, 609, 544));
    QCOMPARE(nb->page(0)->size(), QSize(609, 544));
    // With room left, a client-aligned element takes all of it.
    QCOMPARE(w.element(QStringLiteral("rest"))->geometry(), QRect(100, 0, 509, 544));
}

void EngineTest::leftAlignedComeBeforeClientAligned()
{
    // Whatever the declaration order, left-aligned elements take their strips
    // first and a client-aligned one gets what remains.
    PageWindow w(fixture({
        panel(0, 0, 10, 10).named("client").aligned(Align::Client),
        shape(0, 0, 50, 10).aligned(Align::Left),
        panel(0, 0, 30, 10).named("left").aligned(Align::Left),
        panel(0, 0, 20, 10).named("later").hidden().aligned(Align::Left),
    }));
    QCOMPARE(w.size(), QSize(632, 450));
    QCOMPARE(w.drawn().front().element.box, (Rect{0, 0, 50, 450}));
    QCOMPARE(w.element(QStringLiteral("left"))->geometry(), QRect(50, 0, 30, 450));
    QCOMPARE(w.element(QStringLiteral("client"))->geometry(), QRect(80, 0, 552, 450));
    // Showing another left-aligned element lays the container out again.
    w.element(QStringLiteral("later"))->show();
    QCOMPARE(w.element(QStringLiteral("later"))->geometry(), QRect(80, 0, 20, 450));
    QCOMPARE(w.element(QStringLiteral("client"))->geometry(), QRect(100, 0, 532, 450));
    w.element(QStringLiteral("later"))->hide();
    QCOMPARE(w.element(QStringLiteral("client"))->geometry(), QRect(80, 0, 552, 450));
}

void EngineTest::panelBevelIsNotAlignedInto()
{
    // A bevelled panel's remaining area lies inside its 1-px bevel; without a bevel it is the whole panel.
    PageWindow w(fixture({
        panel(0, 0, 100, 60, {shape(0, 0, 20, 5).aligned(Align::Left),
                              edit(0, 0, 10, 10).named("inBevelled").aligned(Align::Client)}),
        panel(0, 100, 100, 60, {shape(0, 0, 20, 5).aligned(Align::Left),
                                edit(0, 0, 10, 10).named("inPlain").aligned(Align::Client)}).noBevel(),
    }));
    const auto panels = w.findChildren<Canvas*>(Qt::FindDirectChildrenOnly);
    QCOMPARE(panels.size(), 2);
    QCOMPARE(panels[0]->drawn().front().element.box, (Rect{1, 1, 20, 58}));
    QCOMPARE(w.element(QStringLiteral("inBevelled"))->geometry(), QRect(21, 1, 78, 58));
    QCOMPARE(panels[1]->drawn().front().element.box, (Rect{0, 0, 20, 60}));
    QCOMPARE(w.element(QStringLiteral("inPlain"))->geometry(), QRect(20, 0, 80, 60));
}

void EngineTest::stacking()
{
    // A label declared after a text box is still beneath it; a later label covers an earlier one.
    PageWindow w(fixture({
        textBox(10, 10, 40, 40).bordered(Border::None).bg(white),
        label(20, 20, "XXXXXXXX").font(tnr(16)).bg(red),
        label(60, 10, "AAAA").font(tnr(16)).bg(lime),
        label(62, 12, "B").font(tnr(16)).bg(blue),
    }));
    w.showWindow();
    const QImage img = snapshot(&w);
    QCOMPARE(img.pixel(21, 21), qRgb(255, 255, 255));  // under the text box
    QCOMPARE(img.pixel(55, 21), qRgb(255, 0, 0));      // the label's part outside it
    QCOMPARE(img.pixel(62, 12), qRgb(0, 0, 255));      // later label on top
    QCOMPARE(img.pixel(61, 11), qRgb(0, 255, 0));
}

void EngineTest::shownPanelKeepsItsPlaceInTheStack()
{
    // Showing a hidden panel does not lift it over window elements declared after it.
    PageWindow w(fixture({
        panel(10, 10, 60, 60).named("early").bg(red).noBevel().hidden(),
        panel(40, 40, 60, 60).named("late").bg(blue).noBevel(),
    }));
    w.showWindow();
    w.showElement(QStringLiteral("early"));
    const QImage img = snapshot(&w);
    QCOMPARE(img.pixel(20, 20), qRgb(255, 0, 0));
    QCOMPARE(img.pixel(50, 50), qRgb(0, 0, 255));  // where they overlap, the later one
}

void EngineTest::showingAnElementSelectsItsPage()
{
    // A hidden panel on page "2" of a notebook that itself lies on page "b" of another.
    PageWindow w(fixture({
        notebook(0, 0, 400, 300, {
            page("a", {}),
            page("b", {notebook(0, 0, 300, 200, {page("1", {}),
                                                 page("2", {panel(0, 0, 50, 50).named("inner").hidden()})})}),
        }).named("outer"),
    }));
    w.showWindow();
    auto* outer = w.element<Notebook>(QStringLiteral("outer"));
    auto* innerBook = outer->page(1)->findChild<Notebook*>();
    QCOMPARE(outer->currentIndex(), 0);
    QCOMPARE(innerBook->currentIndex(), 0);
    w.showElement(QStringLiteral("inner"));
    QCOMPARE(outer->currentIndex(), 1);
    QCOMPARE(innerBook->currentIndex(), 1);
    QVERIFY(w.element(QStringLiteral("inner"))->isVisible());
    // Hiding it changes no page.
    w.hideElement(QStringLiteral("inner"));
    QCOMPARE(outer->currentIndex(), 1);
    QCOMPARE(innerBook->currentIndex(), 1);
    QVERIFY(w.element(QStringLiteral("inner"))->isHidden());
}

// ------------------------------------------------------ keyboard and focus

void EngineTest::tabStripKeysWrapRound_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("expected");
    QTest::newRow("right on last") << 2 << int(Qt::Key_Right) << 0;
    QTest::newRow("down on last") << 2 << int(Qt::Key_Down) << 0;
    QTest::newRow("left on first") << 0 << int(Qt::Key_Left) << 2;
    QTest::newRow("up on first") << 0 << int(Qt::Key_Up) << 2;
    QTest::newRow("right in the middle") << 1 << int(Qt::Key_Right) << 2;
    QTest::newRow("up in the middle") << 1 << int(Qt::Key_Up) << 0;
}

void EngineTest::tabStripKeysWrapRound()
{
    QFETCH(int, start);
    QFETCH(int, key);
    QFETCH(int, expected);
    PageWindow w(fixture({notebook(0, 0, 300, 200, {page("a", {}), page("b", {}), page("c", {})})}));
    w.showWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    auto* nb = w.findChild<Notebook*>();
    nb->select(start);
    nb->strip()->setFocus();
    QTest::keyClick(nb->strip(), Qt::Key(key));
    QCOMPARE(nb->currentIndex(), expected);
}

void EngineTest::clickingATabSelectsAndFocuses()
{
    PageWindow w(fixture({
        edit(0, 0, 80, 26).named("field"),
        notebook(0, 40, 300, 150, {page("one", {}), page("two", {}), page("three", {})}),
    }));
    w.showWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    auto* nb = w.findChild<Notebook*>();
    for (int tab : {2, 0, 1, 1}) {
        w.element(QStringLiteral("field"))->setFocus();
        testing::clickTab(nb, tab);
        QCOMPARE(nb->currentIndex(), tab);
        QVERIFY(nb->strip()->hasFocus());
        for (int i = 0; i < nb->pageCount(); ++i)
            QCOMPARE(nb->page(i)->isVisible(), i == tab);
    }
}

void EngineTest::acceleratorSelectsItsPage()
{
    PageWindow w(fixture({
        notebook(0, 0, 300, 200, {page("&Welcome", {}), page("Other", {edit(10, 10, 80, 26).named("field")}),
                                  page("More", {button(10, 40, 80, 25, "Go").named("go")})}),
    }));
    w.showWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    auto* nb = w.findChild<Notebook*>();
    // Alt+W from a field on another page.
    nb->select(1);
    auto* field = w.element<QLineEdit>(QStringLiteral("field"));
    field->setFocus();
    QTest::keyClick(field, Qt::Key_W, Qt::AltModifier);
    QCOMPARE(nb->currentIndex(), 0);
    QVERIFY(nb->strip()->hasFocus());
    // "w" alone types into a field...
    nb->select(1);
    field->setFocus();
    QTest::keyClicks(field, "w");
    QCOMPARE(nb->currentIndex(), 1);
    QCOMPARE(field->text(), QStringLiteral("w"));
    // ...but selects the page from a button or the tab strip.
    nb->select(2);
    w.element(QStringLiteral("go"))->setFocus();
    QTest::keyClick(w.element(QStringLiteral("go")), Qt::Key_W);
    QCOMPARE(nb->currentIndex(), 0);
    QVERIFY(nb->strip()->hasFocus());
}

void EngineTest::scrollArrowsKeepTheSelectedPage()
{
    Elements pages;
    for (const char* caption : {"Introduction", "Keyboard Info", "Notes and Staff", "Major 7th ", "Minor 7th", "Scale"})
        pages.push_back(page(caption, {}));
    PageWindow w(fixture({notebook(0, 0, 300, 200, pages).tabsIn(arial(16).bolded()).tabHeight(30)}));
    w.showWindow();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    auto* nb = w.findChild<Notebook*>();
    // Too wide for one row: the strip keeps one row and shows two arrows at its right end.
    QList<QToolButton*> arrows;
    for (QToolButton* b : nb->strip()->findChildren<QToolButton*>())
        if (b->isVisible())
            arrows << b;
    QCOMPARE(arrows.size(), 2);
    std::sort(arrows.begin(), arrows.end(), [](QToolButton* a, QToolButton* b) { return a->x() < b->x(); });
    for (QToolButton* arrow : arrows)
        QVERIFY(arrow->x() > nb->width() / 2 && arrow->geometry().right() <= nb->width());
    QCOMPARE(nb->strip()->tabRect(0).top(), nb->strip()->tabRect(5).top());
    const int before = nb->strip()->tabRect(1).left();
    QTest::mouseClick(arrows[1], Qt::LeftButton);
    // The row moved left by exactly one tab; the page did not change.
    QCOMPARE(nb->strip()->tabRect(1).left(), before - nb->strip()->tabRect(0).width());
    QCOMPARE(nb->strip()->tabRect(1).left(), 2);
    QCOMPARE(nb->currentIndex(), 0);
    QTest::mouseClick(arrows[0], Qt::LeftButton);
    QCOMPARE(nb->strip()->tabRect(1).left(), before);
    QCOMPARE(nb->currentIndex(), 0);
}

void EngineTest::tabsComeBackWhenTheStripGrows()
{
    // A sheet notebook follows its window: narrowed, its tabs scroll; widened
    // again until they all fit, they start at the left end once more.
    Elements sheets;
    for (const char* caption : {"1", "2", "3", "4", "5"})
        sheets.push_back(page(caption, {}));
    PageWindow w(fixture({notebook(0, 0, 632, 450, sheets).tabsIn(msSans(11)).aligned(Align::Client)}));
    w.showWindow();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    auto* nb = w.findChild<Notebook*>();
    TabStrip* strip = nb->strip();
    auto visibleArrows = [&] {
        QList<QToolButton*> arrows;
        for (QToolButton* b : strip->findChildren<QToolButton*>())
            if (b->isVisible())
                arrows << b;
        std::sort(arrows.begin(), arrows.end(), [](QToolButton* a, QToolButton* b) { return a->x() < b->x(); });
        return arrows;
    };
    QCOMPARE(visibleArrows().size(), 0);
    const int firstLeft = strip->tabRect(0).left();
    w.resize(strip->tabRect(4).right() - 10, 300);
    QTRY_COMPARE(nb->width(), w.width());
    const auto arrows = visibleArrows();
    QCOMPARE(arrows.size(), 2);
    QTest::mouseClick(arrows[1], Qt::LeftButton);
    QVERIFY(strip->tabRect(0).left() < firstLeft);
    w.resize(632, 450);
    QTRY_COMPARE(nb->width(), 632);
    QCOMPARE(visibleArrows().size(), 0);
    QCOMPARE(strip->tabRect(0).left(), firstLeft);
    QCOMPARE(strip->firstShown(), 0);
}

void EngineTest::tabOrderFollowsTabPositions()
{
    PageWindow w(fixture({
        edit(0, 0, 50, 26).named("c").tab(2),
        edit(0, 30, 50, 26).named("a").tab(0),
        panel(100, 0, 100, 100, {edit(0, 0, 50, 26).named("b2").tab(1), edit(0, 30, 50, 26).named("b1").tab(0)}).tab(1),
        button(0, 60, 50, 25, "x").named("d").tab(3),
    }));
    QStringList order;
    for (QWidget* f : w.focusChain())
        order << f->objectName();
    QCOMPARE(order, (QStringList{"a", "b1", "b2", "c", "d"}));

    w.showWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    w.element(QStringLiteral("a"))->setFocus();
    QStringList visited;
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, (QStringList{"b1", "b2", "c", "d"}));
}

void EngineTest::hiddenPagesAndPanelsTakeNoFocus()
{
    PageWindow w(fixture({
        edit(0, 0, 50, 26).named("first"),
        notebook(0, 40, 300, 150, {page("1", {edit(10, 10, 50, 26).named("onOne")}),
                                   page("2", {edit(10, 10, 50, 26).named("onTwo")})}),
        panel(320, 0, 100, 100, {edit(0, 0, 50, 26).named("inHidden")}).hidden(),
        edit(0, 200, 50, 26).named("last"),
    }));
    w.showWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    w.element(QStringLiteral("first"))->setFocus();
    QStringList visited;
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    auto* strip = w.findChild<TabStrip*>();
    QCOMPARE(visited, (QStringList{strip->objectName(), "onOne", "last", "first"}));
}

void EngineTest::focusMovesToNotebookWhenItsPageGoes()
{
    PageWindow w(fixture({notebook(0, 0, 300, 150, {page("1", {edit(10, 10, 50, 26).named("onOne")}), page("2", {})})}));
    w.showWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    auto* nb = w.findChild<Notebook*>();
    w.element(QStringLiteral("onOne"))->setFocus();
    nb->select(1);
    QVERIFY(nb->strip()->hasFocus());
}

void EngineTest::enterPressesTheVisibleOkButton()
{
    PageWindow w(fixture({
        notebook(0, 0, 300, 150, {page("1", {}), page("2", {})}),
        edit(0, 160, 80, 26).named("field"),
        textBox(100, 160, 100, 60).named("memo"),
        textBox(210, 160, 100, 60, {"answers"}).readonly().named("key"),
        panel(320, 0, 100, 100, {button(10, 10, 75, 25, "").ok().named("okButton").onClick("okClick")}).named("over").hidden(),
    }));
    int pressed = 0;
    w.bind("okClick", [&] { ++pressed; w.hideElement(QStringLiteral("over")); });
    w.showWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    auto* strip = w.findChild<TabStrip*>();
    strip->setFocus();
    QTest::keyClick(strip, Qt::Key_Return);
    QCOMPARE(pressed, 0);  // no OK button visible
    w.showElement(QStringLiteral("over"));
    strip->setFocus();
    QTest::keyClick(strip, Qt::Key_Return);
    QCOMPARE(pressed, 1);
    QVERIFY(w.element(QStringLiteral("over"))->isHidden());
    // In a text box Enter is a new line, never the OK button.
    w.showElement(QStringLiteral("over"));
    auto* memo = w.element<TextBox>(QStringLiteral("memo"));
    memo->setFocus();
    QTest::keyClicks(memo, "a");
    QTest::keyClick(memo, Qt::Key_Return);
    QTest::keyClicks(memo, "b");
    QCOMPARE(pressed, 1);
    QCOMPARE(memo->text(), QStringLiteral("a\nb"));
    // In a read-only text box Enter does nothing at all.
    auto* key = w.element<TextBox>(QStringLiteral("key"));
    key->setFocus();
    QTest::keyClick(key, Qt::Key_Return);
    QCOMPARE(pressed, 1);
    QCOMPARE(key->text(), QStringLiteral("answers"));
    // In an edit field Enter presses it.
    w.element(QStringLiteral("field"))->setFocus();
    QTest::keyClick(w.element(QStringLiteral("field")), Qt::Key_Enter);
    QCOMPARE(pressed, 2);
}

// ----------------------------------------------------------- window elements

void EngineTest::editFieldSelectsAllOnKeyboardFocus()
{
    PageWindow w(fixture({edit(0, 0, 80, 26).named("a"), edit(0, 30, 80, 26).named("b")}));
    w.showWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    auto* b = w.element<QLineEdit>(QStringLiteral("b"));
    b->setText(QStringLiteral("old answer"));
    w.element(QStringLiteral("a"))->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QVERIFY(b->hasFocus());
    QCOMPARE(b->selectedText(), QStringLiteral("old answer"));
    QTest::keyClicks(b, "new");
    QCOMPARE(b->text(), QStringLiteral("new"));
    // A mouse click places the caret; it selects nothing.
    w.element(QStringLiteral("a"))->setFocus();
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(5, 13));
    QVERIFY(b->hasFocus());
    QVERIFY(b->selectedText().isEmpty());
}

void EngineTest::editFieldKeepsItsCaretWhenTheWindowComesBack()
{
    // Going to another window and back is no move between fields: the
    // learner's answer is not selected, so typing on adds to it.
    PageWindow w(fixture({edit(0, 0, 120, 26).named("answer"), edit(0, 30, 120, 26)}));
    PageWindow other(fixture({edit(0, 0, 80, 26)}));
    w.showWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    auto* answer = w.element<QLineEdit>(QStringLiteral("answer"));
    QTest::mouseClick(answer, Qt::LeftButton, {}, QPoint(5, 13));
    QTest::keyClicks(answer, "D F# A");
    other.showWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    w.showWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QVERIFY(answer->hasFocus());
    QVERIFY(answer->selectedText().isEmpty());
    QTest::keyClicks(answer, " C");
    QCOMPARE(answer->text(), QStringLiteral("D F# A C"));
}

void EngineTest::editFieldShowsItsSelectionOnlyWithTheFocus()
{
    PageWindow w(fixture({edit(0, 0, 120, 26), edit(0, 30, 120, 26).named("answer")}));
    PageWindow other(fixture({edit(0, 0, 80, 26)}));
    w.showWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    auto* answer = w.element<QLineEdit>(QStringLiteral("answer"));
    answer->setText(QStringLiteral("C E G"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QVERIFY(answer->hasFocus());
    QCOMPARE(answer->selectedText(), QStringLiteral("C E G"));
    // Pixels of the text area that are neither the field's background nor its text colour.
    auto highlighted = [&] {
        const QImage img = answer->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QColor base = answer->palette().color(QPalette::Base);
        const QColor highlight = answer->palette().color(QPalette::Active, QPalette::Highlight);
        int n = 0;
        for (int y = 4; y < img.height() - 4; ++y)
            for (int x = 4; x < img.width() - 4; ++x)
                n += QColor(img.pixel(x, y)) == highlight && highlight != base ? 1 : 0;
        return n;
    };
    QVERIFY(highlighted() > 20);
    // Another window takes the focus: no selection shows in this one.
    other.showWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    QVERIFY(!answer->hasFocus());
    QCOMPARE(highlighted(), 0);
    // Back in this window, the field has the focus and its selection again.
    w.showWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QVERIFY(answer->hasFocus());
    QVERIFY(highlighted() > 20);
}

void EngineTest::editFieldKeepsAnyText()
{
    PageWindow w(fixture({edit(0, 0, 80, 26).named("a")}));
    w.showWindow();
    auto* a = w.element<QLineEdit>(QStringLiteral("a"));
    // Far beyond the toolkit's usual 32767 limit, with odd characters in it.
    const QString huge = QString(200000, u'x') + QStringLiteral("\t\u00e9\u266f\U0001F3B5");
    a->setText(huge);
    a->setFocus();
    a->end(false);
    QTest::keyClicks(a, "yz");
    QCOMPARE(a->text(), huge + QStringLiteral("yz"));
}

void EngineTest::textBoxParagraphsAndReadOnly()
{
    PageWindow w(fixture({
        textBox(0, 0, 120, 200, {"first paragraph that is long enough to wrap", "second"}).readonly().named("key"),
        textBox(130, 0, 120, 100).named("memo"),
    }));
    w.showWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    auto* key = w.element<TextBox>(QStringLiteral("key"));
    QCOMPARE(key->text(), QStringLiteral("first paragraph that is long enough to wrap\nsecond"));
    QCOMPARE(key->document()->blockCount(), 2);
    QVERIFY(key->document()->documentLayout()->blockBoundingRect(key->document()->firstBlock()).height() > 19);
    key->setFocus();
    QTest::keyClicks(key, "zzz");
    QTest::keyClick(key, Qt::Key_Backspace);
    QCOMPARE(key->text(), QStringLiteral("first paragraph that is long enough to wrap\nsecond"));
}

void EngineTest::tickBoxShowsOnlyItsBoxWhenNarrow()
{
    PageWindow w(fixture({check(10, 10, 17, 17, "Caption").named("narrow").bg(yellow),
                          check(10, 40, 120, 17, "Caption").named("wide").bg(yellow)}, white));
    w.showWindow();
    const QImage img = snapshot(&w);
    // The 13×13 box sits at the left, centred vertically (2 px above and below).
    QCOMPARE(img.pixel(10, 11), qRgb(255, 255, 0));
    QVERIFY(img.pixel(10, 12) != qRgb(255, 255, 0));
    QVERIFY(img.pixel(22, 24) != qRgb(255, 255, 0));
    QCOMPARE(img.pixel(10, 25), qRgb(255, 255, 0));
    // Beyond 17 px the window shows: no caption anywhere.
    for (int x = 27; x < 60; ++x)
        for (int y = 10; y < 27; ++y)
            QCOMPARE(img.pixel(x, y), qRgb(255, 255, 255));
    // The wide one shows its caption to the right of the box.
    bool captionInk = false;
    for (int x = 28; x < 80 && !captionInk; ++x)
        for (int y = 40; y < 57; ++y)
            captionInk |= img.pixel(x, y) != qRgb(255, 255, 0);
    QVERIFY(captionInk);
}

void EngineTest::tickBoxToggles()
{
    PageWindow w(fixture({check(10, 10, 17, 17).named("tick")}));
    w.showWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    auto* tick = w.element<QAbstractButton>(QStringLiteral("tick"));
    QVERIFY(!tick->isChecked());
    QTest::mouseClick(tick, Qt::LeftButton, {}, QPoint(8, 8));
    QVERIFY(tick->isChecked());
    QTest::keyClick(tick, Qt::Key_Space);
    QVERIFY(!tick->isChecked());
}

void EngineTest::pictureUnscaledIsCut()
{
    // The 343×114 grand-staff picture in a 119-px box shows only its left part.
    PageWindow w(fixture({shape(0, 0, 400, 150).filled(lime).pen(lime),
                          picture(0, 0, 119, 116, "grandstaff34"),
                          picture(0, 130, 60, 20, "grandstaff34").stretched()}));
    w.showWindow();
    const QImage img = snapshot(&w);
    const QImage asset = QImage(QStringLiteral(":/assets/grandstaff34.png")).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(asset.size(), QSize(343, 114));
    // Unscaled: the image's own top-left pixels, from the box's corner.
    for (int y = 0; y < 114; ++y)
        for (int x = 0; x < 119; ++x)
            QCOMPARE(img.pixel(x, y), asset.pixel(x, y));
    QCOMPARE(img.pixel(150, 50), qRgb(0, 255, 0));  // beyond the box: what lies beneath
    QCOMPARE(img.pixel(5, 115), qRgb(0, 255, 0));   // the box's last rows: the picture is 114 high
    // Stretched: the whole image squeezed into 60×20, each pixel taken from
    // the proportional place in the image (give or take one source pixel).
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 60; ++x) {
            const int sx = (2 * x + 1) * 343 / 120, sy = (2 * y + 1) * 114 / 40;
            bool found = false;
            for (int dy = -3; dy <= 3 && !found; ++dy)
                for (int dx = -3; dx <= 3 && !found; ++dx)
                    found = asset.valid(sx + dx, sy + dy) && asset.pixel(sx + dx, sy + dy) == img.pixel(x, 130 + y);
            QVERIFY2(found, qPrintable(QStringLiteral("stretched pixel (%1,%2)").arg(x).arg(y)));
        }
}

LYRABEL_TEST_MAIN(EngineTest)
#include "test_engine.moc"
