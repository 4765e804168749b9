// Corvalle Lyrabel — the Treble and Bass lesson pages (one layout, two tables of differences).
#pragma once

#include "ui/element.h"

namespace lessons {

ui::Elements treblePage();
ui::Elements bassPage();

}  // namespace lessons
