// Corvalle Lyrabel — printing: the two scaling rules, the captured picture,
// the three errors, a PDF page measured, and one real job through CUPS.
#include "support.h"

#include "app/windowset.h"
#include "ui/errorbox.h"
#include "ui/pagewindow.h"
#include "ui/printing.h"
#include "ui/workpageframe.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

using namespace ui;

Q_DECLARE_METATYPE(ui::PrintScaling)

namespace {

class NoPrinter : public PrinterSource {
public:
    std::unique_ptr<QPrinter> defaultPrinter() override { return nullptr; }
};

// Prints to a PDF file and, when asked for its printer, has a second "Print"
// press queued so that it arrives while the first page is being handed over.
class PressAgainWhilePrinting : public PdfFilePrinter {
public:
    PressAgainWhilePrinting(QString path, QPushButton* print) : PdfFilePrinter(std::move(path)), print_(print) {}
    std::unique_ptr<QPrinter> defaultPrinter() override
    {
        if (!pressed_) {
            pressed_ = true;
            QTimer::singleShot(0, print_, [b = print_] { b->click(); });
        }
        return PdfFilePrinter::defaultPrinter();
    }

private:
    QPushButton* print_;
    bool pressed_ = false;
};

// A window filled yellow edge to edge, so a printed page shows exactly where the picture went.
WindowDef yellowSheet(PrintScaling scaling)
{
    WindowDef def;
    def.className = "TYellow";
    def.instance = "yellow";
    def.title = "Yellow";
    def.printScaling = scaling;
    def.elements = {shape(0, 0, 632, 450).filled(yellow).pen(yellow), printButton(0, 0, 41, 25)};
    return def;
}

struct Watcher {
    QStringList errors;
    Watcher() { setErrorWatcher([this](const QString& e) { errors << e; }, false); }
    ~Watcher() { setErrorWatcher(nullptr, true); }
};

// First page of a PDF rendered at 72 dpi; a null image when poppler is missing.
QImage renderPdf(const QString& pdf)
{
    const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (pdftoppm.isEmpty())
        return {};
    QTemporaryDir dir;
    QProcess p;
    p.start(pdftoppm, {"-r", "72", "-f", "1", "-l", "1", "-png", "-singlefile", pdf, dir.filePath("page")});
    p.waitForFinished(30000);
    return QImage(dir.filePath("page.png"));
}

// Bounding box of the non-white pixels.
QRect inkBox(const QImage& img)
{
    QRect box;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qGray(img.pixel(x, y)) < 240)
                box |= QRect(x, y, 1, 1);
    return box;
}

// Expected box at 72 dpi of a 632×450 picture on an A4 page at 1200 dpi with
// a 167-dot margin (the geometry Qt's PDF output and cups-pdf use).
QRect expectedA4Box(PrintScaling scaling)
{
    const QSize dots = printedSize(scaling, {632, 450}, {9583, 13699}, 1200, 1200, 96);
    auto at72 = [](int dots) { return qRound(dots * 72.0 / 1200.0); };
    return {at72(167), at72(167), at72(dots.width()), at72(dots.height())};
}

bool closeTo(const QRect& a, const QRect& b, int slack = 2)
{
    return std::abs(a.left() - b.left()) <= slack && std::abs(a.top() - b.top()) <= slack &&
           std::abs(a.right() - b.right()) <= slack && std::abs(a.bottom() - b.bottom()) <= slack;
}

}  // namespace

class PrintingTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { setPrinterSource(std::make_unique<DesktopPrinter>()); }

    void printedSizes_data();
    void printedSizes();
    void captureHasFrameLineAndOffset();
    void captureShowsTheSelectedSheetTypingAndKeys();
    void noDefaultPrinter();
    void printerThatCannotBeOpened();
    void secondPressWhilePrinting();
    void pdfPageHoldsThePictureAtItsSize_data();
    void pdfPageHoldsThePictureAtItsSize();
    void realDefaultPrinterThroughCups();
};

void PrintingTest::printedSizes_data()
{
    QTest::addColumn<PrintScaling>("scaling");
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QSize>("page");
    QTest::addColumn<int>("dpiX");
    QTest::addColumn<int>("dpiY");
    QTest::addColumn<int>("resolution");
    QTest::addColumn<QSize>("expected");
    const auto fit = PrintScaling::FitToPage, prop = PrintScaling::Proportional;
    QTest::newRow("fit, A4 portrait: fills the width") << fit << QSize(632, 450) << QSize(9583, 13699) << 1200 << 1200 << 96 << QSize(9583, 6823);
    QTest::newRow("fit, A4 landscape: fills the height") << fit << QSize(632, 450) << QSize(13699, 9583) << 1200 << 1200 << 96 << QSize(13459, 9583);
    QTest::newRow("fit, exact proportions: second case") << fit << QSize(100, 50) << QSize(200, 100) << 300 << 300 << 96 << QSize(200, 100);
    QTest::newRow("fit, letter 600 dpi") << fit << QSize(632, 450) << QSize(4800, 6360) << 600 << 600 << 96 << QSize(4800, 3418);
    QTest::newRow("fit, resized window") << fit << QSize(900, 700) << QSize(9583, 13699) << 1200 << 1200 << 96 << QSize(9583, 7453);
    QTest::newRow("proportional, 1200 dpi") << prop << QSize(632, 450) << QSize(9583, 13699) << 1200 << 1200 << 96 << QSize(7900, 5625);
    QTest::newRow("proportional, 600×300 dpi") << prop << QSize(632, 450) << QSize(4800, 3300) << 600 << 300 << 96 << QSize(3950, 1406);
    QTest::newRow("proportional, rounds halves up") << prop << QSize(1, 3) << QSize(100, 100) << 48 << 48 << 96 << QSize(1, 2);
    QTest::newRow("proportional, window laid out at 120 dpi") << prop << QSize(790, 563) << QSize(9583, 13699) << 1200 << 1200 << 120 << QSize(7900, 5630);
}

