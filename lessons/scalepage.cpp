// Corvalle Lyrabel — the Scale page.
// Not written yet beyond its frame: background and buttons.
#include "lessons/scalepage.h"

#include "lessons/lessonbook.h"

namespace lessons {

using namespace ui;

Elements scalePage()
{
    return {pageBackground(), pageButton("BitBtn27")};
}

}  // namespace lessons
