// Corvalle Lyrabel — the Notes and Staff page.
// Not written yet beyond its frame: background and buttons.
#include "lessons/notesandstaffpage.h"

#include "lessons/lessonbook.h"

namespace lessons {

using namespace ui;

Elements notesAndStaffPage()
{
    return {pageBackground(), pageButton("BitBtn36")};
}

}  // namespace lessons
