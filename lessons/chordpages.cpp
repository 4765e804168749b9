// Corvalle Lyrabel — the five chord lesson pages: Major, Minor, 7th, Major 7th, Minor 7th.
//
// Sections: the shared layout · Major · Minor · 7th · Major 7th · Minor 7th
//
// Every page shows its chord rule worked out on two example keyboards. The
// chord's keys are found on a keyboard by the rule (its first key by name,
// each next key the rule's half steps above the one before) and named there;
// every key passed while counting gets a numbered tag. Each page below gives
// only what is its own: keyboards, the names written on the chord keys, tag
// heights, the rule box, its texts and its button.
#include "lessons/chordpages.h"

#include "diagrams/keyboard.h"
#include "diagrams/musicrules.h"
#include "lessons/lessonbook.h"

#include <string>
#include <vector>

namespace lessons {
namespace {

using namespace ui;
using diagrams::Interval;
using diagrams::Key;
using diagrams::Keyboard;
using diagrams::KeyboardSpec;
using music::ChordKind;

// ------------------------------------------------------------ the shared layout

// One example: its keyboard, the chord's keys as written on them (first key
// first) and the counting-tag heights on keys that carry no name. A tag on a
// black key that carries a name always sits at top + 24, clear of the name.
struct ChordExample {
    KeyboardSpec keyboard;
    std::vector<std::string> names;
    int whiteTag = 56;
    int blackTag = 32;
};

// An overlay the page draws one pixel away from its key's rule position.
struct Point { int x = 0, y = 0; };
struct Moved { Point rulePosition, drawnAt; };

struct ChordPage {
    ChordKind kind;
    ChordExample left, right;
    Rect ruleBox;
    int blackNamePx = 13;        // chord key names on black keys
    std::vector<Moved> moved{};  // overlays off their rule position
    Elements captions;           // under the keyboards
    Elements texts;              // rule lines and extra lines, in drawing order
    const char* button;          // the page's "Workpages" button
};

// Texts of the pages, by look.
Element caption(int x, int y, const char* text) {
    return label(x, y, text).font(tnr(21).bolded().in(white)).bg(purple);
}
Element ruleLine(int x, int y, const char* text) {
    return label(x, y, text).font(tnr(21).bolded().in(black)).bg(white);
}
Element line(int x, int y, const char* text, Font font, Colour background = white) {
    return label(x, y, text).font(font).bg(background);
}

// The chord's keys on the keyboard: the first by name, each next one the
// rule's half steps above the one before.
std::vector<Key> chordKeys(const Keyboard& keyboard, const ChordExample& example, ChordKind kind) {
    std::vector<Key> keys{keyboard.named(example.names.front())};
    for (int steps : music::chordSteps(kind))
        keys.push_back(keyboard.above(keys.back(), steps));
    return keys;
}

Elements keyNames(const std::vector<Key>& keys, const ChordExample& example, int blackPx) {
    Elements names;
    for (std::size_t i = 0; i < keys.size(); ++i)
        names.push_back(diagrams::chordKeyName(keys[i], example.names.at(i), blackPx));
    return names;
}

// Tags 1, 2, ... on every key passed counting up from each chord key to the next.
Elements countingTags(const Keyboard& keyboard, const std::vector<Key>& keys,
                      const ChordExample& example, ChordKind kind) {
    constexpr Interval colours[] = {Interval::First, Interval::Second, Interval::Third};
    const std::vector<int> steps = music::chordSteps(kind);
    Elements tags;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        for (int count = 1; count <= steps[i]; ++count) {
            const Key& key = keyboard.above(keys[i], count);
            const bool named = count == steps[i];  // the next chord key
            tags.push_back(diagrams::countingTag(key, count, colours[i], example.whiteTag,
                                                 named ? 24 : example.blackTag));
        }
    }
    return tags;
}

void applyMoves(Elements& overlays, const std::vector<Moved>& moved) {
    for (const Moved& m : moved)
        for (Element& e : overlays)
            if (e.box.x == m.rulePosition.x && e.box.y == m.rulePosition.y) {
                e.box.x = m.drawnAt.x;
                e.box.y = m.drawnAt.y;
            }
}

Elements chordPage(const ChordPage& page) {
    const Keyboard left(page.left.keyboard), right(page.right.keyboard);
    const std::vector<Key> leftChord = chordKeys(left, page.left, page.kind);
    const std::vector<Key> rightChord = chordKeys(right, page.right, page.kind);

    Elements overlays = keyNames(leftChord, page.left, page.blackNamePx)
                      + keyNames(rightChord, page.right, page.blackNamePx)
                      + countingTags(left, leftChord, page.left, page.kind)
                      + countingTags(right, rightChord, page.right, page.kind);
    applyMoves(overlays, page.moved);

    Elements elements{pageBackground()};
    elements += left.elements();
    elements += right.elements();
    elements.push_back(shape(page.ruleBox.x, page.ruleBox.y, page.ruleBox.w, page.ruleBox.h).pen(black, 4));
    elements += std::move(overlays);
    elements += page.captions;
    elements += page.texts;
    elements.push_back(pageButton(page.button));
    return elements;
}

constexpr Font note = tnr(19).italicized().in(navy);
constexpr Font example = tnr(16).in(red);
constexpr Font hint = tnr(16).italicized().in(blue);
constexpr Font pattern = tnr(21).bolded().in(red);

}  // namespace

// ----------------------------------------------------------------------- Major

