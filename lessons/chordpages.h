// Corvalle Lyrabel — the five chord lesson pages: Major, Minor, 7th, Major 7th, Minor 7th.
#pragma once

#include "ui/element.h"

namespace lessons {

ui::Elements majorPage();
ui::Elements minorPage();
ui::Elements seventhPage();
ui::Elements majorSeventhPage();
ui::Elements minorSeventhPage();

}  // namespace lessons
