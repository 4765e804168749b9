// Corvalle Lyrabel — the window set, showing and closing windows, lesson
// navigation, the overlay panels and the error box.
#include "support.h"

#include "app/windowset.h"
#include "ui/errorbox.h"
#include "ui/pagewindow.h"
#include "ui/widgets.h"

#include <QMessageBox>
#include <QTimer>

#include <vector>

using namespace ui;

enum class KeyStyle { None, Small, Large, Strip };
Q_DECLARE_METATYPE(KeyStyle)
Q_DECLARE_METATYPE(std::vector<QRect>)

namespace {

bool sameFont(const QFont& q, const Font& f)
{
    return q.family() == substituteFamily(f.family) && q.pixelSize() == f.px && q.bold() == f.bold &&
           q.italic() == f.italic;
}

// Checks one "Cover"/"Answers" key of the given style at `box` in its container.
void checkAnswerKey(Notebook* key, KeyStyle style, const QRect& box)
{
    QVERIFY(key);
    QCOMPARE(key->geometry(), box);
    QCOMPARE(key->pageCount(), 2);
    QCOMPARE(key->strip()->tabText(0), QStringLiteral("Cover"));
    QCOMPARE(key->strip()->tabText(1), QStringLiteral("Answers"));
    QCOMPARE(key->currentIndex(), 0);  // the answers start covered
    QVERIFY(sameFont(key->strip()->font(), msSans(11)));
    const int top = style == KeyStyle::Strip ? 25 : 24;
    for (int i = 0; i < 2; ++i)
        QCOMPARE(key->page(i)->geometry(), QRect(4, top, box.width() - 8, box.height() - top - 4));

    // The cover: one red "Answers" label in Times New Roman, nothing else.
    struct Cover { QPoint at; Font font; QSize size; };
    const Cover cover = style == KeyStyle::Large ? Cover{{23, 80}, tnr(64).bolded().in(red), {236, 73}}
                      : style == KeyStyle::Small ? Cover{{64, 24}, tnr(19).in(red), {65, 21}}
                                                 : Cover{{244, 3}, tnr(24).in(red), {83, 27}};
    Canvas* coverPage = key->page(0);
    QCOMPARE(coverPage->drawn().size(), std::size_t(1));
    QCOMPARE(coverPage->findChildren<QWidget*>().size(), 0);
    const Canvas::Drawn& label = coverPage->drawn().front();
    QCOMPARE(int(label.element.kind), int(Kind::Label));
    QCOMPARE(QString::fromStdString(label.element.caption), QStringLiteral("Answers"));
    QVERIFY(label.font == cover.font);
    const Rect b = label.element.box;
    QCOMPARE(QRect(b.x, b.y, b.w, b.h), QRect(cover.at, cover.size));

    // The answers: read-only text boxes.
    const auto boxes = key->page(1)->findChildren<TextBox*>();
    QCOMPARE(boxes.size(), style == KeyStyle::Large ? 2 : 1);
    for (TextBox* t : boxes) {
        QVERIFY(t->isReadOnly());
        QVERIFY(!t->text().isEmpty());
    }
    const QRect whole = key->page(1)->rect();
    switch (style) {
    case KeyStyle::Large:
        for (TextBox* t : boxes) {
            QCOMPARE(t->height(), 271);
            QVERIFY(sameFont(t->font(), tnr(21).bolded()));
            QCOMPARE(t->palette().color(QPalette::Text), QColor(Qt::black));
            QCOMPARE(t->frameWidth(), 2);  // sunken 3-D
        }
        // Side by side: one left of the other, never overlapping.
        QVERIFY(boxes[0]->geometry().right() < boxes[1]->x() || boxes[1]->geometry().right() < boxes[0]->x());
        break;
    case KeyStyle::Small:
        QCOMPARE(boxes[0]->geometry(), whole);
        QVERIFY(sameFont(boxes[0]->font(), arial(15).bolded()));
        QCOMPARE(boxes[0]->palette().color(QPalette::Text), toQColor(windowText));
        QCOMPARE(boxes[0]->frameWidth(), 1);  // flat 1-px line
        break;
    case KeyStyle::Strip:
        QCOMPARE(boxes[0]->geometry(), whole);
        QVERIFY(sameFont(boxes[0]->font(), arial(13)));
        QCOMPARE(boxes[0]->palette().color(QPalette::Text), QColor(Qt::blue));
        QCOMPARE(boxes[0]->frameWidth(), 2);
        break;
    case KeyStyle::None:
        break;
    }
}

Notebook* lessonTabs(const app::WindowSet& set)
{
    return set.lessonBook()->element<Notebook>(QStringLiteral("LessonTabs"));
}

// Clicks a lesson page button: selects its page, then clicks it like a learner.
void clickPageButton(const app::WindowSet& set, int page, const QString& button)
{
    lessonTabs(set)->select(page - 1);
    auto* b = set.lessonBook()->element<QPushButton>(button);
    QVERIFY2(b, qPrintable(button));
    QTest::mouseClick(b, Qt::LeftButton);
}

}  // namespace