Elements majorPage() {
    return chordPage({
        .kind  = ChordKind::Major,
        //        keyboard                         names on the chord keys       tags: white  black
        .left  = {diagrams::majorPageLeft(),       {"C",  "E",  "G"},                  56,   32},
        .right = {diagrams::majorPageRight(),      {"C#", "F",  "Ab"},                 56,   32},
        .ruleBox = {16, 200, 577, 201},
        .captions = {
            //        x    y    text
            caption( 64, 136, "C major chord"),
            caption(408, 136, "C# major chord"),
        },
        .texts = {
            //     x    y    text                                                                           font
            line    ( 99, 216, "note: A half step is always the next key on a keyboard.",                   note),
            ruleLine(145, 246, "For a major chord click on any key, "),
            ruleLine(161, 272, "the key 4 half steps above that,"),
            ruleLine( 96, 296, "and the key 3 half steps above the second key."),
            line    (204, 328, "Look at the example above:",                                                example),
            line    ( 80, 347, "C major chord is made by pressing the C, E, and G keys at the same time.",   example),
            line    ( 65, 370, "C# major chord is made by pressing the C#, F, and Ab keys at the same time.", example),
        },
        .button = "BitBtn28",
    });
}

// ----------------------------------------------------------------------- Minor

Elements minorPage() {
    return chordPage({
        .kind  = ChordKind::Minor,
        //        keyboard                         names on the chord keys       tags: white  black
        .left  = {diagrams::minorPageLeft(),       {"D",  "F",  "A"},                  56,   32},
        .right = {diagrams::minorPageRight(),      {"D#", "F#", "A#"},                 56,   24},
        .ruleBox = {16, 200, 593, 201},
        .captions = {
            //        x    y    text
            caption( 64, 144, "D minor chord"),
            caption(416, 136, "D# minor chord"),
        },
        .texts = {
            //     x    y    text                                                                       font
            ruleLine(136, 208, "For a minor chord start with any key."),
            ruleLine(128, 232, "Count up 3 half steps for the second key."),
            ruleLine( 32, 256, "For the third key count up four half steps from the second key."),
            line    (208, 280, "Press all three keys at once.",                                         tnr(15).bolded().in(red)),
            line    (128, 304, "Hint: for major think big number first.        4 then 3.",             hint),
            line    (136, 328, "For minor think little number first.        3 then 4.",                hint),
        },
        .button = "BitBtn29",
    });
}

// ------------------------------------------------------------------------- 7th

Elements seventhPage() {
    return chordPage({
        .kind  = ChordKind::Seventh,
        //        keyboard                         names on the chord keys       tags: white  black
        .left  = {diagrams::seventhPageLeft(),     {"C",  "E",  "G",  "Bb"},           64,   32},
        .right = {diagrams::seventhPageRight(),    {"C#", "F",  "Ab", "B"},            64,   32},
        .ruleBox = {16, 216, 585, 185},
        .captions = {
            //        x    y    text          (the right keyboard has no caption)
            caption( 72, 152, "C 7th chord"),
        },
        .texts = {
            //     x    y    text
            ruleLine(144, 232, "For a 7th chord start with any key."),
            ruleLine(144, 256, "4 half steps from that is second key."),
            ruleLine(120, 280, "3 half steps from second key is third key."),
            ruleLine(128, 304, "3 half steps from third key is fourth key."),
        },
        .button = "BitBtn30",
    });
}

// ------------------------------------------------------------------- Major 7th

Elements majorSeventhPage() {
    return chordPage({
        .kind  = ChordKind::MajorSeventh,
        //        keyboard                         names on the chord keys       tags: white  black
        .left  = {diagrams::major7thPageLeft(),    {"C",  "E",  "G",  "B"},            56,   32},
        .right = {diagrams::major7thPageRight(),   {"D",  "F#", "A",  "C#"},           56,   24},
        .ruleBox = {16, 202, 585, 201},
        .blackNamePx = 16,
        .moved = {
            //  rule position  drawn at
            { {168, 104},      {168, 103} },  // the G name
        },
        .captions = {
            //        x    y    text
            caption( 80, 128, "C major 7th"),
            caption(397, 130, "D major 7th"),
        },
        .texts = {
            //     x    y    text                                                  font
            ruleLine(111, 240, "For a Major 7th notice the pattern of half steps."),
            line    (288, 263, "4 3 4",                                            pattern, yellow),
        },
        .button = "BitBtn31",
    });
}

// ------------------------------------------------------------------- Minor 7th

Elements minorSeventhPage() {
    return chordPage({
        .kind  = ChordKind::MinorSeventh,
        //        keyboard                         names on the chord keys       tags: white  black
        .left  = {diagrams::minor7thPageLeft(),    {"C",  "D#", "G",  "A#"},           56,   24},
        .right = {diagrams::minor7thPageRight(),   {"D#", "F#", "A#", "C#"},           56,   24},
        .ruleBox = {11, 209, 585, 201},
        .moved = {
            //  rule position  drawn at
            { {435, 81},       {435, 80} },   // green 1 on G
            { {563, 49},       {564, 48} },   // blue 3 on the upper C#
        },
        .captions = {
            //        x    y    text
            caption( 80, 128, "C Minor 7th"),
            caption(379, 129, "D# Minor 7th"),
        },
        .texts = {
            //     x    y    text                                                  font
            ruleLine(101, 239, "Notice the pattern of half steps in a Minor 7th."),
            line    (275, 265, "3 4 3",                                            pattern, yellow),
            textBox (168, 302, 280, 65, {"Tip: Major 7th has 4 3 4 half steps",
                                         "       Minor 7th has 3 4 3 ",
                                         "So think: major - big numbers on outside."})
                .readonly().bordered(Border::None).bg(white).font(hint),
        },
        .button = "BitBtn32",
    });
}

}  // namespace lessons
