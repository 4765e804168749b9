// Corvalle Lyrabel — the Keyboard Info page.
// Not written yet beyond its frame: background and buttons.
#include "lessons/keyboardinfopage.h"

#include "lessons/lessonbook.h"

namespace lessons {

using namespace ui;

Elements keyboardInfoPage()
{
    return {pageBackground(), pageButton("BitBtn26")};
}

}  // namespace lessons
