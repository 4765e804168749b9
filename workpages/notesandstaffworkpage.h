// Corvalle Lyrabel — the Notes and Staff worksheet, `Tnsawp`.
#pragma once

#include "ui/windowdef.h"

namespace workpages {

ui::WindowDef Tnsawp();

}  // namespace workpages
