// Corvalle Lyrabel — the Beats page.
#pragma once

#include "ui/element.h"

namespace lessons {

ui::Elements beatsPage();

}  // namespace lessons