class WindowSetTest : public QObject {
    Q_OBJECT

private slots:
    void windowsInCreationOrder();
    void worksheetFrames_data();
    void worksheetFrames();
    void sheetNotebookFollowsTheWindowSize();
    void editFieldHeightsFollowTheirFonts();
    void lessonBookTabs();
    void centredPositionIsClamped_data();
    void centredPositionIsClamped();
    void showCentresFirstThenKeepsPlace();
    void closingAWorkpageHidesItAndKeepsEverything();
    void closingTheLessonBookEndsTheProgram();
    void pageButtonsAndOverlayPanels_data();
    void pageButtonsAndOverlayPanels();
    void pageButtonsShowTheirWindows_data();
    void pageButtonsShowTheirWindows();
    void versesPanelStaysOverEveryPage();
    void chordExampleBelongsToTheChordsPage();
    void errorBoxAddsPeriod_data();
    void errorBoxAddsPeriod();
    void failingActionShowsTheErrorBox();
};

void WindowSetTest::windowsInCreationOrder()
{
    app::WindowSet set;
    struct Expected {
        const char* className; const char* instance; const char* title; QSize client;
        Colour colour; Font font; PrintScaling printing;
    };
    const auto fit = PrintScaling::FitToPage, prop = PrintScaling::Proportional, none = PrintScaling::NotPrintable;
    const Font sans = msSans(11);
    const Expected expected[] = {
        //  class             instance         title                        client      colour  font               printing
        {"TLessonBook",    "LessonBook",    "Corvalle Lyrabel",         {638, 582}, purple, sans,              none},
        {"Tkw",            "kw",            "Keyboard Workpages",       {632, 450}, white,  sans,              fit},
        {"Tmcmc",          "mcmc",          "Major Chord Workpage",     {632, 450}, white,  sans,              fit},
        {"Tminorcw",       "minorcw",       "Minor Chord Workpages",    {632, 450}, white,  sans,              fit},
        {"Tsthcw",         "sthcw",         "7th Chord Workpage",       {632, 450}, white,  sans,              prop},
        {"Tmsthcw",        "msthcw",        "Major 7th Chord Workpage", {632, 450}, white,  sans,              fit},
        {"Tmisthcw",       "misthcw",       "Minor 7th Chord Workpage", {632, 450}, white,  sans,              fit},
        {"Tssc",           "ssc",           "Scale Workpages",          {632, 450}, white,  sans,              fit},
        {"TChordWorkpage", "ChordWorkpage", "Chord Workpage",           {632, 450}, white,  tnr(16).bolded(),  fit},
        {"Tnsawp",         "nsawp",         "Notes and Staff Workpage", {632, 450}, white,  sans,              fit},
        {"Tsbbs",          "sbbs",          "Beat Workpages",           {632, 450}, white,  sans,              prop},
        {"Tbsb",           "bsb",           "Bass Workpages",           {632, 450}, white,  sans,              fit},
        {"Tbtb",           "btb",           "Treble Workpages",         {632, 450}, white,  sans,              fit},
    };
    QCOMPARE(set.windows().size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        PageWindow* w = set.windows()[i].get();
        QCOMPARE(QString::fromStdString(w->className()), QString::fromLatin1(expected[i].className));
        QCOMPARE(w->objectName(), QString::fromLatin1(expected[i].instance));
        QCOMPARE(w->windowTitle(), QString::fromLatin1(expected[i].title));
        QCOMPARE(w->size(), expected[i].client);
        QVERIFY(w->colour() == expected[i].colour);
        QCOMPARE(w->font().family(), substituteFamily(expected[i].font.family));
        QCOMPARE(w->font().pixelSize(), expected[i].font.px);
        QCOMPARE(w->font().bold(), expected[i].font.bold);
        QCOMPARE(int(w->printScaling()), int(expected[i].printing));
        QVERIFY(!w->isVisible());
        QVERIFY(!w->windowIcon().isNull());
        // Every workpage has exactly one "Print" button, a direct element of the window.
        if (i > 0) {
            const auto prints = w->findChildren<QPushButton*>(QStringLiteral("BitBtn1"));
            QCOMPARE(prints.size(), 1);
            QCOMPARE(prints.front()->parentWidget(), w);
            QCOMPARE(prints.front()->text(), QStringLiteral("Print"));
        }
    }
}

