// Corvalle Lyrabel — staffs: the grand-staff picture, bar staffs and hatched
// staffs, and where a staff position lies on each.
#pragma once

#include "diagrams/musicrules.h"
#include "ui/element.h"

#include <vector>

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

// The staff position of the unscaled grand-staff picture whose top is y lying
// within `tolerance` px of centreY; -1 if none.
int grandStaffPosition(music::Clef clef, int y, double centreY, double tolerance = 2.0);

// ---- hatched staff: one rectangle whose outline and hatch rows (every window
// row y with y mod 8 == 3) make the five lines. Boxes are in window coordinates.

// The one rectangle: black 1-px outline, black horizontal hatch.
ui::Element hatchedStaff(ui::Rect box);

// One staff line: its pixel rows, first to last (2 px where a hatch row meets the edge).
struct StaffLine {
    int first = 0, last = 0;
    double centre() const { return (first + last) / 2.0; }
    friend constexpr bool operator==(StaffLine, StaffLine) = default;
};

// The lines a hatched staff box shows, top to bottom.
std::vector<StaffLine> hatchedStaffLines(ui::Rect box);

// Centre of staff position p on a hatched staff (a space midway between its
// lines). Throws std::invalid_argument if the box does not make five lines.
double hatchedStaffY(ui::Rect box, int position);
int hatchedStaffPosition(ui::Rect box, double centreY, double tolerance = 2.0);

// The Chord Workpage's two staffs: treble above, bass below.
inline constexpr ui::Rect chordWorkpageTrebleStaff{2, 44, 613, 33};
inline constexpr ui::Rect chordWorkpageBassStaff{3, 108, 612, 32};

// ---- note heads

// Vertical centre of a head's box, the centre of its circle: box.y + (box.h - 1) / 2.
double headCentreY(ui::Rect box);

}  // namespace diagrams
