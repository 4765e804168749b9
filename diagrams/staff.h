// Corvalle Lyrabel — staffs: the grand-staff picture, bar staffs and hatched
// staffs, and where a staff position lies on each.
#pragma once

#include "diagrams/musicrules.h"
#include "ui/element.h"

namespace diagrams {

inline constexpr int grandStaffWidth = 343;
inline constexpr int grandStaffHeight = 114;

enum class GrandStaffVariant { Plain, ThreeFour };

// Picture resource name of a grand-staff variant ("grandstaff", "grandstaff34").
const char* grandStaffImage(GrandStaffVariant v);

// The grand-staff picture in a box: unscaled (cut to the box) or stretched.
ui::Element grandStaff(GrandStaffVariant v, int x, int y, int w, int h, bool stretch);

// Vertical centre of a staff position on the unscaled picture whose top is y.
double grandStaffY(music::Clef clef, int position, int y);

enum class BarColouring { Lesson, Worksheet };  // black bars; fuchsia bars on white

// Five 9-px bars with tops T, T+24, ..., T+96 (5-px outline covering each bar).
ui::Elements barStaff(int left, int width, int top, BarColouring colouring);

// Centre of staff position p on a bar staff with first top T: T + 4 + 12 (8 - p).
int barStaffY(int top, int position);

// The staff position whose centre lies within `tolerance` px of centreY; -1 if none.
int barStaffPosition(int top, double centreY, double tolerance = 2.0);

}  // namespace diagrams
