// Corvalle Lyrabel — printing.
#include "printing.h"

#include "pagewindow.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace ui {

namespace {

std::unique_ptr<PrinterSource> source = std::make_unique<DesktopPrinter>();
bool busy = false;

// a × b ÷ c rounded to the nearest whole number, halves away from zero.
int mulDiv(long long a, long long b, long long c)
{
    if (c == 0)
        return 0;
    const long long p = a * b;
    return static_cast<int>(p >= 0 ? (p + c / 2) / c : -((-p + c / 2) / c));
}

}  // namespace

QSize printedSize(PrintScaling scaling, QSize picture, QSize printable, int dpiX, int dpiY, int resolution)
{
    const int W = picture.width(), H = picture.height();
    const int PW = printable.width(), PH = printable.height();
    if (scaling == PrintScaling::Proportional)
        return {mulDiv(W, dpiX, resolution), mulDiv(H, dpiY, resolution)};
    const int w = mulDiv(W, PH, H);
    if (w < PW)
        return {w, PH};
    return {PW, mulDiv(H, PW, W)};
}

QImage captureClient(QWidget* window)
{
    QImage image(window->size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.fillRect(0, 0, image.width(), 1, Qt::black);
    p.fillRect(0, 0, 1, image.height(), Qt::black);
    window->render(&p, QPoint(1, 1), QRegion(), QWidget::DrawChildren);
    return image;
}

std::unique_ptr<QPrinter> DesktopPrinter::defaultPrinter()
{
    // QPrinter quietly falls back to another printer or to PDF output, so the
    // default printer is asked for explicitly.
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull() || info.printerName().isEmpty())
        return nullptr;
    auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::NativeFormat);
    return printer;
}

std::unique_ptr<QPrinter> PdfFilePrinter::defaultPrinter()
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path_);
    return printer;
}

void setPrinterSource(std::unique_ptr<PrinterSource> s)
{
    source = std::move(s);
}

PrinterSource& printerSource()
{
    return *source;
}

bool printing()
{
    return busy;
}

void printWindow(PageWindow* window)
{
    if (busy)
        throw PrintError(printingInProgress);
    std::unique_ptr<QPrinter> printer = source->defaultPrinter();
    if (!printer)
        throw PrintError(noDefaultPrinter);
    printer->setDocName(QString());
    printer->setFullPage(false);

    QPainter painter;
    if (!painter.begin(printer.get()))
        throw PrintError(printerNotValid);

    // From here the job is open: end it whatever happens.
    busy = true;
    struct EndJob {
        QPainter& painter;
        ~EndJob() { if (painter.isActive()) painter.end(); busy = false; }
    } endJob{painter};

    const QImage picture = captureClient(window);
    const QRect page = printer->pageLayout().paintRectPixels(printer->resolution());
    const QSize size = printedSize(window->printScaling(), picture.size(), page.size(),
                                   printer->logicalDpiX(), printer->logicalDpiY(), window->resolution());
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(QRect(QPoint(0, 0), size), picture);
    // While the page is handed over the program keeps handling window events.
    QCoreApplication::processEvents();
    if (!painter.end())
        throw PrintError(printerNotValid);
}

}  // namespace ui
