// Corvalle Lyrabel — the Introduction page.
//
// A face greets the reader through a speech bubble, a row of five notes shows
// what notes look like, a text beside the grand staff explains its two sets of
// lines, and a "Remember" box sums up. The page lies directly on the window's
// purple: it declares no background shape.
#include "lessons/introductionpage.h"

#include "diagrams/glyphs.h"
#include "diagrams/staff.h"

#include <string>
#include <vector>

namespace lessons {

using namespace ui;

namespace {

constexpr Colour paleYellow = rgb(0xFFFFCA);
constexpr Colour pink = rgb(0xFFCEFF);

const std::vector<std::string> greeting{
    "Hello! This program is meant to teach both young and old, ",
    "homeschooler to senior, how to tell the sound and the length ",
    "of a note, the keys on a keyboard, and chords. This program ",
    "comes with printable workpages for practice. ",
};

const std::vector<std::string> staffText{
    "The picture to the right has two sets of lines ",
    "with five lines in each set.",
    "",
    "The top five lines are called the treble clef ",
    "and the bottom set is called the bass clef.",
    "",
    "Every line and every space between the lines ",
    "has a letter. The letter stands for a sound. ",
    "A note whose circle is put on a line or space ",
    "has the sound of that line or space.",
};

const std::vector<std::string> notesCaption{
    "These are called notes. They tell how long a sound lasts compared to other notes.",
};

const std::vector<std::string> rememberText{
    "The line or space that a note is on tells you ",
    "the sound of the note.",
    "",
    "The way a note looks, called the kind of note, ",
    "tells how long its sound lasts compared to the others.",
};

}  // namespace

Elements introductionPage()
{
    using diagrams::lessonNote;
    using diagrams::noteHead;
    using music::NoteValue;

    Elements page{
        // element                                                   settings
        diagrams::grandStaff(diagrams::GrandStaffVariant::ThreeFour, 352, 256, 257, 121, true),
        picture(  24,   8, 105, 105, "face"),
        shape  ( 184,   0, 417,  97)                                .rounded().filled(paleYellow).pen(black),
        shape  ( 104,  64,  89,  17)                                .ellipse().filled(paleYellow).pen(paleYellow),
        shape  (  48,  48,  17,   9)                                .circle().filled(black).pen(black),  // pupils
        shape  (  88,  48,   9,   9)                                .circle().filled(black).pen(black),
    };
    // The five notes, heads in one row; the last is a solid disc with no stem.
    //            value                  head x    y
    page += lessonNote(NoteValue::Sixteenth,  73, 193);
    page += lessonNote(NoteValue::Eighth,    185, 193);
    page += lessonNote(NoteValue::Quarter,   289, 193);
    page += lessonNote(NoteValue::Half,      401, 193);
    page.push_back(noteHead(497, 193, 25, 25, true));
    page += {
        label  (  16, 472, "Remember")                              .font(tnr(27).bolded().in(red)).bg(paleYellow),
        textBox( 192,   8, 401,  81, greeting)                      .bordered(Border::None).bg(paleYellow)
                                                                    .font(tnr(16).bolded().in(black)).readonly(),
        textBox(   0, 224, 353, 193, staffText)                     .bordered(Border::None).bg(pink)
                                                                    .font(tnr(17).in(black)).readonly(),
        textBox(  25, 120, 566,  25, notesCaption)                  .bordered(Border::None).bg(pink)
                                                                    .font(tnr(17).in(black)).readonly(),
        textBox( 143, 432, 466, 113, rememberText)                  .bordered(Border::None).bg(paleYellow)
                                                                    .font(tnr(19).in(black)).readonly(),
    };
    return page;
}

}  // namespace lessons
