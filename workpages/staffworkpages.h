// Corvalle Lyrabel — the Treble and Bass reading worksheets (one layout, a table of differences).
#pragma once

#include "ui/windowdef.h"

namespace workpages {

ui::WindowDef Tbtb();
ui::WindowDef Tbsb();

}  // namespace workpages