void PrintingTest::printedSizes()
{
    QFETCH(PrintScaling, scaling);
    QFETCH(QSize, picture);
    QFETCH(QSize, page);
    QFETCH(int, dpiX);
    QFETCH(int, dpiY);
    QFETCH(int, resolution);
    QFETCH(QSize, expected);
    QCOMPARE(printedSize(scaling, picture, page, dpiX, dpiY, resolution), expected);
}

void PrintingTest::captureHasFrameLineAndOffset()
{
    WindowDef def = yellowSheet(PrintScaling::FitToPage);
    def.elements = {
        shape(0, 0, 632, 450).filled(yellow).pen(yellow),
        shape(0, 0, 1, 1).pen(blue),        // the client area's first pixel
        shape(631, 449, 1, 1).pen(red),     // and its last
    };
    PageWindow w(def);
    w.showWindow();
    const QImage img = captureClient(&w);
    QCOMPARE(img.size(), QSize(632, 450));
    for (int x = 0; x < 632; ++x)
        QCOMPARE(img.pixel(x, 0), qRgb(0, 0, 0));
    for (int y = 0; y < 450; ++y)
        QCOMPARE(img.pixel(0, y), qRgb(0, 0, 0));
    QCOMPARE(img.pixel(1, 1), qRgb(0, 0, 255));
    QCOMPARE(img.pixel(2, 2), qRgb(255, 255, 0));
    QCOMPARE(img.pixel(631, 449), qRgb(255, 255, 0));  // the last pixel fell outside
    // A resized window prints its current client area.
    w.resize(700, 500);
    QCOMPARE(captureClient(&w).size(), QSize(700, 500));
}

void PrintingTest::captureShowsTheSelectedSheetTypingAndKeys()
{
    app::WindowSet set;
    PageWindow* w = set.window("sbbs");
    w->showWindow();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    auto* sheets = w->element<Notebook>(QStringLiteral("Sheets"));
    testing::clickTab(sheets, 1);
    auto* field = sheets->page(1)->findChild<EditField*>();
    QVERIFY(field);
    const QImage untyped = captureClient(w);
    QTest::mouseClick(field, Qt::LeftButton);
    QTest::keyClicks(field, "4");
    testing::clickTab(testing::keyOnSheet(w, 1), 1);
    const QImage screen = snapshot(w);
    const QImage printed = captureClient(w);
    // The printed picture is the screen picture moved one pixel right and down.
    for (int y = 0; y + 1 < printed.height(); ++y)
        for (int x = 0; x + 1 < printed.width(); ++x)
            QCOMPARE(printed.pixel(x + 1, y + 1), screen.pixel(x, y));
    // It holds the typed answer and the uncovered key, which the earlier picture did not.
    auto differsIn = [&](QWidget* widget) {
        const QRect r = QRect(widget->mapTo(w, QPoint(0, 0)), widget->size()).translated(1, 1) & printed.rect();
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                if (printed.pixel(x, y) != untyped.pixel(x, y))
                    return true;
        return false;
    };
    QVERIFY(differsIn(field));
    QVERIFY(differsIn(testing::keyOnSheet(w, 1)->page(1)));
    // Printing it changes nothing the window shows.
    QTemporaryDir dir;
    setPrinterSource(std::make_unique<PdfFilePrinter>(dir.filePath(QStringLiteral("page.pdf"))));
    printWindow(w);
    QCOMPARE(snapshot(w), screen);
    QCOMPARE(field->text(), QStringLiteral("4"));
    QCOMPARE(sheets->currentIndex(), 1);
}

void PrintingTest::noDefaultPrinter()
{
    app::WindowSet set;
    PageWindow* w = set.window("mcmc");
    w->showWindow();
    setPrinterSource(std::make_unique<NoPrinter>());
    Watcher watch;
    auto* print = w->element<QPushButton>(QStringLiteral("BitBtn1"));
    QTest::mouseClick(print, Qt::LeftButton);
    QTest::mouseClick(print, Qt::LeftButton);
    // Enter and Space on the focused button print too.
    print->setFocus();
    QTest::keyClick(print, Qt::Key_Return);
    QTest::keyClick(print, Qt::Key_Space);
    QCOMPARE(watch.errors, QStringList(4, QStringLiteral("There is no default printer currently selected.")));
    QVERIFY(w->isVisible());
    QVERIFY(!printing());
}

