// Corvalle Lyrabel — the flat keyboard diagram: key layout, overlays, and the
// declared parameters of every keyboard in the program.
//
// Sections: key layout · finding keys · drawing · overlays · every keyboard
#include "diagrams/keyboard.h"

#include "diagrams/musicrules.h"

#include <stdexcept>
#include <utility>

namespace diagrams {

// ------------------------------------------------------------- key layout

namespace {

void requireLength(const std::vector<int>& values, int count, const char* what) {
    if (!values.empty() && static_cast<int>(values.size()) != count)
        throw std::invalid_argument(std::string("keyboard: ") + what + " must list every key");
}

}  // namespace

Keyboard::Keyboard(KeyboardSpec layout) {
    const auto first = music::keyNumber(layout.firstKey);
    if (!first) throw std::invalid_argument("keyboard: first key \"" + layout.firstKey + "\" is not a key name");
    if (layout.count < 1) throw std::invalid_argument("keyboard: no keys");
    requireLength(layout.handX, layout.count, "hand-placed x");
    requireLength(layout.handTop, layout.count, "hand-placed tops");
    requireLength(layout.handHeight, layout.count, "hand-placed heights");

    // Each key starts on the previous key's right border column, so every
    // half step is the next rectangle; hand-placed positions replace this.
    int ruleLeft = layout.x;
    keys_.reserve(layout.count);
    for (int i = 0; i < layout.count; ++i) {
        Key key;
        key.index = i;
        key.number = music::keyAbove(*first, i);
        key.black = music::isBlack(key.number);
        key.sharpName = music::sharpName(key.number);
        key.flatName = music::flatName(key.number);
        key.name = key.sharpName;
        const Size size = key.black ? layout.black : layout.white;
        key.ruleRect = {layout.handX.empty() ? ruleLeft : layout.handX[i],
                        layout.handTop.empty() ? layout.y : layout.handTop[i],
                        size.w,
                        layout.handHeight.empty() ? size.h : layout.handHeight[i]};
        key.rect = key.ruleRect;
        ruleLeft += size.w - 1;
        keys_.push_back(std::move(key));
    }

    // Exceptions move or resize the drawn key only; the overlays stay on the
    // rule position, and the following keys keep theirs.
    for (const KeyException& e : layout.exceptions) {
        if (e.index < 0 || e.index >= layout.count) throw std::out_of_range("keyboard: exception for a key that is not there");
        ui::Rect& r = keys_[e.index].rect;
        if (e.x) r.x = *e.x;
        if (e.top) r.y = *e.top;
        if (e.height) r.h = *e.height;
    }
}

// ------------------------------------------------------------- finding keys

const Key& Keyboard::at(int index) const {
    if (index < 0 || index >= static_cast<int>(keys_.size())) throw std::out_of_range("keyboard: no key at this index");
    return keys_[index];
}

const Key& Keyboard::named(std::string_view name, int occurrence) const {
    const auto number = music::keyNumber(name);
    if (!number) throw std::invalid_argument("keyboard: \"" + std::string(name) + "\" is not a key name");
    int seen = 0;
    for (const Key& key : keys_)
        if (key.number == *number && ++seen == occurrence) return key;
    throw std::out_of_range("keyboard: the keyboard holds no such occurrence of " + std::string(name));
}

const Key& Keyboard::above(const Key& k, int halfSteps) const { return at(k.index + halfSteps); }

// ------------------------------------------------------------------ drawing

ui::Elements Keyboard::elements() const {
    ui::Elements out;
    out.reserve(keys_.size());
    for (const Key& key : keys_) {
        const ui::Rect& r = key.rect;
        out.push_back(ui::shape(r.x, r.y, r.w, r.h).pen(ui::black, 1).filled(key.black ? ui::black : ui::white));
    }
    return out;
}

// ----------------------------------------------------------------- overlays

ui::Element chordKeyName(const Key& key, std::string_view name, int blackPx) {
    const ui::Rect& r = key.ruleRect;
    if (key.black)
        return ui::label(r.x, r.y + 48, std::string(name)).font(ui::tnr(blackPx).bolded().in(ui::yellow)).bg(ui::red);
    // White keys: the 19-px label starts 9 px above the key's bottom edge and overhangs it.
    return ui::label(r.x + 8, r.y + r.h - 9, std::string(name)).font(ui::tnr(16).bolded().in(ui::yellow)).bg(ui::red);
}

ui::Element countingTag(const Key& key, int count, Interval interval, int whiteOffset, int blackOffset) {
    if (count < 1 || count > 4) throw std::out_of_range("counting tag: a chord interval counts 1 to 4");
    ui::Colour background = ui::fuchsia;
    if (interval == Interval::Second) background = ui::green;
    if (interval == Interval::Third) background = ui::blue;
    const ui::Rect& r = key.ruleRect;
    return ui::label(r.x + 8, r.y + (key.black ? blackOffset : whiteOffset), std::to_string(count))
        .font(ui::tnr(16).bolded().in(ui::white))
        .bg(background);
}

ui::Element tickBox(const Key& key) {
    const ui::Rect& r = key.ruleRect;
    return ui::check(r.x, r.y + (key.black ? 24 : 64), 17, 17).bg(key.black ? ui::black : ui::white);
}

// ------------------------------------------------------------ every keyboard
// Positions are relative to the page, sheet or panel that holds the keyboard.

namespace {

KeyboardSpec regular(int x, int y, const char* first, int count, Size white, Size black,
                     std::vector<KeyException> exceptions = {}) {
    KeyboardSpec layout;
    layout.x = x;
    layout.y = y;
    layout.firstKey = first;
    layout.count = count;
    layout.white = white;
    layout.black = black;
    layout.exceptions = std::move(exceptions);
    return layout;
}

KeyboardSpec handPlaced(const char* first, Size white, Size black, std::vector<int> x, std::vector<int> top,
                        std::vector<int> height = {}) {
    KeyboardSpec layout;
    layout.count = static_cast<int>(x.size());
    layout.x = x.front();
    layout.y = top.front();
    layout.firstKey = first;
    layout.white = white;
    layout.black = black;
    layout.handX = std::move(x);
    layout.handTop = std::move(top);
    layout.handHeight = std::move(height);
    return layout;
}

KeyException moveTo(int index, int x) { KeyException e; e.index = index; e.x = x; return e; }
KeyException topAt(int index, int top) { KeyException e; e.index = index; e.top = top; return e; }
KeyException heightOf(int index, int height) { KeyException e; e.index = index; e.height = height; return e; }

// Key indices on a keyboard starting at C.
enum : int { C = 0, Cs = 1, D = 2, Ds = 3, E = 4, F = 5, Fs = 6, G = 7, Gs = 8, A = 9, As = 10, B = 11 };

}  // namespace

//                                                  origin    first keys  white       black      exceptions
KeyboardSpec keyboardInfoPage()   { return regular(142,  52, "C",   12, {33, 161}, {25, 89}); }
KeyboardSpec majorPageLeft()      { return regular(  8,  24, "C",   12, {25,  97}, {17, 57}); }
KeyboardSpec majorPageRight()     { return regular(352,  24, "C",   12, {25,  97}, {17, 57}); }
KeyboardSpec minorPageLeft()      { return regular( 16,  24, "C",   12, {25,  97}, {17, 57}); }
KeyboardSpec minorPageRight()     { return regular(360,  24, "C",   12, {25,  97}, {17, 57}); }
KeyboardSpec seventhPageLeft()    { return regular(  8,  32, "C",   12, {25, 105}, {17, 57}); }
KeyboardSpec seventhPageRight()   { return regular(360,  32, "C",   12, {25, 105}, {17, 57}); }
KeyboardSpec major7thPageLeft()   { return regular( 16,  24, "C",   12, {25,  89}, {17, 57},
                                                   {moveTo(G, 159), topAt(Ds, 23), topAt(Gs, 23), topAt(As, 23)}); }
KeyboardSpec major7thPageRight()  { return regular(301,  26, "C#",  15, {25,  89}, {17, 57}); }
KeyboardSpec minor7thPageLeft()   { return regular( 16,  24, "C",   12, {25,  89}, {17, 57}); }
KeyboardSpec minor7thPageRight()  { return regular(283,  25, "C",   16, {25,  89}, {17, 57}); }
KeyboardSpec scalePageLower()     { return regular(209, 245, "C",   12, {17,  73}, {17, 44}); }
KeyboardSpec chordWorkpagesKeyboard() { return regular(107, 27, "C", 24, {17,  89}, {17, 49}); }

KeyboardSpec scalePageUpper(int index) {
    if (index < 0 || index > 1) throw std::out_of_range("the Scale page has two upper keyboards");
    //             origin                   first keys  white      black
    return regular(26, index == 0 ? 16 : 114, "C", 36, {17, 73}, {17, 41});
}

KeyboardSpec scaleWorkpageRow(int row) {
    if (row < 0 || row > 2) throw std::out_of_range("a scale workpage sheet has rows 0 to 2");
    //             origin              first keys  white      black
    return regular(130, 64 + 104 * row, "C", 24, {17, 81}, {17, 41});
}

KeyboardSpec keyboardWorkpageSheet(int sheet, bool lower) {
    const std::vector<KeyException> sheet4LowerBlackTops =
        {topAt(Cs, 216), topAt(Ds, 216), topAt(Fs, 216), topAt(Gs, 216), topAt(As, 216)};
    const std::vector<KeyException> sheet5LongBlackKeys = {heightOf(Cs, 113), heightOf(Ds, 113)};
    switch (sheet) {
    //                                origin    first keys  white       black       exceptions
    case 1: return lower ? regular(56, 248, "C",  12, {49, 177}, {33,  97})
                         : regular(56,  40, "C",  12, {49, 177}, {33,  97}, {topAt(Cs, 39)});
    case 2: return lower ? regular(48, 221, "C",  12, {49, 169}, {33,  97})
                         : regular(48,  29, "C",  12, {49, 169}, {33,  97});
    case 3: return lower ? regular(63, 220, "F#", 12, {49, 169}, {33,  89})
                         : regular(63,  28, "C",  12, {49, 169}, {33,  89});
    case 4: return lower ? regular(74, 218, "C",  12, {49, 185}, {33, 113}, sheet4LowerBlackTops)
                         : regular(74,  16, "C",  12, {49, 185}, {33, 113});
    case 5: return lower ? regular(48, 213, "C",  13, {49, 185}, {33, 105}, sheet5LongBlackKeys)
                         : regular(72,  21, "C",  12, {49, 185}, {33, 105}, sheet5LongBlackKeys);
    default: throw std::out_of_range("the Keyboard Workpages have sheets 1 to 5");
    }
}

// Hand-placed keyboards: the listed positions replace the layout rule.

KeyboardSpec chordExamplePanelTop() {
    return handPlaced("F", {12, 64}, {12, 38},
        //   F   F#    G   G#    A   A#    B    C   C#    D   D#    E
        {    2,  13,  25,  36,  48,  59,  72,  83,  95, 107, 118, 130},   // x
        {  252, 253, 252, 252, 251, 251, 251, 251, 252, 251, 251, 250});  // top
}

KeyboardSpec chordExamplePanelMiddle() {
    return handPlaced("B", {12, 64}, {12, 38},
        //   B    C   C#    D   D#    E    F   F#    G   G#    A   A#    B
        {    3,  14,  25,  37,  48,  60,  71,  83,  95, 107, 119, 130, 143},   // x
        {  328, 328, 329, 328, 328, 327, 327, 328, 327, 328, 327, 327, 327});  // top
}

KeyboardSpec chordExamplePanelBottom() {
    return handPlaced("C", {12, 64}, {12, 38},
        //   C   C#    D   D#    E    F   F#    G   G#    A   A#    B
        {    3,  15,  27,  38,  49,  60,  71,  83,  94, 106, 117, 130},   // x
        {  422, 423, 422, 422, 422, 422, 423, 422, 422, 421, 421, 421});  // top
}

KeyboardSpec chordWorkpageKeyboard() {
    return handPlaced("C", {19, 89}, {19, 49},
        //   C   C#    D   D#    E    F   F#    G   G#    A   A#    B
        {   90, 109, 126, 145, 163, 181, 199, 217, 235, 253, 271, 290,      // x, first octave
           307, 326, 343, 361, 378, 394, 413, 432, 451, 469, 487, 506},     //    second octave
        {  352, 351, 352, 352, 352, 352, 352, 352, 352, 352, 352, 352,      // top
           352, 352, 352, 352, 352, 352, 352, 352, 352, 352, 352, 351},
        {   89,  49,  89,  49,  89,  89,  49,  89,  49,  89,  49,  89,      // height: the second
            89,  49,  90,  49,  90,  90,  49,  90,  49,  90,  49,  90});    // octave's D to B are 90
}

}  // namespace diagrams
