// Corvalle Lyrabel — the Welcome page and the verses panel over the lesson book.
//
// Sections: Welcome page · verses panel
#include "lessons/welcomepage.h"

#include "diagrams/staff.h"
#include "lessons/lessonbook.h"

#include <string>
#include <vector>

namespace lessons {

using namespace ui;

namespace {

constexpr Colour pink = rgb(0xFFCEFF);

constexpr Font partName = tnr(15).bolded();  // the names on the black band

}  // namespace

// --------------------------------------------------------------- Welcome page

Elements welcomePage()
{
    using diagrams::GrandStaffVariant;
    return {
        // element                                                  settings
        pageBackground(),
        shape  ( -12, 432, 622, 128)                               .filled(black).pen(black),
        picture( 230, 100, 161, 233, "mascot"),
        label  (  67,  18, "Corvalle Lyrabel")                     .font(tnr(48).bolded().italicized().in(black)).bg(purple),
        label  (  78, 353, "Thank you for downloading Corvalle Lyrabel.").font(tnr(21).bolded().in(white)).bg(purple),
        label  ( 169,  72, "Free to copy and share with your friends.").font(tnr(16).bolded().in(yellow)).bg(purple),
        diagrams::grandStaff(GrandStaffVariant::ThreeFour, 185, 443, 299, 85, true),
        label  ( 118, 504, "Bass Clef")                            .font(partName.in(yellow)).bg(red),
        label  ( 106, 456, "Treble Clef")                          .font(partName.in(yellow)).bg(red),
        label  ( 237, 456, "Measure")                              .font(partName.in(lime)).bg(navy),
        label  ( 305, 445, "Bar")                                  .font(partName.in(lime)).bg(navy),
        label  ( 358, 456, "Measure")                              .font(partName.in(lime)).bg(navy),
        label  ( 437, 444, "Bar")                                  .font(partName.in(lime)).bg(navy),
        // beyond the page's right edge: the background leaves it no area, so it is never seen
        shape  ( 620,   0,  16, 544)                               .filled(black).pen(black).aligned(Align::Client),
        label  ( 250, 378, "www.corvallelyrabel.example")          .font(tnr(16).bolded().in(yellow)).bg(purple),
        panel  ( 190, 407, 262,  21).named("Panel1").bg(gray).text("Click Here for A Reason to Sing")
            .font(tnr(19).bolded().italicized().in(pink)).onClick("Panel1Click"),
    };
}

// -------------------------------------------------------------- verses panel

namespace {

// Three passages, King James wording; a paragraph's first line is indented by
// four spaces, and a line the paragraph continues after ends in a space.
const std::vector<std::string> passages{
    "    The next day John seeth Jesus coming unto him, and saith, Behold the Lamb ",
    "of God, which taketh away the sin of the world.  John 1:29",
    "    For [there is] one God, and one mediator between God and men, the man ",
    "Christ Jesus; Who gave himself a ransom for all, [to be] testified in due time. ",
    "1 Timothy 2:5-6",
    "    And, having made peace through the blood of his cross, by him to reconcile all ",
    "things unto himself; by him, [I say], whether [they be] things in earth, or things ",
    "in heaven.  Colossians 1:20",
};

// Further references, spaced as they stand inside the oval.
const std::vector<std::string> references{
    "        Hebrews 9:12  1 Peter 2:24  Ephesians 1:7  Hebrews 10:10  ",
    "Hebrews 10:12  Hebrews 1:3  Romans 5:8-9  1 John 2:2  1 John 4:19 ",
    "      Romans 6:22  John 3:16-18 Romans 10:13  Revelation  22:17 ",
    "                              Philippians 4:19  Romans 8:32  ",
};

}  // namespace

Element versesPanel()
{
    return panel(3, 30, 614, 403, {
                     // element                                   settings
                     shape  (  16, 180, 585, 162)                 .ellipse().filled(white).pen(purple, 3),
                     label  (  25, 367, "When you are done with the verses click the OK button.")
                                                                  .font(tnr(21).in(pink)).bg(purple),
                     label  ( 160, 201, "Where to find some special verses in the Bible:")
                                                                  .font(tnr(15).italicized().in(gray)),  // on the panel's pink
                     textBox(  -1,  16, 614, 153, passages)       .bordered(Border::None).bg(pink)
                                                                  .font(arial(17).in(purple)).readonly(),
                     textBox(  56, 222, 505,  77, references)     .bordered(Border::None).bg(white)
                                                                  .font(arial(16).in(purple)).readonly(),
                     button ( 509, 364,  75,  25, "").ok().named("BitBtn34")
                                                                  .font(tnr(16).bolded().in(windowText)).onClick("BitBtn34Click"),
                 })
        .named("ve2").bg(pink).hidden();
}

}  // namespace lessons