void PrintingTest::printerThatCannotBeOpened()
{
    app::WindowSet set;
    PageWindow* w = set.window("btb");
    w->showWindow();
    setPrinterSource(std::make_unique<PdfFilePrinter>(QStringLiteral("/nonexistent-folder/page.pdf")));
    Watcher watch;
    QTest::mouseClick(w->element<QPushButton>(QStringLiteral("BitBtn1")), Qt::LeftButton);
    QCOMPARE(watch.errors, QStringList{"Printer selected is not valid."});
    QVERIFY(!printing());
}

void PrintingTest::secondPressWhilePrinting()
{
    app::WindowSet set;
    PageWindow* w = set.window("mcmc");
    w->showWindow();
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("page.pdf"));
    setPrinterSource(std::make_unique<PressAgainWhilePrinting>(pdf, w->element<QPushButton>(QStringLiteral("BitBtn1"))));
    Watcher watch;
    QTest::mouseClick(w->element<QPushButton>(QStringLiteral("BitBtn1")), Qt::LeftButton);
    QCOMPARE(watch.errors, QStringList{"Printing in progress."});
    // The first job went on and finished.
    QVERIFY(!printing());
    QFile f(pdf);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QVERIFY(f.readAll().trimmed().endsWith("%%EOF"));
}

void PrintingTest::pdfPageHoldsThePictureAtItsSize_data()
{
    QTest::addColumn<PrintScaling>("scaling");
    QTest::newRow("fit to page") << PrintScaling::FitToPage;
    QTest::newRow("proportional") << PrintScaling::Proportional;
}

void PrintingTest::pdfPageHoldsThePictureAtItsSize()
{
    QFETCH(PrintScaling, scaling);
    PageWindow w(yellowSheet(scaling));
    w.bind(printAction, [&w] { printWindow(&w); });
    w.showWindow();
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("page.pdf"));
    setPrinterSource(std::make_unique<PdfFilePrinter>(pdf));
    Watcher watch;
    QTest::mouseClick(w.element<QPushButton>(QStringLiteral("BitBtn1")), Qt::LeftButton);
    QVERIFY2(watch.errors.isEmpty(), qPrintable(watch.errors.join(u' ')));
    const QImage page = renderPdf(pdf);
    if (page.isNull())
        QSKIP("pdftoppm is not installed");
    const QRect ink = inkBox(page);
    const QRect expected = expectedA4Box(scaling);
    QVERIFY2(closeTo(ink, expected), qPrintable(QStringLiteral("ink at (%1,%2) %3x%4, expected (%5,%6) %7x%8")
        .arg(ink.x()).arg(ink.y()).arg(ink.width()).arg(ink.height())
        .arg(expected.x()).arg(expected.y()).arg(expected.width()).arg(expected.height())));
}

void PrintingTest::realDefaultPrinterThroughCups()
{
    const QString outDir = qEnvironmentVariable("LYRABEL_CUPS_PDF_DIR");
    if (qEnvironmentVariable("LYRABEL_REQUIRE_PRINTER") == QLatin1String("1"))
        QVERIFY2(!QPrinterInfo::defaultPrinter().isNull(), "test.sh set up a default printer, but Qt sees none");
    if (QPrinterInfo::defaultPrinter().isNull() || outDir.isEmpty())
        QSKIP("no CUPS default printer here (test.sh sets one up when run as root)");
    QDir out(outDir);
    const QStringList before = out.entryList({"*.pdf"}, QDir::Files);

    PageWindow w(yellowSheet(PrintScaling::FitToPage));
    w.bind(printAction, [&w] { printWindow(&w); });
    w.showWindow();
    Watcher watch;
    QTest::mouseClick(w.element<QPushButton>(QStringLiteral("BitBtn1")), Qt::LeftButton);
    QVERIFY2(watch.errors.isEmpty(), qPrintable(watch.errors.join(u' ')));

    QString produced;
    QTRY_VERIFY_WITH_TIMEOUT([&] {
        for (const QString& f : QDir(outDir).entryList({"*.pdf"}, QDir::Files))
            if (!before.contains(f)) { produced = QDir(outDir).filePath(f); return true; }
        return false;
    }(), 20000);
    QTest::qWait(500);  // cups-pdf finishes writing a moment after the file appears
    const QImage page = renderPdf(produced);
    QVERIFY(!page.isNull());
    const QRect ink = inkBox(page);
    const QRect expected = expectedA4Box(PrintScaling::FitToPage);
    QVERIFY2(closeTo(ink, expected, 3), qPrintable(QStringLiteral("ink at (%1,%2) %3x%4, expected (%5,%6) %7x%8")
        .arg(ink.x()).arg(ink.y()).arg(ink.width()).arg(ink.height())
        .arg(expected.x()).arg(expected.y()).arg(expected.width()).arg(expected.height())));
}

LYRABEL_TEST_MAIN(PrintingTest)
#include "test_printing.moc"
