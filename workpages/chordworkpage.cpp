// Corvalle Lyrabel — the Chord Workpage, `TChordWorkpage`.
// Not written yet beyond its frame: sheets, "Print" button and answer keys.
#include "workpages/chordworkpage.h"

#include "ui/workpageframe.h"

namespace workpages {

using namespace ui;

WindowDef TChordWorkpage()
{
    WindowDef def{"TChordWorkpage", "ChordWorkpage", "Chord Workpage"};
    def.font = tnr(16).bolded();
    def.elements = {
        printButton(0, 0, 41, 25),
    };
    return def;
}

}  // namespace workpages
