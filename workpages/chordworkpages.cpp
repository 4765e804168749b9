// Corvalle Lyrabel — the five chord worksheets: one layout, a table of differences.
//
// Sections: the questions and their answers · the name pairs · the five windows ·
//           the shared layout
//
// Every sheet asks for the same 22 chords beside a two-octave keyboard and
// keeps the answers under a "Cover"/"Answers" key. The windows differ only in
// title, answers, the "Print" button's box, print scaling, the answer lists'
// boxes and whether the answer key comes first in the Tab order.
#include "workpages/chordworkpages.h"

#include "diagrams/keyboard.h"
#include "ui/workpageframe.h"

#include <array>
#include <iterator>
#include <string>
#include <vector>

namespace workpages {
namespace {

using namespace ui;

// ------------------------------------------------- the questions and their answers

// Which answer column a window shows.
enum Answers { Major, Minor, Seventh, MajorSeventh, MinorSeventh, answerColumns };

struct Question {
    const char* chord;                  // the chord's first key, as asked
    int labelX, labelY;                 // the question label
    int fieldX, fieldY, fieldW;         // the answer field beside it
    std::array<const char*, answerColumns> answers;
};

constexpr int rows = 11;

// Each answer is the chord's keys from its first key upwards, named as the sheet names them.
constexpr std::array<Question, rows> leftColumn = {{
    // chord  label      field           Major        Minor        7th            Major 7th      Minor 7th
    {"D",     7, 148,    34, 145, 120,  {"D F# A",    "D F A",     "D F# A C",    "D F# A C#",   "D F A C"}},
    {"C#",    7, 172,    34, 169, 121,  {"C# F G#",   "C# E G#",   "C# F G# B",   "C# F G# C",   "C# E G# B"}},
    {"Ab",    7, 198,    34, 193, 121,  {"Ab C D#",   "Ab B D#",   "Ab C D# F#",  "Ab C D# G",   "Ab B D# Gb"}},
    {"C",     7, 222,    34, 217, 121,  {"C E G",     "C D# G",    "C E G A#",    "C E G B",     "C D# G A#"}},
    {"F",     7, 246,    34, 241, 121,  {"F A C",     "F G# C",    "F A C D#",    "F A C E",     "F G# C Eb"}},
    {"F#",    7, 270,    34, 265, 121,  {"F# A# C#",  "F# A C#",   "F# A# C# E",  "F# A# C# F",  "F# A C# E"}},
    {"Bb",    7, 294,    34, 289, 121,  {"Bb D F",    "Bb Db F",   "Bb D F G#",   "Bb D F A",    "Bb Db F G#"}},
    {"A",     7, 318,    34, 313, 121,  {"A C# E",    "A C E",     "A C# E G",    "A C# E G#",   "A C E G"}},
    {"Eb",    7, 342,    34, 337, 121,  {"Eb G A#",   "Eb Gb A#",  "Eb G A# C#",  "Eb G A# D",   "Eb Gb A# C#"}},
    {"B",     7, 366,    34, 361, 121,  {"B D# F#",   "B D F#",    "B D# F# A",   "B D# F# A#",  "B D F# A"}},
    {"Gb",    7, 390,    34, 385, 121,  {"Gb A# Db",  "Gb A Db",   "Gb A# C# E",  "Gb A# C# F",  "Gb A Db E"}},
}};

constexpr std::array<Question, rows> rightColumn = {{
    // chord  label      field           Major        Minor        7th            Major 7th      Minor 7th
    {"B",   450, 150,   479, 140, 120,  {"B D# F#",   "B D F#",    "B D# F# A",   "B D# F# A#",  "B D F# A"}},
    {"E",   451, 172,   479, 165, 120,  {"E G# B",    "E G B",     "E G# B D",    "E G# B D#",   "E G B D"}},
    {"A#",  448, 194,   479, 191, 120,  {"A# D F",    "A# Db F",   "A# D F G#",   "A# D F A",    "A# Db F G#"}},
    {"C#",  446, 221,   479, 215, 120,  {"C# F G#",   "C# E G#",   "C# F G# B",   "C# F G# C",   "C# E G# B"}},
    {"Db",  448, 247,   479, 240, 120,  {"Db F G#",   "Db E G#",   "Db F G# B",   "Db F G# C",   "Db E G# B"}},
    {"G",   451, 269,   479, 264, 120,  {"G B D",     "G A# D",    "G B D F",     "G B D F#",    "G A# D F"}},
    {"C",   452, 295,   479, 289, 120,  {"C E G",     "C D# G",    "C E G A#",    "C E G B",     "C D# G A#"}},
    {"F",   454, 319,   479, 314, 120,  {"F A C",     "F G# C",    "F A C D#",    "F A C E",     "F G# C D#"}},
    {"D",   452, 342,   479, 338, 120,  {"D F# A",    "D F A",     "D F# A C",    "D F# A C#",   "D F A C"}},
    {"Eb",  447, 367,   479, 362, 120,  {"Eb G A#",   "Eb Gb A#",  "Eb G A# C#",  "Eb G A# D",   "Eb Gb A# Db"}},
    {"D#",  447, 389,   479, 387, 120,  {"D# G A#",   "D# F# A#",  "D# G A# C#",  "D# G A# D",   "D# F# A# C#"}},
}};

// ------------------------------------------------------------------ the name pairs

// Both names of every black key of the reference keyboard, one above the other.
struct NamePair {
    const char* upper; int upperX, upperY;
    const char* lower; int lowerX, lowerY;
};

constexpr std::array<NamePair, 10> namePairs = {{
    // upper             lower              black key (left edge)
    {"Db", 124, 37,     "C#", 124, 56},    // C# 123
    {"D#", 156, 38,     "Eb", 155, 56},    // D# 155
    {"F#", 204, 36,     "Gb", 204, 55},    // F# 203
    {"G#", 236, 38,     "Ab", 237, 57},    // G# 235
    {"Bb", 267, 37,     "A#", 268, 56},    // A# 267
    {"Db", 316, 36,     "C#", 315, 56},    // C# 315
    {"Eb", 348, 36,     "D#", 347, 57},    // D# 347
    {"F#", 396, 37,     "Gb", 396, 57},    // F# 395
    {"Ab", 428, 37,     "G#", 428, 55},    // G# 427
    {"A#", 459, 38,     "Bb", 461, 57},    // A# 459
}};

// ------------------------------------------------------------------ the five windows

struct ChordSheet {
    const char* className;
    const char* instance;
    const char* title;
    Answers answers;
    Rect print;
    PrintScaling scaling;
    Rect leftList, rightList;    // in the answer key's "Answers" page
    bool keyFirst;               // Tab order: answer key, fields, "Print" (else fields, key, "Print")
};

constexpr ChordSheet sheets[] = {
    // class       instance    title                         answers        "Print"           scaling                      left list          right list          key first
    {"Tmcmc",    "mcmc",    "Major Chord Workpage",      Major,        {0, 0, 41, 25},  PrintScaling::FitToPage,    {0, -5, 112, 271}, {169, -1, 112, 271}, false},
    {"Tminorcw", "minorcw", "Minor Chord Workpages",     Minor,        {3, 3, 39, 25},  PrintScaling::FitToPage,    {0, -5, 112, 271}, {169, -1, 112, 271}, true},
    {"Tsthcw",   "sthcw",   "7th Chord Workpage",        Seventh,      {-2, 1, 41, 25}, PrintScaling::Proportional, {0, -5, 118, 271}, {163, -5, 118, 271}, true},
    {"Tmsthcw",  "msthcw",  "Major 7th Chord Workpage",  MajorSeventh, {0, 3, 40, 25},  PrintScaling::FitToPage,    {0, -5, 112, 271}, {164, -5, 117, 271}, true},
    {"Tmisthcw", "misthcw", "Minor 7th Chord Workpage",  MinorSeventh, {0, 0, 38, 25},  PrintScaling::FitToPage,    {1, -3, 131, 271}, {153, -5, 128, 271}, true},
};
static_assert(std::size(sheets) == answerColumns, "one window per answer column");
// The Major 7th sheet's left list is the narrowest for its answers: "Gb A# C# F"
// fills its 108-px text width exactly, which is why text boxes have no inner margin.

// ------------------------------------------------------------------ the shared layout

constexpr Font answerFont = tnr(21).bolded().in(black);

std::vector<std::string> answerLines(const std::array<Question, rows>& column, Answers which) {
    std::vector<std::string> lines;
    for (const Question& q : column)
        lines.emplace_back(q.answers[which]);
    return lines;
}

Element answerListIn(Rect box, const std::array<Question, rows>& column, Answers which) {
    return answerList(box.x, box.y, box.w, box.h, answerLines(column, which));
}

WindowDef chordSheet(const ChordSheet& sheet) {
    const diagrams::Keyboard keyboard(diagrams::chordWorkpagesKeyboard());
    // Tab order: the 22 fields keep their row order; the key goes before or after them.
    const int firstFieldTab = sheet.keyFirst ? 1 : 0;
    const int keyTab = sheet.keyFirst ? 0 : 2 * rows;
    const int printTab = 2 * rows + 1;

    Elements e;
    e.push_back(label(43, 3, "Use the keyboard below to decide how to make each chord.")
                    .font(answerFont).bg(white));
    e += keyboard.elements();
    const Font pairFont = tnr(13).bolded().in(white);
    for (const NamePair& p : namePairs) {
        e.push_back(label(p.upperX, p.upperY, p.upper).font(pairFont).bg(purple));
        e.push_back(label(p.lowerX, p.lowerY, p.lower).font(pairFont).bg(purple));
    }
    for (const auto* column : {&leftColumn, &rightColumn})
        for (const Question& q : *column)
            e.push_back(label(q.labelX, q.labelY, q.chord).font(answerFont).bg(white));
    int row = 0;
    for (const auto& [column, side] : {std::pair{&leftColumn, "answerLeft"}, std::pair{&rightColumn, "answerRight"}})
        for (int i = 0; i < rows; ++i, ++row) {
            const Question& q = (*column)[i];
            e.push_back(edit(q.fieldX, q.fieldY, q.fieldW, 32)
                            .named(side + std::to_string(i + 1))
                            .font(answerFont)
                            .bg(white)
                            .tab(firstFieldTab + row));
        }
    e.push_back(largeAnswerKey(156, 124, {
                    answerListIn(sheet.leftList, leftColumn, sheet.answers).named("answersLeft"),
                    answerListIn(sheet.rightList, rightColumn, sheet.answers).named("answersRight"),
                }).tab(keyTab));
    e.push_back(printButton(sheet.print.x, sheet.print.y, sheet.print.w, sheet.print.h).tab(printTab));

    WindowDef window;
    window.className = sheet.className;
    window.instance = sheet.instance;
    window.title = sheet.title;
    window.printScaling = sheet.scaling;
    window.elements = std::move(e);
    return window;
}

}  // namespace

WindowDef Tmcmc()    { return chordSheet(sheets[Major]); }
WindowDef Tminorcw() { return chordSheet(sheets[Minor]); }
WindowDef Tsthcw()   { return chordSheet(sheets[Seventh]); }
WindowDef Tmsthcw()  { return chordSheet(sheets[MajorSeventh]); }
WindowDef Tmisthcw() { return chordSheet(sheets[MinorSeventh]); }

}  // namespace workpages
