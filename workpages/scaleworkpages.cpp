// Corvalle Lyrabel — the Scale worksheets, `Tssc`.
// Not written yet beyond its frame: sheets, "Print" button and answer keys.
#include "workpages/scaleworkpages.h"

#include "ui/workpageframe.h"

namespace workpages {

using namespace ui;

WindowDef Tssc()
{
    WindowDef def{"Tssc", "ssc", "Scale Workpages"};
    def.elements = {
        sheetNotebook(632, 450, std::vector<Elements>(3)),
        printButton(-1, 23, 42, 25),
    };
    return def;
}

}  // namespace workpages
