// Corvalle Lyrabel — the Notes and Staff page.
#pragma once

#include "ui/element.h"

namespace lessons {

ui::Elements notesAndStaffPage();

}  // namespace lessons
