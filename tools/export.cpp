// Corvalle Lyrabel — corvalle-export: renders any window in any state to PNG, offscreen.
//
//   corvalle-export --window mcmc --answers --out mcmc.png
//   corvalle-export --window LessonBook --page 13 --show cpexam --out example.png
//   corvalle-export --window btb --sheet 2 --dump btb2.txt
//   corvalle-export --all DIR     every lesson page and every sheet, covered and uncovered
//
// File names written by --all:
//   LessonBook-pageNN.png                  lesson page NN (01..14)
//   LessonBook-page01-ve2.png              the verses panel open
//   LessonBook-page13-cpexam.png           the chord example open
//   <instance>-sheetN.png                  worksheet sheet N (1 for windows without sheets)
//   <instance>-sheetN-answers.png          the same with its answer keys uncovered
#include "app/windowset.h"
#include "ui/engine.h"
#include "ui/fonts.h"
#include "ui/snapshot.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QTextStream>

#include <cstdio>

namespace {

bool save(const QImage& image, const QString& path)
{
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "corvalle-export: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

bool exportAll(const app::WindowSet& windows, const QString& dir)
{
    if (!QDir().mkpath(dir)) {
        std::fprintf(stderr, "corvalle-export: cannot create %s\n", qPrintable(dir));
        return false;
    }
    bool ok = true;
    ui::PageWindow* book = windows.lessonBook();
    for (int page = 1; page <= ui::sheetCount(book); ++page) {
        ui::applyState(book, {.page = page});
        ok &= save(ui::snapshot(book), QStringLiteral("%1/LessonBook-page%2.png").arg(dir).arg(page, 2, 10, QLatin1Char('0')));
    }
    ui::applyState(book, {.page = 1, .panel = QStringLiteral("ve2")});
    ok &= save(ui::snapshot(book), dir + QStringLiteral("/LessonBook-page01-ve2.png"));
    book->hideElement(QStringLiteral("ve2"));
    ui::applyState(book, {.page = 13, .panel = QStringLiteral("cpexam")});
    ok &= save(ui::snapshot(book), dir + QStringLiteral("/LessonBook-page13-cpexam.png"));
    book->hideElement(QStringLiteral("cpexam"));

    for (std::size_t i = 1; i < windows.windows().size(); ++i) {
        ui::PageWindow* w = windows.windows()[i].get();
        const QString name = QString::fromStdString(w->instance());
        for (int sheet = 1; sheet <= ui::sheetCount(w); ++sheet) {
            ui::applyState(w, {.sheet = sheet, .answers = false});
            ok &= save(ui::snapshot(w), QStringLiteral("%1/%2-sheet%3.png").arg(dir, name).arg(sheet));
            if (ui::hasAnswerKey(w, sheet)) {
                ui::applyState(w, {.sheet = sheet, .answers = true});
                ok &= save(ui::snapshot(w), QStringLiteral("%1/%2-sheet%3-answers.png").arg(dir, name).arg(sheet));
            }
        }
        ui::applyState(w, {.sheet = 1, .answers = false});
    }
    return ok;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ui::prepareFontEnvironment();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("corvalle-export"));
    ui::installFonts();
    ui::prepareForSnapshots();

    QCommandLineParser cli;
    cli.setApplicationDescription(QStringLiteral("Renders Corvalle Lyrabel's windows to PNG."));
    cli.addHelpOption();
    const QCommandLineOption window({"w", "window"}, "Window instance name (LessonBook, mcmc, ...).", "name", "LessonBook");
    const QCommandLineOption page({"p", "page"}, "Lesson page, 1-based.", "n");
    const QCommandLineOption sheet({"s", "sheet"}, "Worksheet sheet, 1-based.", "n");
    const QCommandLineOption answers({"a", "answers"}, "Uncover every answer key.");
    const QCommandLineOption show("show", "Show an overlay panel (ve2, cpexam).", "panel");
    const QCommandLineOption out({"o", "out"}, "PNG file to write.", "file");
    const QCommandLineOption dump("dump", "Write the window's element list as text.", "file");
    const QCommandLineOption all("all", "Write every page and sheet into a folder.", "dir");
    cli.addOptions({window, page, sheet, answers, show, out, dump, all});
    cli.process(app);

    app::WindowSet windows;
    if (cli.isSet(all))
        return exportAll(windows, cli.value(all)) ? 0 : 1;

    ui::PageWindow* w = windows.window(cli.value(window).toStdString());
    if (!w) {
        std::fprintf(stderr, "corvalle-export: no window named %s\n", qPrintable(cli.value(window)));
        return 2;
    }
    if (!cli.isSet(out) && !cli.isSet(dump)) {
        std::fprintf(stderr, "corvalle-export: say --out FILE.png, --dump FILE.txt or --all DIR\n");
        return 2;
    }
    ui::ViewState state{.page = cli.value(page).toInt(), .sheet = cli.value(sheet).toInt(),
                        .answers = cli.isSet(answers), .panel = cli.value(show)};
    const int pages = ui::sheetCount(w);
    if (state.page > pages || state.sheet > pages || state.page < 0 || state.sheet < 0) {
        std::fprintf(stderr, "corvalle-export: %s has %d pages or sheets\n", qPrintable(cli.value(window)), pages);
        return 2;
    }
    ui::applyState(w, state);
    const QImage image = ui::snapshot(w);
    if (cli.isSet(dump)) {
        QFile f(cli.value(dump));
        if (!f.open(QIODevice::WriteOnly | QIODevice::Text)) {
            std::fprintf(stderr, "corvalle-export: cannot write %s\n", qPrintable(cli.value(dump)));
            return 1;
        }
        QTextStream(&f) << ui::dumpElements(w);
    }
    if (cli.isSet(out) && !save(image, cli.value(out)))
        return 1;
    return 0;
}
