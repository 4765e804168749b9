// Corvalle Lyrabel — the music rules the lessons teach. Plain C++, no Qt.
//
// Sections: keys and names · half steps · chords · chord finding · scales ·
//           staff letters · beats
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace music {

// ------------------------------------------------------------ keys and names
// Keys are numbered 0 (C) to 11 (B) within the octave.

bool isBlack(int key);
std::string whiteName(int key);   // "" for a black key
std::string sharpName(int key);   // "C#" for 1; the white name for a white key
std::string flatName(int key);    // "Db" for 1; the white name for a white key
// Parses "C", "C#", "Db", ... ; nullopt for anything else.
std::optional<int> keyNumber(std::string_view name);

// -------------------------------------------------------------- half steps

int halfStepsUp(int from, int to);        // (to - from) mod 12, 0..11
int keyAbove(int key, int halfSteps);     // (key + halfSteps) mod 12

// ------------------------------------------------------------------ chords

enum class ChordKind { Major, Minor, Seventh, MajorSeventh, MinorSeventh };
inline constexpr ChordKind allChordKinds[] = {ChordKind::Major, ChordKind::Minor, ChordKind::Seventh,
                                              ChordKind::MajorSeventh, ChordKind::MinorSeventh};

// Half steps between neighbouring chord keys: major 4 3, minor 3 4, ...
std::vector<int> chordSteps(ChordKind kind);
// Key numbers of the chord on a start key, upwards.
std::vector<int> buildChord(int root, ChordKind kind);
// Parses "D F# A" into key numbers; nullopt if any name is not a key.
std::optional<std::vector<int>> parseKeys(std::string_view chord);
// "Ab C D#" equals "G# C Eb": same keys in the same order.
bool sameChord(std::string_view a, std::string_view b);

// -------------------------------------------------------------- chord finding
// The Chords page's method: take the distinct letters of the written notes,
// try each as the start in listed order, rule a candidate out at a count of 5,
// and name the chord or say it is none of the five studied.
struct ChordFinding {
    std::optional<int> root;          // the start key that worked
    std::optional<ChordKind> kind;    // nullopt: not one of the five
};
ChordFinding findChord(const std::vector<std::string>& noteNames);

// ------------------------------------------------------------------ scales
// W W H W W W H from the start key: the eight keys of its major scale.
std::vector<int> majorScale(int root);

// ----------------------------------------------------------- staff letters
// Positions 0 (bottom line) to 8 (top line).
enum class Clef { Treble, Bass };
char staffLetter(Clef clef, int position);

// ------------------------------------------------------------------- beats
enum class NoteValue { Whole, Half, Quarter, Eighth, Sixteenth };
// Beats of a value under a bottom number of 2, 4 or 8, in lowest terms:
// "1", "1/2", "8"; a dotted value gets one and a half times as many.
std::string beats(NoteValue value, int bottomNumber, bool dotted = false);

}  // namespace music
