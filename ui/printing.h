// Corvalle Lyrabel — printing a worksheet's picture on the default printer.
#pragma once

#include "windowdef.h"

#include <QImage>
#include <QSize>

#include <memory>
#include <stdexcept>

class QPrinter;
class QWidget;

namespace ui {

class PageWindow;

// The three things that can go wrong; the text is what the error box shows.
struct PrintError : std::runtime_error {
    using std::runtime_error::runtime_error;
};
inline constexpr const char* noDefaultPrinter = "There is no default printer currently selected";
inline constexpr const char* printerNotValid = "Printer selected is not valid";
inline constexpr const char* printingInProgress = "Printing in progress";

// Printed size in printer dots of a W×H picture: proportional keeps the size
// it has on a screen of `resolution` dpi; fit-to-page fills the printable
// width or height, keeping proportions. Divisions round to the nearest dot.
QSize printedSize(PrintScaling scaling, QSize picture, QSize printable, int dpiX, int dpiY, int resolution);

// The window's client area as printed: a 1-px black frame line along the top
// and left edges, the content one pixel right of and below its screen place.
QImage captureClient(QWidget* window);

// Where print jobs go. The desktop's default printer normally; tests can
// print to a PDF file instead.
class PrinterSource {
public:
    virtual ~PrinterSource() = default;
    // The default printer, or nullptr when none is set.
    virtual std::unique_ptr<QPrinter> defaultPrinter() = 0;
};

class DesktopPrinter : public PrinterSource {
public:
    std::unique_ptr<QPrinter> defaultPrinter() override;
};

class PdfFilePrinter : public PrinterSource {
public:
    explicit PdfFilePrinter(QString path) : path_(std::move(path)) {}
    std::unique_ptr<QPrinter> defaultPrinter() override;

private:
    QString path_;
};

void setPrinterSource(std::unique_ptr<PrinterSource> source);
PrinterSource& printerSource();

// One job, one page: the window's picture at the top-left of the printable
// area. Throws PrintError; the job is always ended first.
void printWindow(PageWindow* window);

bool printing();

}  // namespace ui
