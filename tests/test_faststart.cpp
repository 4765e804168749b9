// Corvalle Lyrabel — the program's own start: the lesson book builds its first
// page, then everything else right after its first paint. Anything the
// learner reaches before then is built on the spot and works in full.
#include "support.h"

#include "app/windowset.h"
#include "ui/pagewindow.h"
#include "ui/widgets.h"

#include <QLineEdit>

using namespace ui;

class FastStartTest : public QObject {
    Q_OBJECT

private slots:
    void everythingIsBuiltAfterTheFirstPaint();
    void pagesAndPanelsReachedEarlyWorkInFull();
    void worksheetShownEarlyIsBuiltOnTheSpot();
};

namespace {

int widgetCount(QWidget* w)
{
    return static_cast<int>(w->findChildren<QWidget*>().size());
}

Notebook* tabsOf(PageWindow* book)
{
    // Found without element(), which would complete the window.
    return book->findChild<Notebook*>(QStringLiteral("LessonTabs"));
}

}  // namespace

void FastStartTest::everythingIsBuiltAfterTheFirstPaint()
{
    app::WindowSet complete;
    app::WindowSet fast(app::WindowSet::Start::WorkpagesAfterFirstPaint);
    QVERIFY(widgetCount(fast.lessonBook()) < widgetCount(complete.lessonBook()));
    QVERIFY(!fast.window("mcmc")->isBuilt());
    fast.lessonBook()->showWindow();
    QVERIFY(QTest::qWaitForWindowExposed(fast.lessonBook()));
    QTRY_VERIFY(fast.window("mcmc")->isBuilt());
    for (std::size_t i = 0; i < fast.windows().size(); ++i)
        QCOMPARE(widgetCount(fast.windows()[i].get()), widgetCount(complete.windows()[i].get()));
}

void FastStartTest::pagesAndPanelsReachedEarlyWorkInFull()
{
    app::WindowSet fast(app::WindowSet::Start::WorkpagesAfterFirstPaint);
    PageWindow* book = fast.lessonBook();
    // The verses, opened before anything else was built: shown with their OK button.
    auto* panel1 = book->findChild<Canvas*>(QStringLiteral("Panel1"));
    QVERIFY(panel1);
    QVERIFY(!book->findChild<QPushButton*>(QStringLiteral("BitBtn34")));
    book->runAction("Panel1Click");
    auto* ok = book->findChild<QPushButton*>(QStringLiteral("BitBtn34"));
    QVERIFY(ok);
    // A page selected early gets its elements, and Tab reaches them.
    Notebook* tabs = tabsOf(book);
    tabs->select(7);  // Major
    auto* workpages = book->findChild<QPushButton*>(QStringLiteral("BitBtn28"));
    QVERIFY(workpages);
    book->showWindow();
    QVERIFY(QTest::qWaitForWindowActive(book));
    QVERIFY(book->findChild<QWidget*>(QStringLiteral("ve2"))->isVisible());
    tabs->strip()->setFocus();
    bool reached = false;
    for (int i = 0; i < 6 && !reached; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        reached = QApplication::focusWidget() == workpages;
    }
    QVERIFY(reached);
    // Enter on the tab strip presses the verses' OK button, built late as it was.
    tabs->strip()->setFocus();
    QTest::keyClick(tabs->strip(), Qt::Key_Return);
    QVERIFY(book->findChild<QWidget*>(QStringLiteral("ve2"))->isHidden());
}

void FastStartTest::worksheetShownEarlyIsBuiltOnTheSpot()
{
    app::WindowSet fast(app::WindowSet::Start::WorkpagesAfterFirstPaint);
    PageWindow* sheet = fast.window("mcmc");
    QVERIFY(!sheet->isBuilt());
    fast.lessonBook()->runAction("BitBtn28Click");
    QVERIFY(sheet->isVisible());
    auto* first = sheet->element<QLineEdit>(QStringLiteral("answerLeft1"));
    QVERIFY(first);
    QTest::keyClicks(first, "D F# A");
    QCOMPARE(first->text(), QStringLiteral("D F# A"));
}

LYRABEL_TEST_MAIN(FastStartTest)
#include "test_faststart.moc"
