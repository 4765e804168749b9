// Corvalle Lyrabel — the Introduction page.
// Not written yet beyond its frame: background and buttons.
#include "lessons/introductionpage.h"

#include "lessons/lessonbook.h"

namespace lessons {

using namespace ui;

Elements introductionPage()
{
    return {pageBackground()};
}

}  // namespace lessons
