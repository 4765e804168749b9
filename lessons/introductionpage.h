// Corvalle Lyrabel — the Introduction page.
#pragma once

#include "ui/element.h"

namespace lessons {

ui::Elements introductionPage();

}  // namespace lessons
