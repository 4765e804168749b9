// Corvalle Lyrabel — the Keyboard worksheets, `Tkw`.
#pragma once

#include "ui/windowdef.h"

namespace workpages {

ui::WindowDef Tkw();

}  // namespace workpages