void WindowSetTest::worksheetFrames_data()
{
    QTest::addColumn<QString>("instance");
    QTest::addColumn<int>("sheets");           // 0: no sheet notebook
    QTest::addColumn<QRect>("print");
    QTest::addColumn<bool>("boldPrint");
    QTest::addColumn<KeyStyle>("keys");
    QTest::addColumn<std::vector<QRect>>("keyBoxes");  // one per sheet, or the one on the window
    const auto small = KeyStyle::Small, large = KeyStyle::Large;
    const QRect largeKey(156, 124, 289, 294);
    //                              instance      sheets  "Print" at, size       bold   keys             key boxes
    QTest::newRow("Tsbbs")    << "sbbs"          << 3 << QRect( 0, 24, 39, 25) << true  << small
        << std::vector<QRect>{{416, 323, 200, 97}, {395, 318, 214, 97}, {400, 314, 200, 97}};
    QTest::newRow("Tbtb")     << "btb"           << 3 << QRect( 0, 24, 33, 25) << false << small
        << std::vector<QRect>{{416, 316, 200, 97}, {400, 304, 200, 97}, {400, 304, 200, 97}};
    QTest::newRow("Tbsb")     << "bsb"           << 3 << QRect( 0, 24, 39, 25) << true  << small
        << std::vector<QRect>{{416, 320, 200, 97}, {400, 304, 200, 97}, {400, 304, 200, 97}};
    QTest::newRow("Tnsawp")   << "nsawp"         << 0 << QRect( 0, -1, 40, 25) << true  << KeyStyle::Strip
        << std::vector<QRect>{{1, 370, 625, 66}};
    QTest::newRow("Tkw")      << "kw"            << 5 << QRect( 0, 24, 38, 25) << true  << KeyStyle::None << std::vector<QRect>{};
    QTest::newRow("Tmcmc")    << "mcmc"          << 0 << QRect( 0,  0, 41, 25) << true  << large << std::vector<QRect>{largeKey};
    QTest::newRow("Tminorcw") << "minorcw"       << 0 << QRect( 3,  3, 39, 25) << true  << large << std::vector<QRect>{largeKey};
    QTest::newRow("Tsthcw")   << "sthcw"         << 0 << QRect(-2,  1, 41, 25) << true  << large << std::vector<QRect>{largeKey};
    QTest::newRow("Tmsthcw")  << "msthcw"        << 0 << QRect( 0,  3, 40, 25) << true  << large << std::vector<QRect>{largeKey};
    QTest::newRow("Tmisthcw") << "misthcw"       << 0 << QRect( 0,  0, 38, 25) << true  << large << std::vector<QRect>{largeKey};
    QTest::newRow("TChordWorkpage") << "ChordWorkpage" << 0 << QRect(0, 0, 41, 25) << true << KeyStyle::None << std::vector<QRect>{};
    QTest::newRow("Tssc")     << "ssc"           << 3 << QRect(-1, 23, 42, 25) << true  << KeyStyle::None << std::vector<QRect>{};
}

