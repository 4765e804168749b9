// Corvalle Lyrabel — the Keyboard worksheets, `Tkw`: five sheets of keys to name.
//
// Sections: items on the keys · the five sheets · the window
//
// Each sheet holds two keyboards. Some keys carry their names, others carry
// empty boxes for the learner to fill in. A box's element name ends in the
// name it expects ("s2-upper-C#"; the second box for one name on a keyboard
// gets "-2", as sheet 5's upper C: "s5-lower-C-2"), so the tests can check it
// against the key it sits on; the window itself never checks what is typed.
#include "workpages/keyboardworkpages.h"

#include "diagrams/keyboard.h"
#include "diagrams/musicrules.h"
#include "ui/workpageframe.h"

#include <algorithm>
#include <array>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace workpages {
namespace {

using namespace ui;

// ---------------------------------------------------------------- items on the keys

// A name written on a key (w == 0), or a box for the name it asks for, w wide.
struct Item {
    const char* name;
    int x, y;
    int w = 0;
};

Item given(const char* name, int x, int y) { return {name, x, y, 0}; }
Item box(const char* name, int x, int y, int w) { return {name, x, y, w}; }

// What one key of the sheet's table carries on the upper and on the lower keyboard.
struct KeyItems {
    const char* key;
    std::vector<Item> upper, lower;
};

struct Sheet {
    int blackNamePx;  // Arial size of the names on black keys (sheets 1 and 2)
    std::vector<KeyItems> keys;
};

// ---------------------------------------------------------------- the five sheets

const std::array<Sheet, 5> sheets{{
    // Sheet "1"
    {19, {
        // key    upper keyboard                                          lower keyboard
        {"C",  {given("C",   71, 180)},                                  {given("C",   72, 388)}},
        {"C#", {given("Db", 109,  83), given("C#", 110, 109)},           {given("Db", 110, 298), given("C#", 109, 319)}},
        {"D",  {box("D",   140, 176, 41)},                               {box("D",   139, 384, 43)}},
        {"D#", {given("D#", 188,  87), given("Eb", 190, 111)},           {given("D#", 188, 299), given("Eb", 188, 320)}},
        {"E",  {given("E",  232, 180)},                                  {box("E",   219, 384, 43)}},
        {"F",  {box("F",   267, 176, 42)},                               {box("F",   268, 384, 41)}},
        {"F#", {given("Gb", 315,  88), given("F#", 318, 109)},           {given("Gb", 316, 299), given("F#", 317, 320)}},
        {"G",  {given("G",  360, 181)},                                  {box("G",   348, 384, 41)}},
        {"G#", {given("G#", 394,  87), given("Ab", 398, 111)},           {given("G#", 395, 301), given("Ab", 396, 323)}},
        {"A",  {box("A",   428, 176, 40)},                               {box("A",   429, 384, 40)}},
        {"A#", {given("A#", 476,  85), given("Bb", 477, 111)},           {given("Bb", 476, 297), given("A#", 476, 321)}},
        {"B",  {given("B",  520, 180)},                                  {box("B",   509, 384, 41)}},
    }},
    // Sheet "2"
    {21, {
        // key    upper keyboard                                          lower keyboard
        {"C",  {given("C",   65, 160)},                                  {box("C",    51, 344, 43)}},
        {"C#", {given("Db", 100,  65), box("C#",  96,  90, 33)},         {box("C#",   97, 259, 33), given("Db",  99, 292)}},
        {"D",  {given("D",  145, 160)},                                  {given("D",  145, 352)}},
        {"D#", {given("Eb", 179,  70), given("D#", 179,  97)},           {given("Eb", 180, 264), given("D#", 178, 291)}},
        {"E",  {given("E",  225, 160)},                                  {box("E",   211, 344, 43)}},
        {"F",  {box("F",   259, 152, 41)},                               {box("F",   259, 344, 43)}},
        {"F#", {box("F#",  304,  53, 33), box("Gb",  304,  88, 32)},     {box("Gb",  305, 246, 30), given("F#", 308, 289)}},
        {"G",  {given("G",  353, 160)},                                  {box("G",   339, 345, 45)}},
        {"G#", {given("Ab", 387,  69), given("G#", 386,  94)},           {box("G#",  384, 257, 31), given("Ab", 390, 294)}},
        {"A",  {box("A",   421, 153, 40)},                               {box("A",   419, 344, 43)}},
        {"A#", {given("A#", 468,  66), box("Bb",  465,  88, 33)},        {box("Bb",  464, 257, 32), given("A#", 468, 290)}},
        {"B",  {box("B",   500, 152, 39)},                               {box("B",   499, 344, 43)}},
    }},
    // Sheet "3": the lower keyboard runs F# to F; a box on every white key.
    {0, {
        // key    upper keyboard              lower keyboard
        {"C",  {box("C",  66, 155, 43)},     {box("C", 307, 348, 42)}},
        {"D",  {box("D", 146, 156, 41)},     {box("D", 387, 348, 41)}},
        {"E",  {box("E", 228, 156, 42)},     {box("E", 467, 348, 41)}},
        {"F",  {box("F", 274, 156, 43)},     {box("F", 515, 348, 40)}},
        {"G",  {box("G", 355, 156, 42)},     {box("G",  98, 348, 42)}},
        {"A",  {box("A", 435, 156, 41)},     {box("A", 179, 348, 42)}},
        {"B",  {box("B", 515, 157, 42)},     {box("B", 258, 348, 42)}},
    }},
    // Sheet "4": both names of three black keys per keyboard.
    {0, {
        // key    upper keyboard                                  lower keyboard
        {"C#", {box("C#", 123,  58, 32), box("Db", 122,  94, 33)}, {}},
        {"D#", {},                                                 {box("D#", 203, 259, 31), box("Eb", 203, 294, 31)}},
        {"F#", {box("F#", 330,  60, 32), box("Gb", 331,  93, 30)}, {box("F#", 330, 260, 32), box("Gb", 330, 294, 32)}},
        {"G#", {box("G#", 409,  61, 33), box("Ab", 410,  94, 32)}, {}},
        {"A#", {},                                                 {box("A#", 489, 259, 33), box("Bb", 491, 293, 31)}},
    }},
    // Sheet "5": every key; the lower keyboard ends on the next C.
    {0, {
        // key       upper keyboard                                  lower keyboard
        {"C",     {box("C",   76, 165, 41)},                         {box("C",   52, 357, 41)}},
        {"C#",    {box("C#", 120,  63, 31), box("Db", 121,  97, 30)}, {box("C#",  96, 256, 32), box("Db",  95, 290, 33)}},
        {"D",     {box("D",  156, 165, 40)},                         {box("D",  131, 357, 43)}},
        {"D#",    {box("D#", 201,  60, 31), box("Eb", 201,  97, 31)}, {box("D#", 176, 258, 32), box("Eb", 175, 292, 32)}},
        {"E",     {box("E",  237, 165, 40)},                         {box("E",  213, 358, 40)}},
        {"F",     {box("F",  285, 165, 41)},                         {box("F",  259, 357, 42)}},
        {"F#",    {box("F#", 330,  57, 30), box("Gb", 329,  91, 31)}, {box("F#", 305, 256, 31), box("Gb", 306, 289, 30)}},
        {"G",     {box("G",  363, 165, 42)},                         {box("G",  340, 357, 43)}},
        {"G#",    {box("G#", 409,  56, 31), box("Ab", 409,  90, 31)}, {box("G#", 385, 250, 31), box("Ab", 384, 284, 32)}},
        {"A",     {box("A",  445, 165, 41)},                         {box("A",  420, 357, 42)}},
        {"A#",    {box("A#", 489,  57, 31), box("Bb", 488,  91, 32)}, {box("A#", 464, 252, 32), box("Bb", 464, 284, 32)}},
        {"B",     {box("B",  524, 165, 42)},                         {box("B",  500, 357, 41)}},
        {"C",     {},                                                {box("C",  547, 357, 43)}},
    }},
}};

// ---------------------------------------------------------------- the window

constexpr Font whiteKeyText = tnr(29).bolded().in(fuchsia);
constexpr Font blackKeyBoxText = arial(21).in(rgb(0xFF8080));

bool onBlackKey(const KeyItems& k) { return music::isBlack(*music::keyNumber(k.key)); }

Element nameLabel(const Item& item, bool onBlack, int blackNamePx) {
    if (onBlack) return label(item.x, item.y, item.name).font(arial(blackNamePx).in(yellow)).bg(black);
    return label(item.x, item.y, item.name).font(whiteKeyText).bg(white);
}

Element answerBox(const Item& item, bool onBlack, const std::string& elementName) {
    if (onBlack) return edit(item.x, item.y, item.w, 32).font(blackKeyBoxText).bg(white).named(elementName);
    return edit(item.x, item.y, item.w, 40).font(whiteKeyText).bg(white).named(elementName);
}

// Keys of both keyboards first, then the names on them, then the boxes: the
// upper keyboard's boxes from left to right, then the lower's, which is the
// Tab order (a black key's upper box first, as the table lists them).
Elements sheetElements(int number, const Sheet& sheet) {
    Elements e;
    if (number == 1)
        e.push_back(label(36, 3, "Fill in the boxes with the correct letter on this page and the next pages.")
                        .font(arial(19).in(black)).bg(rgb(0xFFFFD0)));
    e += diagrams::Keyboard(diagrams::keyboardWorkpageSheet(number, false)).elements();
    e += diagrams::Keyboard(diagrams::keyboardWorkpageSheet(number, true)).elements();

    for (const auto side : {&KeyItems::upper, &KeyItems::lower})
        for (const KeyItems& k : sheet.keys)
            for (const Item& item : k.*side)
                if (item.w == 0) e.push_back(nameLabel(item, onBlackKey(k), sheet.blackNamePx));

    // Sheet 3's table is by letter and its lower keyboard starts on F#, so
    // the boxes are put in order by the key under each box's centre.
    for (const bool lower : {false, true}) {
        const diagrams::Keyboard keyboard(diagrams::keyboardWorkpageSheet(number, lower));
        const auto keyUnder = [&](const Item& item) {
            const int centre = item.x + item.w / 2;
            for (const diagrams::Key& key : keyboard.keys())
                if (centre >= key.ruleRect.x && centre < key.ruleRect.x + key.ruleRect.w - 1) return key.index;
            throw std::logic_error(std::string("keyboard sheet: box ") + item.name + " lies on no key");
        };
        std::vector<std::pair<int, Element>> boxes;
        std::map<std::string, int> occurrences;  // element names stay unique within the window
        for (const KeyItems& k : sheet.keys)
            for (const Item& item : lower ? k.lower : k.upper)
                if (item.w > 0) {
                    const int occurrence = ++occurrences[item.name];
                    const std::string name = "s" + std::to_string(number) + (lower ? "-lower-" : "-upper-") +
                                             item.name + (occurrence > 1 ? "-" + std::to_string(occurrence) : "");
                    boxes.emplace_back(keyUnder(item), answerBox(item, onBlackKey(k), name));
                }
        std::stable_sort(boxes.begin(), boxes.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
        for (auto& [key, element] : boxes) e.push_back(std::move(element));
    }
    return e;
}

}  // namespace

WindowDef Tkw()
{
    std::vector<Elements> pages;
    for (int n = 1; n <= 5; ++n) pages.push_back(sheetElements(n, sheets[n - 1]));

    WindowDef def{"Tkw", "kw", "Keyboard Workpages"};
    def.printScaling = PrintScaling::FitToPage;
    def.elements = {
        sheetNotebook(632, 450, std::move(pages)),
        printButton(0, 24, 38, 25),
    };
    return def;
}

}  // namespace workpages
