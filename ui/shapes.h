// Corvalle Lyrabel — painting of the drawn elements: shapes, labels, pictures.
#pragma once

#include "element.h"

#include <QPoint>

class QPainter;

namespace ui {

// Paints a shape into its box, pixel-exact: the outline covers the box's
// outermost p pixels. `windowOrigin` is the painter's origin in window client
// coordinates; hatch rows are anchored to the window, not to the shape.
void paintShape(QPainter& p, const Element& shape, QPoint windowOrigin);

// Paints an opaque label box and its caption from the top-left corner.
// The label's box must already hold its text size.
void paintLabel(QPainter& p, const Element& label, const Font& font, Colour background);

// Paints a picture unscaled (cut to its box) or stretched to fill it.
void paintPicture(QPainter& p, const Element& picture);

}  // namespace ui
