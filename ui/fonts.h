// Corvalle Lyrabel — the three font families and their Windows-compatible metrics.
#pragma once

#include "element.h"

#include <QColor>
#include <QFont>

class QPalette;

namespace ui {

// Must run before QApplication exists: FreeType's v35 hinting reproduces the
// text widths the pages were designed with.
void prepareFontEnvironment();

// Loads the bundled-by-Debian MS Sans Serif bitmap face and pins the three
// family names to their metric-compatible substitutes. Call once after
// QApplication is created.
void installFonts();

// The family that actually draws a design family (for checks and reports).
QString substituteFamily(Family f);

QFont toQFont(const Font& f);

// Height of one line of text in this font, as the design's label boxes have it.
int lineHeight(const Font& f);

// Width of a caption in this font, without kerning.
int textWidth(const Font& f, const std::string& text);

QColor toQColor(Colour c);

}  // namespace ui
