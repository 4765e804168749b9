// Corvalle Lyrabel — the Keyboard Info page.
//
// One octave from C to B with every key named: a letter at the bottom of each
// white key, the sharp name above the flat name on each black key. The names
// are stored as the page shows them; the tests check them against the keys
// they stand on.
#include "lessons/keyboardinfopage.h"

#include "diagrams/keyboard.h"
#include "lessons/lessonbook.h"

namespace lessons {

using namespace ui;

namespace {

constexpr Font whiteKeyLetter = tnr(29).bolded().in(purple);
constexpr Font blackKeyName = tnr(19).in(yellow);
constexpr Font text = tnr(19).in(black);

Element letter(int x, int y, const char* name) { return label(x, y, name).font(whiteKeyLetter).bg(white); }
Element keyName(int x, int y, const char* name) { return label(x, y, name).font(blackKeyName).bg(black); }
Element line(int x, int y, const char* words) { return label(x, y, words).font(text).bg(white); }

}  // namespace

Elements keyboardInfoPage()
{
    Elements page{
        pageBackground(),
        shape(61, 4, 507, 305).filled(white).pen(black, 5),  // upper box
    };
    page += diagrams::Keyboard(diagrams::keyboardInfoPage()).elements();
    page += {
        //      x    y    text
        label  (222,  12, "Keyboard Keys").font(tnr(27).bolded().in(yellow)).bg(purple),
        letter (146, 180, "C"),
        letter (204, 178, "D"),
        letter (260, 178, "E"),
        letter (295, 178, "F"),
        letter (348, 179, "G"),
        letter (403, 180, "A"),
        letter (460, 180, "B"),
        line   (177, 220, "Use the black keys as a reference point."),
        line   (104, 249, "Between the two black keys is D and on the sides C and E."),
        line   ( 66, 275, "Between the three black keys is G and A and on the sides F and B."),
        keyName(175,  84, "C#"),
        keyName(176, 116, "Db"),
        keyName(232,  84, "D#"),
        keyName(230, 115, "Eb"),
        keyName(319,  87, "F#"),
        keyName(318, 115, "Gb"),
        keyName(374,  87, "G#"),
        keyName(375, 115, "Ab"),
        keyName(431,  86, "A#"),
        keyName(431, 117, "Bb"),
        shape  (  60, 310, 509, 102).filled(white).pen(black, 5),  // lower box
        line   (132, 351, "A black key is the sharp or the white key before it"),
        line   (193, 372, "and the flat of the white key after it."),
        line   (281, 315, "sharp: #"),
        line   (236, 334, "flat: b in this program"),
        pageButton("BitBtn26"),
    };
    return page;
}

}  // namespace lessons
