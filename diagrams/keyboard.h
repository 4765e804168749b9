// Corvalle Lyrabel — the flat keyboard diagram: keys in one row, each key its
// own rectangle, so every half step is the next rectangle to the right.
//
// A Keyboard is declared with its parameters, yields its key list, and emits
// element lists: keys() first, then the page adds overlays made from keys.
#pragma once

#include "ui/element.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace diagrams {

struct Size { int w = 0, h = 0; };

// One key's deviation from the layout rule.
struct KeyException {
    int index = 0;
    std::optional<int> x, top, height;
};

struct KeyboardSpec {
    int x = 0, y = 0;                 // origin: top-left of the first key
    std::string firstKey = "C";       // name of the leftmost key (may be black)
    int count = 12;
    Size white, black;
    std::vector<KeyException> exceptions;
    std::vector<int> handX;           // hand-placed keyboards: left x of every key
    std::vector<int> handTop;         // hand-placed keyboards: top of every key
    std::vector<int> handHeight;      // hand-placed keyboards: height of every key, if not the colour's
};

struct Key {
    int index = 0;                    // 0 = leftmost
    int number = 0;                   // 0 (C) .. 11 (B)
    bool black = false;
    std::string name;                 // white letter, or the sharp name of a black key
    std::string sharpName, flatName;  // both equal the letter on a white key
    ui::Rect rect;                    // where the key is drawn
    ui::Rect ruleRect;                // where the layout rule puts it (overlays use this)
};

class Keyboard {
public:
    explicit Keyboard(KeyboardSpec layout);

    const std::vector<Key>& keys() const { return keys_; }
    const Key& at(int index) const;
    // By name ("F#" or "Gb" both find key 6), counting occurrences from the left (1 = first).
    const Key& named(std::string_view name, int occurrence = 1) const;
    // The key n half steps above key k: the key n places to its right.
    const Key& above(const Key& k, int halfSteps) const;

    // The key rectangles, black 1-px outline, white or black fill, left to right.
    ui::Elements elements() const;

private:
    std::vector<Key> keys_;
};

// ---- overlays: ordinary page elements placed on a key by its rule position

// Chord key name: yellow bold Times New Roman on red. White key: 16 px at
// (kx + 8, ky + h - 9); black key: blackPx (13, or 16) at (kx, ky + 48).
ui::Element chordKeyName(const Key& key, std::string_view name, int blackPx = 13);

enum class Interval { First, Second, Third };  // fuchsia, green, blue
// Counting tag "1".."4": white bold Times New Roman 16 px, at kx + 8 and
// ky + whiteOffset on a white key or ky + blackOffset on a black key.
ui::Element countingTag(const Key& key, int count, Interval interval, int whiteOffset, int blackOffset);

// Tick box 17×17 in the key's colour: black key (kx, ky + 24), white key (kx, ky + 64).
ui::Element tickBox(const Key& key);

// ---- every keyboard of the program, ready to declare: Keyboard(majorPageLeft())

KeyboardSpec keyboardInfoPage();
KeyboardSpec majorPageLeft();
KeyboardSpec majorPageRight();
KeyboardSpec minorPageLeft();
KeyboardSpec minorPageRight();
KeyboardSpec seventhPageLeft();
KeyboardSpec seventhPageRight();
KeyboardSpec major7thPageLeft();      // G drawn at 159 (rule 160); D#, G#, A# tops at 23
KeyboardSpec major7thPageRight();     // C# to D#, 15 keys
KeyboardSpec minor7thPageLeft();
KeyboardSpec minor7thPageRight();     // C to D#, 16 keys
// The three small hand-placed keyboards of the Chords page's example panel (panel coordinates).
KeyboardSpec chordExamplePanelTop();     // keyboard A, F to E
KeyboardSpec chordExamplePanelMiddle();  // keyboard B, B to B
KeyboardSpec chordExamplePanelBottom();  // keyboard C, C to B
KeyboardSpec scalePageUpper(int index);  // 0: keyboard 1 at y 16; 1: keyboard 2 at y 114
KeyboardSpec scalePageLower();
// Keyboard Workpages: sheet 1..5, upper or lower keyboard (sheet coordinates).
KeyboardSpec keyboardWorkpageSheet(int sheet, bool lower);
// The keyboard shared by the five chord workpages (mcmc, minorcw, sthcw, msthcw, misthcw).
KeyboardSpec chordWorkpagesKeyboard();
// The hand-placed keyboard of the single Chord Workpage window (ChordWorkpage).
KeyboardSpec chordWorkpageKeyboard();
// Scale Workpages: the keyboard of exercise row 0..2 (the same on every sheet).
KeyboardSpec scaleWorkpageRow(int row);

}  // namespace diagrams
