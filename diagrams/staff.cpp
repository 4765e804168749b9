// Corvalle Lyrabel — staffs: the grand-staff picture, bar staffs and hatched
// staffs, and where a staff position lies on each.
//
// Rows are pixel rows: a line on rows 44–45 has its centre at 44.5, and a
// 9-px bar whose top row is T has its centre at T + 4.
#include "diagrams/staff.h"

#include <cmath>
#include <stdexcept>

namespace diagrams {

namespace {

void requirePosition(int position) {
    if (position < 0 || position > 8) throw std::out_of_range("staff position outside 0..8");
}

// Centre of a position from the centres of the five lines, top line first:
// a space lies midway between the lines above and below it.
double positionCentre(const double (&lineCentres)[5], int position) {
    requirePosition(position);
    const int below = 4 - position / 2;          // line at or below the position
    if (position % 2 == 0) return lineCentres[below];
    return (lineCentres[below] + lineCentres[below - 1]) / 2.0;
}

template <typename CentreOf>
int nearestPosition(CentreOf centreOf, double centreY, double tolerance) {
    int best = -1;
    double bestDistance = tolerance;
    for (int p = 0; p <= 8; ++p) {
        const double distance = std::abs(centreOf(p) - centreY);
        if (distance <= bestDistance) {
            best = p;
            bestDistance = distance;
        }
    }
    return best;
}

}  // namespace

// ------------------------------------------------------ grand-staff picture

const char* grandStaffImage(GrandStaffVariant v) {
    return v == GrandStaffVariant::ThreeFour ? "grandstaff34" : "grandstaff";
}

ui::Element grandStaff(GrandStaffVariant v, int x, int y, int w, int h, bool stretch) {
    ui::Element e = ui::picture(x, y, w, h, grandStaffImage(v));
    e.stretch = stretch;
    return e;
}

double grandStaffY(music::Clef clef, int position, int y) {
    // First rows of the picture's 2-px lines, top line first; the lowest gap
    // of each staff is 9 px, the others 8.
    static constexpr double treble[5] = {11.5, 19.5, 27.5, 35.5, 44.5};
    static constexpr double bass[5] = {78.5, 86.5, 94.5, 102.5, 111.5};
    return y + positionCentre(clef == music::Clef::Treble ? treble : bass, position);
}

int grandStaffPosition(music::Clef clef, int y, double centreY, double tolerance) {
    return nearestPosition([&](int p) { return grandStaffY(clef, p, y); }, centreY, tolerance);
}

// --------------------------------------------------------------- bar staff

ui::Elements barStaff(int left, int width, int top, BarColouring colouring) {
    // A 5-px outline on a 9-px-high box covers it entirely: a solid bar.
    const ui::Colour fill = colouring == BarColouring::Lesson ? ui::black : ui::white;
    const ui::Colour outline = colouring == BarColouring::Lesson ? ui::black : ui::fuchsia;
    ui::Elements bars;
    for (int line = 0; line < 5; ++line)
        bars.push_back(ui::shape(left, top + 24 * line, width, 9).filled(fill).pen(outline, 5));
    return bars;
}

int barStaffY(int top, int position) {
    requirePosition(position);
    return top + 4 + 12 * (8 - position);
}

int barStaffPosition(int top, double centreY, double tolerance) {
    return nearestPosition([&](int p) { return double(barStaffY(top, p)); }, centreY, tolerance);
}

// ------------------------------------------------------------ hatched staff

ui::Element hatchedStaff(ui::Rect box) {
    return ui::shape(box.x, box.y, box.w, box.h).pen(ui::black, 1).hatched(ui::black);
}

std::vector<StaffLine> hatchedStaffLines(ui::Rect box) {
    // Rows drawn black: the outline's top and bottom rows and every hatch row
    // between them. The hatch is anchored to the window: rows with y mod 8 == 3.
    const int bottom = box.y + box.h - 1;
    std::vector<int> rows{box.y};
    for (int row = box.y + 1; row < bottom; ++row)
        if (row % 8 == 3) rows.push_back(row);
    if (bottom > box.y) rows.push_back(bottom);

    // Neighbouring rows merge into one thicker line.
    std::vector<StaffLine> lines;
    for (int row : rows) {
        if (!lines.empty() && lines.back().last + 1 == row) lines.back().last = row;
        else lines.push_back({row, row});
    }
    return lines;
}

double hatchedStaffY(ui::Rect box, int position) {
    const std::vector<StaffLine> lines = hatchedStaffLines(box);
    if (lines.size() != 5) throw std::invalid_argument("hatched staff box does not make five lines");
    const double centres[5] = {lines[0].centre(), lines[1].centre(), lines[2].centre(), lines[3].centre(),
                               lines[4].centre()};
    return positionCentre(centres, position);
}

int hatchedStaffPosition(ui::Rect box, double centreY, double tolerance) {
    return nearestPosition([&](int p) { return hatchedStaffY(box, p); }, centreY, tolerance);
}

// --------------------------------------------------------------- note heads

double headCentreY(ui::Rect box) { return box.y + (box.h - 1) / 2.0; }

}  // namespace diagrams