void WindowSetTest::worksheetFrames()
{
    QFETCH(QString, instance);
    QFETCH(int, sheets);
    QFETCH(QRect, print);
    QFETCH(bool, boldPrint);
    QFETCH(KeyStyle, keys);
    QFETCH(std::vector<QRect>, keyBoxes);
    app::WindowSet set;
    PageWindow* w = set.window(instance.toStdString());
    QVERIFY(w);
    w->showWindow();

    // "Print": a plain button, blue Times New Roman 16 px, a direct element of the window.
    auto* printButton = w->element<PushButton>(QStringLiteral("BitBtn1"));
    QVERIFY(printButton);
    QCOMPARE(printButton->parentWidget(), w);
    QCOMPARE(printButton->geometry(), print);
    QCOMPARE(printButton->text(), QStringLiteral("Print"));
    QVERIFY(!printButton->isOkButton());
    QVERIFY(sameFont(printButton->font(), boldPrint ? tnr(16).bolded() : tnr(16)));
    QCOMPARE(printButton->palette().color(QPalette::ButtonText), QColor(Qt::blue));

    auto* sheetBook = w->element<Notebook>(QStringLiteral("Sheets"));
    const QList<Notebook*> allKeys = w->findChildren<Notebook*>(QStringLiteral("AnswerKey"));
    if (sheets == 0) {
        QVERIFY(!sheetBook);
        QCOMPARE(allKeys.size(), qsizetype(keyBoxes.size()));
        if (!keyBoxes.empty()) {
            QCOMPARE(allKeys.front()->parentWidget(), w);
            checkAnswerKey(allKeys.front(), keys, keyBoxes.front());
        }
        return;
    }

    // The sheet notebook fills the client area, sheets "1", "2", ... at (4, 24);
    // "Print" is declared after it, so it lies over it.
    QVERIFY(sheetBook);
    QCOMPARE(sheetBook->parentWidget(), w);
    QCOMPARE(sheetBook->geometry(), QRect(QPoint(0, 0), w->size()));
    QVERIFY(sameFont(sheetBook->strip()->font(), msSans(11)));
    QCOMPARE(sheetBook->pageCount(), sheets);
    QCOMPARE(sheetBook->currentIndex(), 0);
    const QList<QObject*> windowChildren = w->children();
    QVERIFY(windowChildren.indexOf(printButton) > windowChildren.indexOf(sheetBook));
    for (int i = 0; i < sheets; ++i) {
        QCOMPARE(sheetBook->strip()->tabText(i), QString::number(i + 1));
        QCOMPARE(sheetBook->page(i)->geometry(), QRect(4, 24, w->width() - 8, w->height() - 28));
        QVERIFY(sheetBook->page(i)->colour() == white);
        const auto onSheet = sheetBook->page(i)->findChildren<Notebook*>(QStringLiteral("AnswerKey"));
        if (keys == KeyStyle::None) {
            QCOMPARE(onSheet.size(), 0);
            continue;
        }
        QCOMPARE(onSheet.size(), 1);
        QCOMPARE(onSheet.front()->parentWidget(), sheetBook->page(i));
        checkAnswerKey(onSheet.front(), keys, keyBoxes[std::size_t(i)]);
    }
    QCOMPARE(allKeys.size(), keys == KeyStyle::None ? 0 : sheets);
}

void WindowSetTest::sheetNotebookFollowsTheWindowSize()
{
    app::WindowSet set;
    // A worksheet with sheets: the notebook follows the client area, the sheets' elements stay put.
    PageWindow* sheetsWindow = set.window("sbbs");
    sheetsWindow->showWindow();
    auto* sheets = sheetsWindow->element<Notebook>(QStringLiteral("Sheets"));
    QWidget* key = testing::keyOnSheet(sheetsWindow, 0);
    const QRect keyBefore = key->geometry();
    const QRect printBefore = sheetsWindow->element(QStringLiteral("BitBtn1"))->geometry();
    sheetsWindow->resize(700, 520);
    QCOMPARE(sheets->geometry(), QRect(0, 0, 700, 520));
    QCOMPARE(sheets->page(0)->geometry(), QRect(4, 24, 692, 492));
    QCOMPARE(key->geometry(), keyBefore);
    QCOMPARE(sheetsWindow->element(QStringLiteral("BitBtn1"))->geometry(), printBefore);
    sheetsWindow->resize(500, 300);
    QCOMPARE(sheets->geometry(), QRect(0, 0, 500, 300));
    QCOMPARE(key->geometry(), keyBefore);

    // Without sheets, and the lesson book: resizing moves nothing.
    for (const char* name : {"mcmc", "LessonBook"}) {
        PageWindow* w = set.window(name);
        w->showWindow();
        QList<QRect> before;
        const auto widgets = w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        for (QWidget* c : widgets)
            before << c->geometry();
        w->resize(800, 700);
        for (qsizetype i = 0; i < widgets.size(); ++i)
            QCOMPARE(widgets[i]->geometry(), before[i]);
    }
}

void WindowSetTest::editFieldHeightsFollowTheirFonts()
{
    // An edit field is its font's line height plus 8 px high, in every window.
    app::WindowSet set;
    int fields = 0;
    for (const auto& w : set.windows()) {
        w->complete();
        for (EditField* e : w->findChildren<EditField*>()) {
            const QFont& q = e->font();
            Font f;
            for (Family family : {Family::TimesNewRoman, Family::Arial, Family::MsSansSerif})
                if (substituteFamily(family) == q.family())
                    f.family = family;
            f.px = q.pixelSize();
            f.bold = q.bold();
            f.italic = q.italic();
            QVERIFY2(e->height() == lineHeight(f) + 8,
                     qPrintable(QStringLiteral("%1: field at (%2,%3) is %4 high in a %5-px font")
                                    .arg(w->objectName()).arg(e->x()).arg(e->y()).arg(e->height()).arg(f.px)));
            ++fields;
        }
    }
    QVERIFY(fields > 100);
}

