// Corvalle Lyrabel — the Notes and Staff worksheet, `Tnsawp`.
// Not written yet beyond its frame: sheets, "Print" button and answer keys.
#include "workpages/notesandstaffworkpage.h"

#include "ui/workpageframe.h"

namespace workpages {

using namespace ui;

WindowDef Tnsawp()
{
    WindowDef def{"Tnsawp", "nsawp", "Notes and Staff Workpage"};
    def.elements = {
        stripAnswerKey({}),
        printButton(0, -1, 40, 25),
    };
    return def;
}

}  // namespace workpages
