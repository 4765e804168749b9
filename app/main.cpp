// Corvalle Lyrabel — program entry: build the thirteen windows, show the lesson book.
#include "app/windowset.h"
#include "ui/errorbox.h"
#include "ui/fonts.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    ui::prepareFontEnvironment();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(ui::applicationTitle));
    ui::installFonts();

    app::WindowSet windows(app::WindowSet::Start::WorkpagesAfterFirstPaint);
    windows.lessonBook()->showWindow();
    return QApplication::exec();
}