void WindowSetTest::lessonBookTabs()
{
    app::WindowSet set;
    Notebook* tabs = lessonTabs(set);
    const QStringList captions{"&Welcome", "Introduction", "Beats", "Treble", "Bass", "Notes and Staff",
                               "Keyboard Info", "Major", "Minor", "7th", "Major 7th ", "Minor 7th", "Chords", "Scale"};
    QCOMPARE(tabs->pageCount(), captions.size());
    for (int i = 0; i < tabs->pageCount(); ++i) {
        QCOMPARE(tabs->strip()->tabText(i), captions[i]);
        QCOMPARE(tabs->page(i)->size(), QSize(609, 544));
        QCOMPARE(tabs->page(i)->pos(), QPoint(4, 30));
        // The lesson page background: purple all over. A left-aligned rectangle,
        // where there is one, is purple and covers the page; client-aligned ones
        // after it find no room and stay beyond the right edge, unseen.
        QVERIFY(tabs->page(i)->colour() == purple);
        bool leftAligned = false;
        for (const Canvas::Drawn& d : tabs->page(i)->drawn()) {
            const Element& e = d.element;
            if (e.align == Align::Left) {
                leftAligned = true;
                QVERIFY(e.fill == purple && e.outline == purple && e.fillStyle == FillStyle::Solid);
                QCOMPARE(QRect(e.box.x, e.box.y, e.box.w, e.box.h) & QRect(0, 0, 609, 544), QRect(0, 0, 609, 544));
            } else if (e.align == Align::Client) {
                QVERIFY(leftAligned);
                QVERIFY2(e.box.x >= 609, qPrintable(captions[i]));
            }
        }
    }
    QCOMPARE(tabs->geometry(), QRect(0, -1, 617, 578));
    QCOMPARE(tabs->currentIndex(), 0);
    // Fourteen tabs do not fit 617 px: the strip scrolls.
    QVERIFY(tabs->strip()->tabRect(13).right() > tabs->width());
}

void WindowSetTest::centredPositionIsClamped_data()
{
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QSize>("outer");
    QTest::addColumn<QPoint>("expected");
    QTest::newRow("lesson book on 1280×1024") << QRect(0, 0, 1280, 1024) << QSize(646, 612) << QPoint(317, 206);
    QTest::newRow("workpage on 1280×1024") << QRect(0, 0, 1280, 1024) << QSize(640, 480) << QPoint(320, 272);
    QTest::newRow("odd difference rounds down") << QRect(0, 0, 801, 601) << QSize(640, 480) << QPoint(80, 60);
    QTest::newRow("screen narrower than the window") << QRect(0, 0, 600, 1024) << QSize(646, 612) << QPoint(0, 206);
    QTest::newRow("screen smaller both ways") << QRect(0, 0, 320, 240) << QSize(640, 480) << QPoint(0, 0);
    QTest::newRow("second screen") << QRect(1280, 0, 1024, 768) << QSize(640, 480) << QPoint(1472, 144);
}

void WindowSetTest::centredPositionIsClamped()
{
    QFETCH(QRect, screen);
    QFETCH(QSize, outer);
    QFETCH(QPoint, expected);
    QCOMPARE(PageWindow::centredPosition(screen, outer), expected);
}

void WindowSetTest::showCentresFirstThenKeepsPlace()
{
    app::WindowSet set;
    PageWindow* w = set.window("mcmc");
    w->showWindow();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    QCOMPARE(w->pos(), QPoint(320, 272));
    w->move(40, 50);
    w->resize(700, 500);
    w->close();
    QVERIFY(!w->isVisible());
    w->showWindow();
    QCOMPARE(w->pos(), QPoint(40, 50));
    QCOMPARE(w->size(), QSize(700, 500));
    // Showing a visible window only brings it forward.
    w->showWindow();
    QCOMPARE(w->pos(), QPoint(40, 50));
}

