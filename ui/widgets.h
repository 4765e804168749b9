// Corvalle Lyrabel — every live widget the engine builds from elements.
#pragma once

#include "canvas.h"
#include "fields.h"
#include "notebook.h"
