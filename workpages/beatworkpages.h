// Corvalle Lyrabel — the Beat worksheets, `Tsbbs`.
#pragma once

#include "ui/windowdef.h"

namespace workpages {

ui::WindowDef Tsbbs();

}  // namespace workpages