void WindowSetTest::closingAWorkpageHidesItAndKeepsEverything()
{
    app::WindowSet set;
    PageWindow* w = set.window("sbbs");
    w->showWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    auto* sheets = w->element<Notebook>(QStringLiteral("Sheets"));
    testing::clickTab(sheets, 1);
    auto* key = sheets->page(1)->findChild<Notebook*>(QStringLiteral("AnswerKey"));
    testing::clickTab(key, 1);
    auto* field = sheets->page(1)->findChild<EditField*>();
    QTest::mouseClick(field, Qt::LeftButton);
    QTest::keyClicks(field, "3");
    w->close();
    QVERIFY(w->isHidden());
    QVERIFY(set.lessonBook() != nullptr);
    w->showWindow();
    QCOMPARE(sheets->currentIndex(), 1);
    QCOMPARE(key->currentIndex(), 1);
    QCOMPARE(field->text(), QStringLiteral("3"));
    // The other sheets' keys stayed covered.
    QCOMPARE(sheets->page(0)->findChild<Notebook*>(QStringLiteral("AnswerKey"))->currentIndex(), 0);

    // Ticks on a scale worksheet, and where the learner moved it.
    PageWindow* ssc = set.window("ssc");
    ssc->showWindow();
    QVERIFY(QTest::qWaitForWindowActive(ssc));
    auto* scaleSheets = ssc->element<Notebook>(QStringLiteral("Sheets"));
    testing::clickTab(scaleSheets, 2);
    auto* tick = scaleSheets->page(2)->findChild<TickBox*>();
    QVERIFY(tick);
    QTest::mouseClick(tick, Qt::LeftButton, {}, QPoint(5, tick->height() / 2));
    QVERIFY(tick->isChecked());
    ssc->move(33, 44);
    ssc->close();
    QVERIFY(ssc->isHidden());
    ssc->showWindow();
    QCOMPARE(ssc->pos(), QPoint(33, 44));
    QCOMPARE(scaleSheets->currentIndex(), 2);
    QVERIFY(tick->isChecked());
}

void WindowSetTest::closingTheLessonBookEndsTheProgram()
{
    app::WindowSet set;
    set.lessonBook()->showWindow();
    set.window("mcmc")->showWindow();
    set.window("btb")->showWindow();
    bool timedOut = false;
    QTimer::singleShot(0, set.lessonBook(), [&] { set.lessonBook()->close(); });
    QTimer::singleShot(5000, qApp, [&] { timedOut = true; QCoreApplication::exit(1); });
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(!timedOut);
}

void WindowSetTest::pageButtonsAndOverlayPanels_data()
{
    QTest::addColumn<int>("page");            // lesson page the button lies on
    QTest::addColumn<QString>("container");   // "" = the page itself, else the panel's name
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("box");
    //                                   page container  element      caption           at, size
    QTest::newRow("Beats")           <<  3 << ""       << "BitBtn25" << "Workpages"     << QRect(259, 394,  81, 25);
    QTest::newRow("Treble")          <<  4 << ""       << "BitBtn1"  << "Workpages"     << QRect(269, 403,  81, 25);
    QTest::newRow("Bass")            <<  5 << ""       << "BitBtn24" << "Workpages"     << QRect(255, 404,  81, 25);
    QTest::newRow("Notes and Staff") <<  6 << ""       << "BitBtn36" << "Workpages"     << QRect(252, 406,  84, 23);
    QTest::newRow("Keyboard Info")   <<  7 << ""       << "BitBtn26" << "Workpages"     << QRect(274, 391,  81, 25);
    QTest::newRow("Major")           <<  8 << ""       << "BitBtn28" << "Workpages"     << QRect(246, 394,  81, 25);
    QTest::newRow("Minor")           <<  9 << ""       << "BitBtn29" << "Workpages"     << QRect(257, 392,  83, 25);
    QTest::newRow("7th")             << 10 << ""       << "BitBtn30" << "Workpages"     << QRect(244, 389,  83, 25);
    QTest::newRow("Major 7th")       << 11 << ""       << "BitBtn31" << "Workpages"     << QRect(255, 391,  81, 25);
    QTest::newRow("Minor 7th")       << 12 << ""       << "BitBtn32" << "Workpages"     << QRect(259, 393,  81, 25);
    QTest::newRow("Chords")          << 13 << ""       << "BitBtn33" << "Workpage"      << QRect(312, 384,  75, 25);
    QTest::newRow("Chords example")  << 13 << ""       << "BitBtn35" << "Go To Example" << QRect(190, 385, 119, 23);
    QTest::newRow("inside cpexam")   << 13 << "cpexam" << "BitBtn2"  << "Workpage"      << QRect(480, 467,  97, 25);
    QTest::newRow("Scale")           << 14 << ""       << "BitBtn27" << "Workpages"     << QRect(259, 394,  87, 25);
}

