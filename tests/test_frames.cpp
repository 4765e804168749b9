// Corvalle Lyrabel — golden pictures of the lesson book's frame (tabs, page
// backgrounds, page buttons, the two overlay panels) and of the worksheet
// frames (sheets, "Print", the three answer-key styles, covered and uncovered).
#include "support.h"

#include "app/windowset.h"
#include "ui/pagewindow.h"

using namespace ui;

class FramesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { windows = std::make_unique<app::WindowSet>(); }
    void cleanupTestCase() { windows.reset(); }

    void pictures_data();
    void pictures();

private:
    std::unique_ptr<app::WindowSet> windows;
};

void FramesTest::pictures_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("sheet");
    QTest::addColumn<bool>("answers");
    QTest::addColumn<QString>("panel");
    QTest::addColumn<QString>("golden");
    //                                        window            page sheet answers panel      golden
    QTest::newRow("welcome")         << "LessonBook"      << 1  << 0 << false << ""       << "frame-lesson-page01";
    QTest::newRow("verses open")     << "LessonBook"      << 1  << 0 << false << "ve2"    << "frame-lesson-page01-ve2";
    QTest::newRow("verses on scale") << "LessonBook"      << 14 << 0 << false << "ve2"    << "frame-lesson-page14-ve2";
    QTest::newRow("beats")           << "LessonBook"      << 3  << 0 << false << ""       << "frame-lesson-page03";
    QTest::newRow("chords")          << "LessonBook"      << 13 << 0 << false << ""       << "frame-lesson-page13";
    QTest::newRow("chord example")   << "LessonBook"      << 13 << 0 << false << "cpexam" << "frame-lesson-page13-cpexam";
    QTest::newRow("keyboard sheets") << "kw"              << 0  << 5 << false << ""       << "frame-kw-sheet5";
    QTest::newRow("scale sheets")    << "ssc"             << 0  << 2 << false << ""       << "frame-ssc-sheet2";
    QTest::newRow("chord workpage")  << "ChordWorkpage"   << 0  << 0 << false << ""       << "frame-ChordWorkpage";
    QTest::newRow("strip key cover") << "nsawp"           << 0  << 0 << false << ""       << "frame-nsawp";
    QTest::newRow("strip key open")  << "nsawp"           << 0  << 0 << true  << ""       << "frame-nsawp-answers";
    QTest::newRow("small key sheet 2 cover") << "sbbs"    << 0  << 2 << false << ""       << "frame-sbbs-sheet2";
    QTest::newRow("small key sheet 2 open")  << "sbbs"    << 0  << 2 << true  << ""       << "frame-sbbs-sheet2-answers";
}

void FramesTest::pictures()
{
    QFETCH(QString, window);
    QFETCH(int, page);
    QFETCH(int, sheet);
    QFETCH(bool, answers);
    QFETCH(QString, panel);
    QFETCH(QString, golden);
    PageWindow* w = windows->window(window.toStdString());
    QVERIFY(w);
    applyState(w, {.page = page, .sheet = sheet, .answers = answers, .panel = panel});
    const QImage picture = snapshot(w);
    if (!panel.isEmpty())
        w->hideElement(panel);
    LYRABEL_COMPARE_GOLDEN(picture, golden);
}

LYRABEL_TEST_MAIN(FramesTest)
#include "test_frames.moc"
