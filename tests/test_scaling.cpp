// Corvalle Lyrabel — a screen whose text scaling is 120 dpi (run with
// QT_FONT_DPI=120): every window scales positions, sizes and font heights by
// one factor, 1.25, and prints at the size it has on that screen.
#include "support.h"

#include "app/windowset.h"
#include "ui/pagewindow.h"
#include "ui/printing.h"
#include "ui/widgets.h"

using namespace ui;

class ScalingTest : public QObject {
    Q_OBJECT

private slots:
    void windowsScaleByOneFactor();
};

// Qt may scale by itself (device pixel ratio 1.25, logical 96 dpi) or report a
// 120-dpi screen that the windows scale for; either way the learner sees the
// same picture. Sizes are compared in device pixels, within the one pixel that
// the two ways of rounding may differ by.
static bool near(QSize a, QSize b) { return std::abs(a.width() - b.width()) <= 1 && std::abs(a.height() - b.height()) <= 1; }
static bool near(QRect a, QRect b) { return near(a.size(), b.size()) && std::abs(a.x() - b.x()) <= 1 && std::abs(a.y() - b.y()) <= 1; }

void ScalingTest::windowsScaleByOneFactor()
{
    if (qEnvironmentVariable("QT_FONT_DPI") != QLatin1String("120"))
        QSKIP("this test needs a 120-dpi screen: run it with QT_FONT_DPI=120");
    app::WindowSet set;
    PageWindow* book = set.lessonBook();
    PageWindow* sheet = set.window("sthcw");
    const double factor = book->devicePixelRatioF() * book->resolution() / 96.0;
    QCOMPARE(factor, 1.25);
    auto device = [&](QRect r) {
        const double dpr = book->devicePixelRatioF();
        return QRect(qRound(r.x() * dpr), qRound(r.y() * dpr), qRound(r.width() * dpr), qRound(r.height() * dpr));
    };
    QVERIFY(near(snapshot(book).size(), QSize(798, 728)));   // 638×582 × 1.25
    QVERIFY(near(snapshot(sheet).size(), QSize(790, 563)));  // 632×450 × 1.25
    // The lesson notebook at (0, -1), 617×578, its pages 609×544 at (4, 30): all × 1.25.
    auto* tabs = book->element<Notebook>(QStringLiteral("LessonTabs"));
    QVERIFY(near(device(tabs->geometry()), QRect(0, -1, 771, 723)));
    QVERIFY(near(device(tabs->page(0)->geometry()), QRect(5, 38, 761, 680)));
    // The 7th worksheet's "Print" at (-2, 1), 41×25, and its 16-px caption.
    auto* print = sheet->element<QPushButton>(QStringLiteral("BitBtn1"));
    QVERIFY(near(device(print->geometry()), QRect(-3, 1, 51, 31)));
    QCOMPARE(qRound(print->font().pixelSize() * sheet->devicePixelRatioF()), 20);
    // Proportional printing keeps the physical size of the design, 632×450 px at
    // 96 dpi, within one screen pixel (10 dots at 1200 dpi) of rounding.
    const QImage picture = captureClient(sheet);
    const QSize dots = printedSize(PrintScaling::Proportional, picture.size(), {9583, 13699}, 1200, 1200, sheet->resolution());
    QVERIFY2(std::abs(dots.width() - 7900) <= 10 && std::abs(dots.height() - 5625) <= 10,
             qPrintable(QStringLiteral("%1x%2 dots").arg(dots.width()).arg(dots.height())));
}

LYRABEL_TEST_MAIN(ScalingTest)
#include "test_scaling.moc"
