// Corvalle Lyrabel — note, rest and time-signature glyphs as element lists.
//
// A note is a circle head, a 1-px stem and black flag rectangles, declared in
// that order; rests are pictures or a black block on a line; a time signature
// is two stacked labels.
#pragma once

#include "diagrams/musicrules.h"
#include "ui/element.h"

#include <string>

namespace diagrams {

// ---- what each value draws
bool hasFilledHead(music::NoteValue v);   // quarter and shorter
bool hasStem(music::NoteValue v);         // all but the whole
int flagCount(music::NoteValue v);        // eighth 1, sixteenth 2

// A head in any box: a circle of the box's smaller side, black 1-px outline,
// filled black, or white when hollow (white even on a purple page).
ui::Element noteHead(int x, int y, int w, int h, bool filled);

// Lesson-family note (25-px head, stem up) with its head box at (hx, hy):
// head, stem, flags, with the offsets of the lessons' note chart.
ui::Elements lessonNote(music::NoteValue v, int hx, int hy);

// ---- rests
inline constexpr int restBlockWidth = 17, restBlockHeight = 9, restLineWidth = 73;

// The whole or half rest block: a black 17×9 rectangle. A whole rest hangs
// from the line (top row on lineY), a half rest stands on it (bottom row on lineY).
ui::Element restBlock(music::NoteValue v, int x, int lineY);
// The 73×1 black line the block hangs from or stands on.
ui::Element restLine(int x, int y);
// Block and line together, block first.
ui::Elements blockRest(music::NoteValue v, int blockX, int lineX, int lineY);

// Quarter, eighth and sixteenth rests: pictures "restis" 20×42, "restis8"
// 25×49, "restis16" 29×55 at their own size, named after the picture.
const char* restImage(music::NoteValue v);
ui::Element restPicture(music::NoteValue v, int x, int y);

// ---- time signature
// Two 7×16 labels, "Arial" 13 px bold, window text on #C6E2FF: the top number
// at (x, y), the bottom number at (x, y + 15).
ui::Elements timeSignatureLabels(int top, int bottom, int x, int y);

}  // namespace diagrams
