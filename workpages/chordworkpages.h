// Corvalle Lyrabel — the five chord worksheets: one layout, a table of differences.
#pragma once

#include "ui/windowdef.h"

namespace workpages {

ui::WindowDef Tmcmc();
ui::WindowDef Tminorcw();
ui::WindowDef Tsthcw();
ui::WindowDef Tmsthcw();
ui::WindowDef Tmisthcw();

}  // namespace workpages
