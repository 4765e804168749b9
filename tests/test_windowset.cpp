// Corvalle Lyrabel — the window set, showing and closing windows, lesson
// navigation, the overlay panels and the error box.
#include "support.h"

#include "app/windowset.h"
#include "ui/errorbox.h"
#include "ui/pagewindow.h"
#include "ui/widgets.h"

#include <QMessageBox>
#include <QTimer>

using namespace ui;

namespace {

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
    void lessonBookTabs();
    void centredPositionIsClamped_data();
    void centredPositionIsClamped();
    void showCentresFirstThenKeepsPlace();
    void closingAWorkpageHidesItAndKeepsEverything();
    void closingTheLessonBookEndsTheProgram();
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
    struct Expected { const char* className; const char* instance; const char* title; QSize client; };
    const Expected expected[] = {
        {"TLessonBook", "LessonBook", "Corvalle Lyrabel", {638, 582}},
        {"Tkw", "kw", "Keyboard Workpages", {632, 450}},
        {"Tmcmc", "mcmc", "Major Chord Workpage", {632, 450}},
        {"Tminorcw", "minorcw", "Minor Chord Workpages", {632, 450}},
        {"Tsthcw", "sthcw", "7th Chord Workpage", {632, 450}},
        {"Tmsthcw", "msthcw", "Major 7th Chord Workpage", {632, 450}},
        {"Tmisthcw", "misthcw", "Minor 7th Chord Workpage", {632, 450}},
        {"Tssc", "ssc", "Scale Workpages", {632, 450}},
        {"TChordWorkpage", "ChordWorkpage", "Chord Workpage", {632, 450}},
        {"Tnsawp", "nsawp", "Notes and Staff Workpage", {632, 450}},
        {"Tsbbs", "sbbs", "Beat Workpages", {632, 450}},
        {"Tbsb", "bsb", "Bass Workpages", {632, 450}},
        {"Tbtb", "btb", "Treble Workpages", {632, 450}},
    };
    QCOMPARE(set.windows().size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        PageWindow* w = set.windows()[i].get();
        QCOMPARE(QString::fromStdString(w->className()), QString::fromLatin1(expected[i].className));
        QCOMPARE(w->objectName(), QString::fromLatin1(expected[i].instance));
        QCOMPARE(w->windowTitle(), QString::fromLatin1(expected[i].title));
        QCOMPARE(w->size(), expected[i].client);
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
    auto* sheets = w->element<Notebook>(QStringLiteral("Sheets"));
    sheets->select(1);
    auto* key = sheets->page(1)->findChild<Notebook*>(QStringLiteral("AnswerKey"));
    key->select(1);
    w->close();
    QVERIFY(w->isHidden());
    QVERIFY(set.lessonBook() != nullptr);
    w->showWindow();
    QCOMPARE(sheets->currentIndex(), 1);
    QCOMPARE(key->currentIndex(), 1);
    // The other sheets' keys stayed covered.
    QCOMPARE(sheets->page(0)->findChild<Notebook*>(QStringLiteral("AnswerKey"))->currentIndex(), 0);
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
