// Corvalle Lyrabel — the Welcome page and the verses panel over the lesson book.
#pragma once

#include "ui/element.h"

namespace lessons {

ui::Elements welcomePage();
// The verses panel `ve2`, an element of the window itself, over the notebook.
ui::Element versesPanel();

}  // namespace lessons
