// Corvalle Lyrabel — the Notes and Staff page: the five note values with stems
// up and down, the parts of a note, and four voices sharing the grand staff.
//
// Sections: glyph pieces · the page
//
// Every glyph here is placed by hand, a few pixels off the lesson notes'
// construction, so the rows give each head, stem and flag box as the page has
// it. Stems are written by their first and last rows.
#include "lessons/notesandstaffpage.h"

#include "diagrams/glyphs.h"
#include "diagrams/staff.h"
#include "lessons/lessonbook.h"

namespace lessons {

namespace {

using namespace ui;

// ---------------------------------------------------------------- glyph pieces

constexpr bool filled = true, hollow = false;

// A 25-px chart head.
Element chartHead(int x, int y, bool isFilled) { return diagrams::noteHead(x, y, 25, 25, isFilled); }

// An 11-px head of a chord on the staff picture.
Element chordHead(int x, int y, bool isFilled) { return diagrams::noteHead(x, y, 13, 11, isFilled); }

// A solid black stem from row `first` to row `last`.
Element stem(int x, int first, int last, int width = 1) { return shape(x, first, width, last - first + 1); }

// A solid black flag bar.
Element flag(int x, int y, int w = 25, int h = 9) { return shape(x, y, w, h).filled(black).pen(black); }

// A solid bar of one colour (the fuchsia pointers and column dividers).
Element bar(int x, int y, int w, int h, Colour c) { return shape(x, y, w, h).filled(c).pen(c); }

const Font voiceFont = arial(13).in(black);
const Font captionFont = arial(13).in(red);
const Font calloutFont = arial(13).bolded().in(fuchsia);
const Colour pink = rgb(0xFFCEFF);

}  // namespace

// -------------------------------------------------------------------- the page

Elements notesAndStaffPage()
{
    return {
        pageBackground(),
        shape(16, 1, 580, 418).filled(white).pen(black, 4),                                   // main box
        diagrams::grandStaff(diagrams::GrandStaffVariant::Plain, 133, 227, 350, 116, false),  // at its own size

        // eighth-note chord: heads, shared stems (down, at the heads' right)
        //        x    y    fill
        chordHead(191, 238, filled),   // soprano: treble space 4, E
        chordHead(191, 253, filled),   // alto:    treble space 2, A
        stem     (202, 238, 285, 2),   // treble pair, rows 238 to 285
        chordHead(192, 298, filled),   // tenor:   just above the bass staff's top line
        chordHead(192, 320, filled),   // bass:    bass space 2, C
        stem     (204, 302, 346, 2),   // bass pair, rows 302 to 346

        // voice labels, right of the eighth-note chord's stems
        //    x    y    caption
        label(207, 233, "Sopranno").font(voiceFont).bg(yellow),
        label(216, 249, "Alto")    .font(voiceFont).bg(yellow),
        label(218, 306, "Tenor")   .font(voiceFont).bg(yellow),
        label(217, 328, "Bass")    .font(voiceFont).bg(yellow),

        // the chart, column by column: stem up, then stem down (flag at the stem's end first)
        //         head x, y       stem x, first, last      flags
        chartHead( 58,  57, filled), stem( 81,  22,  70),  flag( 82,  17), flag( 82,  33),  // sixteenth
        chartHead( 62, 111, filled), stem( 86, 123, 171),  flag( 87, 164), flag( 87, 149),
        chartHead(170,  57, filled), stem(194,  19,  67),  flag(195,  17),                  // eighth
        chartHead(174, 111, filled), stem(197, 120, 168),  flag(197, 160),
        chartHead(286,  57, filled), stem(311,  27,  75),                                   // quarter
        chartHead(290, 111, filled), stem(313, 118, 166),
        chartHead(407,  58, hollow), stem(431,  23,  73),                                   // half
        chartHead(411, 112, hollow), stem(435, 122, 172),
        chartHead(521,  56, hollow),                                                        // whole
        chartHead(525, 110, hollow),

        // column dividers: 2-px fuchsia lines, 184 long
        //    x    y    w   h
        shape(139, 13,  2, 184).filled(white).pen(fuchsia),
        shape(250,  4,  2, 184).filled(white).pen(fuchsia),
        shape(366,  2,  2, 184).filled(white).pen(fuchsia),
        shape(485,  4,  2, 184).filled(white).pen(fuchsia),

        label(101, 179, "The notes are the same whether the line (stem) goes up or down.")
            .font(tnr(16).bolded().in(white)).bg(purple),
        label( 63,   1, "Sixteenth            Eighth                 Quarter                     Half                Whole")
            .font(tnr(16).bolded().in(purple)).bg(white),
        label( 23, 197, "Soprano and Alto notes share the same up and down line and Bass and Tenor share the same.")
            .font(tnr(16).in(white)).bg(purple),

        // half-note chord (shared stems: treble up from the lower head, bass down
        // from the upper head), then the whole-note chord
        //        x    y    fill
        chordHead(304, 246, hollow),   // soprano: treble space 3, C
        chordHead(304, 261, hollow),   // alto:    treble space 1, F
        stem     (315, 225, 272, 2),
        chordHead(307, 305, hollow),   // tenor:   bass space 4, G
        chordHead(307, 321, hollow),   // bass:    bass space 2, C
        stem     (319, 307, 354, 2),
        chordHead(366, 245, hollow),   // soprano: treble space 3, C
        chordHead(366, 262, hollow),   // alto:    treble space 1, F
        chordHead(366, 309, hollow),   // tenor:   bass line 4, F
        chordHead(367, 325, hollow),   // bass:    bass line 2, B

        // chord captions
        //    x    y    caption
        label(165, 217, "Eighth notes").font(captionFont).bg(white),
        label(276, 218, "Half notes")  .font(captionFont).bg(white),
        label(347, 218, "Whole notes") .font(captionFont).bg(white),

        // flags of the eighth-note chord, at the lower ends of its stems
        flag(203, 342, 21, 7),         // bass pair
        flag(202, 281, 21, 7),         // treble pair

        // the parts of a note, pointed at on the stem-down sixteenth
        label( 30, 153, "Flags").font(calloutFont).bg(white),
        bar  ( 64, 167, 29, 3, fuchsia),                    // to the lower flag
        bar  ( 64, 153, 29, 3, fuchsia),                    // to the upper flag
        bar  ( 87, 137, 29, 3, fuchsia),                    // from the stem; the "Stem" label covers its end
        label(101, 129, "Stem").font(calloutFont).bg(white),
        shape( 12, 162,  4, 85).filled(pink).pen(fuchsia),  // bracket from "Flags" down to the flag note
        shape( 12, 162, 19,  4).filled(pink).pen(fuchsia),
        shape(  4, 218, 125, 68).filled(white).pen(fuchsia, 2),  // flag-note frame, over the main box's border

        textBox(48, 349, 505, 58, {
                    "Soprano sings the top note of a song, and Alto the lower note of the top staff.",
                    "Tenor sings the upper note of the bottom staff, and Bass its bottom note.",
                    "NOTE THAT: The Soprano note is the melody note.",
                })
            .readonly().bordered(Border::None).bg(white).font(tnr(16).in(fuchsia)),
        pageButton("BitBtn36"),
        textBox(7, 220, 120, 64, {"Note the flags may ", "look some different ", "in song books."})
            .readonly().bordered(Border::None).bg(pink).font(tnr(16).in(black)),
    };
}

}  // namespace lessons
