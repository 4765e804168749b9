// Corvalle Lyrabel — the Scale page.
#pragma once

#include "ui/element.h"

namespace lessons {

ui::Elements scalePage();

}  // namespace lessons
