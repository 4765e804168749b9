// Corvalle Lyrabel — worksheets whose exercises are still to be written: each
// has its frame (sheets, "Print" button, answer keys) so it opens and prints.
#pragma once

#include "ui/windowdef.h"

namespace workpages {

ui::WindowDef Tkw();
ui::WindowDef Tssc();
ui::WindowDef TChordWorkpage();
ui::WindowDef Tnsawp();
ui::WindowDef Tsbbs();

}  // namespace workpages
