// Corvalle Lyrabel — the Scale worksheets, `Tssc`.
#pragma once

#include "ui/windowdef.h"

namespace workpages {

ui::WindowDef Tssc();

}  // namespace workpages
