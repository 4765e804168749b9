// Corvalle Lyrabel — the Keyboard worksheets, `Tkw`.
// Not written yet beyond its frame: sheets, "Print" button and answer keys.
#include "workpages/keyboardworkpages.h"

#include "ui/workpageframe.h"

namespace workpages {

using namespace ui;

WindowDef Tkw()
{
    WindowDef def{"Tkw", "kw", "Keyboard Workpages"};
    def.elements = {
        sheetNotebook(632, 450, std::vector<Elements>(5)),
        printButton(0, 24, 38, 25),
    };
    return def;
}

}  // namespace workpages
