// Corvalle Lyrabel — the Scale worksheets, `Tssc`: three sheets of scales to tick.
//
// Sections: the exercises · the boxes off the grid · the sheets · the window
//
// Every row names a starting key beside a two-octave keyboard with a tick box
// on every key; the learner ticks the keys of that key's scale. Nothing is
// stored as the answer and nothing is checked.
#include "workpages/scaleworkpages.h"

#include "diagrams/keyboard.h"
#include "ui/workpageframe.h"

#include <array>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

namespace workpages {
namespace {

using namespace ui;

// ---------------------------------------------------------------- the exercises

struct StartingKey {
    const char* name;
    int x, y;
};

constexpr std::array<std::array<StartingKey, 3>, 3> exercises{{
    //  row 0 (keys at y 64)   row 1 (y 168)          row 2 (y 272)
    {{{"C",  90,  88},        {"F#", 90, 184},       {"G",  98, 296}}},  // sheet "1"
    {{{"A",  90,  88},        {"D#", 90, 184},       {"B",  98, 296}}},  // sheet "2"
    {{{"D",  90,  88},        {"E",  90, 184},       {"F#", 90, 296}}},  // sheet "3"
}};

// ---------------------------------------------------------------- the boxes off the grid

// Tick boxes drawn one pixel away from the place the tick-box rule gives them.
struct OffGrid {
    int sheet;
    int x, y;
};

constexpr OffGrid offGrid[] = {
    // sheet   drawn at
    {1,     339,  89},
    {1,     371,  88},
    {1,     307, 128},
    {1,     195, 128},
    {1,     339, 192},
    {1,     210, 233},
    {2,     290, 193},
    {2,     402, 231},
    {3,     499, 128},
    {3,     289, 192},
    {3,     194, 337},
};

// Moves the one box within a pixel of each of the sheet's off-grid places there.
void moveOffGrid(int sheet, std::vector<Element*>& boxes) {
    for (const OffGrid& o : offGrid) {
        if (o.sheet != sheet) continue;
        Element* found = nullptr;
        for (Element* b : boxes)
            if (std::abs(b->box.x - o.x) <= 1 && std::abs(b->box.y - o.y) <= 1) {
                if (found) throw std::logic_error("scale sheet: two tick boxes near one off-grid place");
                found = b;
            }
        if (!found) throw std::logic_error("scale sheet: no tick box near an off-grid place");
        found->box.x = o.x;
        found->box.y = o.y;
    }
}

// ---------------------------------------------------------------- the sheets

constexpr Font sheetText = tnr(21).bolded().in(black);

// Per row: starting key, keyboard, a tick box on each key from left to right,
// which is also the Tab order.
Elements sheetElements(int sheet) {
    Elements e;
    if (sheet == 1)
        e.push_back(label(82, 0, "Click on the correct squares for the notes in the scale.").font(sheetText).bg(white));
    for (int row = 0; row < 3; ++row) {
        const StartingKey& start = exercises[sheet - 1][row];
        const diagrams::Keyboard keyboard(diagrams::scaleWorkpageRow(row));
        e.push_back(label(start.x, start.y, start.name).font(sheetText).bg(white));
        e += keyboard.elements();
        for (const diagrams::Key& key : keyboard.keys())
            e.push_back(diagrams::tickBox(key).named("sheet" + std::to_string(sheet) + "row" + std::to_string(row) +
                                                     "key" + std::to_string(key.index)));
    }
    std::vector<Element*> boxes;
    for (Element& el : e)
        if (el.kind == Kind::Check) boxes.push_back(&el);
    moveOffGrid(sheet, boxes);
    return e;
}

}  // namespace

// ---------------------------------------------------------------- the window

WindowDef Tssc()
{
    WindowDef def{"Tssc", "ssc", "Scale Workpages"};
    def.printScaling = PrintScaling::FitToPage;
    def.elements = {
        sheetNotebook(632, 450, {sheetElements(1), sheetElements(2), sheetElements(3)}),
        printButton(-1, 23, 42, 25),
    };
    return def;
}

}  // namespace workpages
