// Corvalle Lyrabel — the Beat worksheets, `Tsbbs`.
// Not written yet beyond its frame: sheets, "Print" button and answer keys.
#include "workpages/beatworkpages.h"

#include "ui/workpageframe.h"

namespace workpages {

using namespace ui;

WindowDef Tsbbs()
{
    WindowDef def{"Tsbbs", "sbbs", "Beat Workpages"};
    def.printScaling = PrintScaling::Proportional;
    def.elements = {
        sheetNotebook(632, 451, {
            {smallAnswerKey(416, 323, 200, 97, {})},
            {smallAnswerKey(395, 318, 214, 97, {})},
            {smallAnswerKey(400, 314, 200, 97, {})},
        }),
        printButton(0, 24, 39, 25),
    };
    return def;
}

}  // namespace workpages
