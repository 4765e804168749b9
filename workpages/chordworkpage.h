// Corvalle Lyrabel — the Chord Workpage, `TChordWorkpage`.
#pragma once

#include "ui/windowdef.h"

namespace workpages {

ui::WindowDef TChordWorkpage();

}  // namespace workpages