void WindowSetTest::pageButtonsAndOverlayPanels()
{
    QFETCH(int, page);
    QFETCH(QString, container);
    QFETCH(QString, button);
    QFETCH(QString, caption);
    QFETCH(QRect, box);
    app::WindowSet set;
    PageWindow* book = set.lessonBook();
    Notebook* tabs = lessonTabs(set);
    QWidget* expectedParent = container.isEmpty() ? tabs->page(page - 1) : book->element(container);
    QVERIFY(expectedParent);
    QVERIFY(container.isEmpty() || expectedParent->parentWidget() == tabs->page(page - 1));
    const auto matches = book->findChildren<PushButton*>(button);
    QCOMPARE(matches.size(), 1);  // one element of that name in the whole lesson book
    PushButton* b = matches.front();
    QCOMPARE(b->parentWidget(), expectedParent);
    QCOMPARE(b->geometry(), box);
    QCOMPARE(b->text(), caption);
    QVERIFY(!b->isOkButton());
    QVERIFY(b->icon().isNull());  // plain: no glyph
    QVERIFY(sameFont(b->font(), tnr(16).bolded()));
    QCOMPARE(b->palette().color(QPalette::ButtonText), QColor(Qt::red));

    // The two overlay panels and their OK buttons.
    struct Overlay { const char* panel; QWidget* parent; QRect box; const char* ok; QRect okBox; Colour okColour; };
    const Overlay overlays[] = {
        {"ve2", book, {3, 30, 614, 403}, "BitBtn34", {509, 364, 75, 25}, windowText},
        {"cpexam", tabs->page(12), {0, -1, 609, 544}, "BitBtn21", {473, 515, 75, 25}, black},
    };
    for (const Overlay& o : overlays) {
        QWidget* panel = book->element(QString::fromLatin1(o.panel));
        QVERIFY(panel);
        QCOMPARE(panel->parentWidget(), o.parent);
        QVERIFY(panel->isHidden());
        // Declared last in its container, so it lies over everything else there.
        const auto siblings = o.parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        QCOMPARE(siblings.back(), panel);
        book->showElement(QString::fromLatin1(o.panel));
        QCOMPARE(panel->geometry(), o.box);
        auto* ok = book->element<PushButton>(QString::fromLatin1(o.ok));
        QVERIFY(ok);
        QCOMPARE(ok->parentWidget(), panel);
        QVERIFY(ok->isOkButton());
        QVERIFY(!ok->icon().isNull());
        QCOMPARE(ok->text(), QStringLiteral("OK"));
        QCOMPARE(ok->geometry(), o.okBox);
        QVERIFY(sameFont(ok->font(), tnr(16).bolded()));
        QCOMPARE(ok->palette().color(QPalette::ButtonText), toQColor(o.okColour));
        book->hideElement(QString::fromLatin1(o.panel));
    }
    // The panel on the Welcome page that opens the verses.
    auto* panel1 = book->element<Canvas>(QStringLiteral("Panel1"));
    QVERIFY(panel1);
    QCOMPARE(panel1->parentWidget(), tabs->page(0));
    QCOMPARE(panel1->geometry(), QRect(190, 407, 262, 21));
    QCOMPARE(QString::fromStdString(panel1->caption()), QStringLiteral("Click Here for A Reason to Sing"));
}

void WindowSetTest::pageButtonsShowTheirWindows_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("window");
    QTest::newRow("Beats") << 3 << "BitBtn25" << "sbbs";
    QTest::newRow("Treble") << 4 << "BitBtn1" << "btb";
    QTest::newRow("Bass") << 5 << "BitBtn24" << "bsb";
    QTest::newRow("Notes and Staff") << 6 << "BitBtn36" << "nsawp";
    QTest::newRow("Keyboard Info") << 7 << "BitBtn26" << "kw";
    QTest::newRow("Major") << 8 << "BitBtn28" << "mcmc";
    QTest::newRow("Minor") << 9 << "BitBtn29" << "minorcw";
    QTest::newRow("7th") << 10 << "BitBtn30" << "sthcw";
    QTest::newRow("Major 7th") << 11 << "BitBtn31" << "msthcw";
    QTest::newRow("Minor 7th") << 12 << "BitBtn32" << "misthcw";
    QTest::newRow("Chords") << 13 << "BitBtn33" << "ChordWorkpage";
    QTest::newRow("Scale") << 14 << "BitBtn27" << "ssc";
}

void WindowSetTest::pageButtonsShowTheirWindows()
{
    QFETCH(int, page);
    QFETCH(QString, button);
    QFETCH(QString, window);
    app::WindowSet set;
    set.lessonBook()->showWindow();
    QVERIFY(QTest::qWaitForWindowExposed(set.lessonBook()));
    clickPageButton(set, page, button);
    for (const auto& w : set.windows()) {
        const bool shouldShow = w.get() == set.lessonBook() || w->objectName() == window;
        QCOMPARE(w->isVisible(), shouldShow);
    }
    // A second press opens no second window and moves nothing.
    PageWindow* target = set.window(window.toStdString());
    target->move(10, 20);
    clickPageButton(set, page, button);
    QCOMPARE(target->pos(), QPoint(10, 20));
    QCOMPARE(set.lessonBook()->findChildren<PageWindow*>().size(), 0);
}

