// Corvalle Lyrabel — the Keyboard Info page.
#pragma once

#include "ui/element.h"

namespace lessons {

ui::Elements keyboardInfoPage();

}  // namespace lessons
