// Corvalle Lyrabel — the Chords page and its chord-finding example panel `cpexam`.
#pragma once

#include "ui/element.h"

namespace lessons {

ui::Elements chordsPage();

}  // namespace lessons
