// Corvalle Lyrabel — frames of the Keyboard, Scale, Chord, Notes and Staff and
// Beat worksheets. Their exercises and answer texts are not written yet; the
// windows already open, switch sheets, uncover (empty) keys and print.
#include "workpages/otherworkpages.h"

#include "ui/workpageframe.h"

namespace workpages {

using namespace ui;

namespace {

WindowDef frame(const char* className, const char* instance, const char* title, PrintScaling scaling,
                Elements elements, Font font = msSans(11))
{
    WindowDef def;
    def.className = className;
    def.instance = instance;
    def.title = title;
    def.printScaling = scaling;
    def.font = font;
    def.elements = std::move(elements);
    return def;
}

std::vector<Elements> blankSheets(int count)
{
    return std::vector<Elements>(static_cast<std::size_t>(count));
}

}  // namespace

WindowDef Tkw()
{
    return frame("Tkw", "kw", "Keyboard Workpages", PrintScaling::FitToPage, {
        sheetNotebook(632, 450, blankSheets(5)),
        printButton(0, 24, 38, 25),
    });
}

WindowDef Tssc()
{
    return frame("Tssc", "ssc", "Scale Workpages", PrintScaling::FitToPage, {
        sheetNotebook(632, 450, blankSheets(3)),
        printButton(-1, 23, 42, 25),
    });
}

WindowDef TChordWorkpage()
{
    return frame("TChordWorkpage", "ChordWorkpage", "Chord Workpage", PrintScaling::FitToPage, {
        printButton(0, 0, 41, 25),
    }, tnr(16).bolded());
}

WindowDef Tnsawp()
{
    return frame("Tnsawp", "nsawp", "Notes and Staff Workpage", PrintScaling::FitToPage, {
        stripAnswerKey({}),
        printButton(0, -1, 40, 25),
    });
}

WindowDef Tsbbs()
{
    //            key at      size
    return frame("Tsbbs", "sbbs", "Beat Workpages", PrintScaling::Proportional, {
        sheetNotebook(632, 451, {
            {smallAnswerKey(416, 323, 200, 97, {})},
            {smallAnswerKey(395, 318, 214, 97, {})},
            {smallAnswerKey(400, 314, 200, 97, {})},
        }),
        printButton(0, 24, 39, 25),
    });
}

}  // namespace workpages
