// Corvalle Lyrabel — the Beats page.
// Not written yet beyond its frame: background and buttons.
#include "lessons/beatspage.h"

#include "lessons/lessonbook.h"

namespace lessons {

using namespace ui;

Elements beatsPage()
{
    return {pageBackground(), pageButton("BitBtn25")};
}

}  // namespace lessons
