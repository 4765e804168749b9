// Corvalle Lyrabel — the Scale page: half steps, whole steps and the scale of
// C and of F# marked step by step on two three-octave keyboards.
//
// Each step tag stands on the key its step arrives at; the tables below give
// the tags as the page draws them, the key reached named for the reader.
#include "lessons/scalepage.h"

#include "diagrams/keyboard.h"
#include "lessons/lessonbook.h"

namespace lessons {
namespace {

using namespace ui;

constexpr Font tagFont = tnr(15).bolded().in(lime);
constexpr Font captionFont = tnr(15).in(yellow);     // on red
constexpr Font ruleFont = tnr(19).bolded().in(black);
constexpr Font exampleFont = tnr(16).in(black);
constexpr Font suggestionFont = tnr(16).bolded().in(white);

Element stepTag(int x, int y, const char* step) { return label(x, y, step).font(tagFont).bg(navy); }
Element text(int x, int y, const char* caption, Font font, Colour background) {
    return label(x, y, caption).font(font).bg(background);
}

Elements keys(const diagrams::KeyboardSpec& layout) { return diagrams::Keyboard(layout).elements(); }

}  // namespace

Elements scalePage()
{
    Elements page = {pageBackground(628)};
    page += keys(diagrams::scalePageUpper(0));
    page += keys(diagrams::scalePageUpper(1));
    page += {
        shape(10, 200, 601, 193).pen(black, 4),

        // The scale of C on keyboard 1             key reached
        label(218,  56, "C").font(tnr(19).bolded().in(yellow)).bg(red),  // C (start)
        stepTag(250,  72, "W"),                                          // D
        stepTag(282,  71, "W"),                                          // E
        stepTag(298,  71, "H"),                                          // F
        stepTag(330,  72, "W"),                                          // G
        stepTag(362,  72, "W"),                                          // A
        stepTag(394,  72, "W"),                                          // B
        stepTag(410,  72, "H"),                                          // C
        label(410,  48, "C").font(tnr(19).bolded().in(yellow)).bg(red),  // C (end)

        // The scale of F# on keyboard 2: tags on white keys stand below the black keys
        label(122, 122, "F#").font(captionFont).bg(red),                 // F# (start)
        stepTag(154, 138, "W"),                                          // G#
        stepTag(186, 138, "W"),                                          // A#
        stepTag(202, 170, "H"),                                          // B
        stepTag(234, 138, "W"),                                          // C#
        stepTag(266, 138, "W"),                                          // D#
        stepTag(298, 170, "W"),                                          // F
        stepTag(314, 138, "H"),                                          // F#
        label(314, 122, "F#").font(captionFont).bg(red),                 // F# (end)

        //   x    y   caption                                                                    font          background
        text(266,  -1, "The Scale of C",                                                         captionFont,  red),
        text(170,  98, "The Scale of F#",                                                        captionFont,  red),
        text( 73, 208, "To go up a half step you go to the next key on the keyboard.",           ruleFont,     white),
        text(128, 228, "C# is a half step above C.     F is a half step above E.   etc.",        exampleFont,  white),
    };
    page += keys(diagrams::scalePageLower());
    page += {
        //   x    y   caption                                                                    font          background
        text(113, 310, "For a whole step start on any key and skip a key.",                      ruleFont,     white),
        text(121, 331, "C# is a whole step above B.     F# is a whole step above E.   etc.",     exampleFont,  white),
        // Spaced so that each name falls near its key of the keyboard above.
        text(209, 262, " C  C#   D  Eb  E   F  F#  G  Ab  A  Bb  B",                             tnr(11).in(red), white),
        text( 33, 350, "To find a scale start on a key and go up 2 wholes a half and then 3 wholes and a half.",
                                                                                                 tnr(16).bolded().in(yellow), red),
        text( 49, 370, "Example: To find the scale of D: Start on D then click on E then F#, G, A, B, C#, D.",
                                                                                                 exampleFont,  white),
        // The legend's two gaps hold a "W" and an "H" tag.
        text(117, 189, "The      stands for whole step and the       stands for half step.",    tnr(16).bolded().in(white), fuchsia),
        stepTag(149, 190, "W"),
        stepTag(368, 190, "H"),

        text( 57, 451, "Suggestion: To write songs have the same number of syllables in each line.", suggestionFont, purple),
        text(130, 475, "Have some of the ending words of the lines rhyme.",                      suggestionFont, purple),
        text(126, 499, "For the music use mostly notes from the same scale.",                    suggestionFont, purple),
        text( 38, 522, "The above scale taught is a diatonic scale. There are other scales not taught here.",
                                                                                                 suggestionFont, purple),
        pageButton("BitBtn27"),
    };
    return page;
}

}  // namespace lessons