void WindowSetTest::versesPanelStaysOverEveryPage()
{
    app::WindowSet set;
    PageWindow* book = set.lessonBook();
    book->showWindow();
    QVERIFY(QTest::qWaitForWindowActive(book));
    QWidget* verses = book->element(QStringLiteral("ve2"));
    QVERIFY(verses->isHidden());
    QCOMPARE(verses->geometry(), QRect(3, 30, 614, 403));
    QTest::mouseClick(book->element(QStringLiteral("Panel1")), Qt::LeftButton);
    QVERIFY(verses->isVisible());
    // Clicking the panel again changes nothing; other tabs keep the verses on top.
    QTest::mouseClick(book->element(QStringLiteral("Panel1")), Qt::LeftButton, {}, QPoint(5, 15));
    QVERIFY(verses->isVisible());
    lessonTabs(set)->select(13);
    QVERIFY(verses->isVisible());
    // Alt+W goes back to Welcome; Enter on the tab strip presses the verses' OK.
    lessonTabs(set)->strip()->setFocus();
    QTest::keyClick(lessonTabs(set)->strip(), Qt::Key_W, Qt::AltModifier);
    QCOMPARE(lessonTabs(set)->currentIndex(), 0);
    QTest::keyClick(lessonTabs(set)->strip(), Qt::Key_Return);
    QVERIFY(verses->isHidden());
    // The OK button itself, clicked.
    QTest::mouseClick(book->element(QStringLiteral("Panel1")), Qt::LeftButton);
    QTest::mouseClick(book->element(QStringLiteral("BitBtn34")), Qt::LeftButton);
    QVERIFY(verses->isHidden());
}

void WindowSetTest::chordExampleBelongsToTheChordsPage()
{
    app::WindowSet set;
    PageWindow* book = set.lessonBook();
    book->showWindow();
    QVERIFY(QTest::qWaitForWindowExposed(book));
    QWidget* example = book->element(QStringLiteral("cpexam"));
    QVERIFY(example->isHidden());
    clickPageButton(set, 13, QStringLiteral("BitBtn35"));
    QVERIFY(example->isVisible());
    QCOMPARE(example->geometry(), QRect(0, -1, 609, 544));
    lessonTabs(set)->select(2);
    QVERIFY(!example->isVisible());
    lessonTabs(set)->select(12);
    QVERIFY(example->isVisible());
    // The example's own "Workpage" button opens the Chord Workpage.
    QTest::mouseClick(book->element(QStringLiteral("BitBtn2")), Qt::LeftButton);
    QVERIFY(set.window("ChordWorkpage")->isVisible());
    QTest::mouseClick(book->element(QStringLiteral("BitBtn21")), Qt::LeftButton);
    QVERIFY(example->isHidden());
    QVERIFY(book->element(QStringLiteral("BitBtn33"))->isVisible());
}

void WindowSetTest::errorBoxAddsPeriod_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    QTest::newRow("letter") << "Printing in progress" << "Printing in progress.";
    QTest::newRow("digit") << "Error 5" << "Error 5.";
    QTest::newRow("period already") << "Done." << "Done.";
    QTest::newRow("comma is below the period") << "Oops," << "Oops,";
    QTest::newRow("closing parenthesis is below the period") << "(x)" << "(x)";
    QTest::newRow("closing square bracket") << "[x]" << "[x].";
    QTest::newRow("exclamation is below the period") << "No!" << "No!";
    QTest::newRow("empty") << "" << "";
}

void WindowSetTest::errorBoxAddsPeriod()
{
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QCOMPARE(withPeriod(text), shown);
}

void WindowSetTest::failingActionShowsTheErrorBox()
{
    app::WindowSet set;
    PageWindow* w = set.window("mcmc");
    w->showWindow();
    w->bind("explode", [] { throw std::runtime_error("Printer selected is not valid"); });
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        box->accept();
    });
    w->runAction("explode");
    QCOMPARE(title, QStringLiteral("Corvalle Lyrabel"));
    QCOMPARE(text, QStringLiteral("Printer selected is not valid."));
    QCOMPARE(icon, QMessageBox::Critical);
    QVERIFY(w->isVisible());
}

LYRABEL_TEST_MAIN(WindowSetTest)
#include "test_windowset.moc"
