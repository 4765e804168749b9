// Corvalle Lyrabel — the music rules the lessons teach. Plain C++, no Qt.
//
// Sections: keys and names · half steps · chords · chord finding · scales ·
//           staff letters · beats
#include "diagrams/musicrules.h"

#include <string_view>

#include <algorithm>
#include <array>
#include <numeric>
#include <stdexcept>

namespace music {

namespace {

int octaveKey(int key) { return ((key % 12) + 12) % 12; }

struct KeyNames {
    const char* white;   // "" on a black key
    const char* sharp;
    const char* flat;
};

//                                  white  sharp  flat
constexpr std::array<KeyNames, 12> keyNames{{
    /*  0 */ {"C", "C", "C"},
    /*  1 */ {"", "C#", "Db"},
    /*  2 */ {"D", "D", "D"},
    /*  3 */ {"", "D#", "Eb"},
    /*  4 */ {"E", "E", "E"},
    /*  5 */ {"F", "F", "F"},
    /*  6 */ {"", "F#", "Gb"},
    /*  7 */ {"G", "G", "G"},
    /*  8 */ {"", "G#", "Ab"},
    /*  9 */ {"A", "A", "A"},
    /* 10 */ {"", "A#", "Bb"},
    /* 11 */ {"B", "B", "B"},
}};

// Key number of a white letter, or -1.
int letterKey(char letter) {
    switch (letter) {
    case 'C': return 0;
    case 'D': return 2;
    case 'E': return 4;
    case 'F': return 5;
    case 'G': return 7;
    case 'A': return 9;
    case 'B': return 11;
    default: return -1;
    }
}

// A note as written on a staff: a letter, optionally raised by "#" or lowered
// by "b". Unlike keyNumber() this also reads spellings such as "B#" that no
// key is named by, since a staff can show a sharp on any line or space.
std::optional<int> writtenNote(std::string_view name) {
    if (name.empty() || name.size() > 2) return std::nullopt;
    const int letter = letterKey(name[0]);
    if (letter < 0) return std::nullopt;
    if (name.size() == 1) return letter;
    if (name[1] == '#') return octaveKey(letter + 1);
    if (name[1] == 'b') return octaveKey(letter - 1);
    return std::nullopt;
}

}  // namespace

// ------------------------------------------------------------ keys and names

bool isBlack(int key) { return keyNames[octaveKey(key)].white[0] == '\0'; }
std::string whiteName(int key) { return keyNames[octaveKey(key)].white; }
std::string sharpName(int key) { return keyNames[octaveKey(key)].sharp; }
std::string flatName(int key) { return keyNames[octaveKey(key)].flat; }

std::optional<int> keyNumber(std::string_view name) {
    for (int key = 0; key < 12; ++key)
        if (name == keyNames[key].sharp || name == keyNames[key].flat) return key;
    return std::nullopt;
}

// -------------------------------------------------------------- half steps

int halfStepsUp(int from, int to) { return octaveKey(to - from); }
int keyAbove(int key, int halfSteps) { return octaveKey(key + halfSteps); }

// ------------------------------------------------------------------ chords

std::vector<int> chordSteps(ChordKind kind) {
    switch (kind) {
    case ChordKind::Major: return {4, 3};
    case ChordKind::Minor: return {3, 4};
    case ChordKind::Seventh: return {4, 3, 3};
    case ChordKind::MajorSeventh: return {4, 3, 4};
    case ChordKind::MinorSeventh: return {3, 4, 3};
    }
    throw std::invalid_argument("unknown chord kind");
}

std::vector<int> buildChord(int root, ChordKind kind) {
    std::vector<int> keys{octaveKey(root)};
    for (int step : chordSteps(kind)) keys.push_back(keyAbove(keys.back(), step));
    return keys;
}

// Chords are written with single blanks between the names and none around
// them; anything else is not a chord as the pages write it.
std::optional<std::vector<int>> parseKeys(std::string_view chord) {
    std::vector<int> keys;
    std::size_t start = 0;
    while (true) {
        const std::size_t blank = chord.find(' ', start);
        const std::string_view name = chord.substr(start, blank == std::string_view::npos ? std::string_view::npos : blank - start);
        const auto key = keyNumber(name);
        if (!key) return std::nullopt;
        keys.push_back(*key);
        if (blank == std::string_view::npos) break;
        start = blank + 1;
    }
    return keys;
}

bool sameChord(std::string_view a, std::string_view b) {
    const auto keysA = parseKeys(a);
    const auto keysB = parseKeys(b);
    return keysA && keysB && *keysA == *keysB;
}

// -------------------------------------------------------------- chord finding

ChordFinding findChord(const std::vector<std::string>& noteNames) {
    // Each key once, in the order first written. A key spelt two ways
    // ("G#" and "Ab") is one key of the chord.
    std::vector<int> keys;
    for (const std::string& name : noteNames) {
        const auto key = writtenNote(name);
        if (!key) return {};
        if (std::find(keys.begin(), keys.end(), *key) == keys.end()) keys.push_back(*key);
    }

    std::vector<ChordKind> kinds;
    if (keys.size() == 3) kinds = {ChordKind::Major, ChordKind::Minor};
    else if (keys.size() == 4) kinds = {ChordKind::Seventh, ChordKind::MajorSeventh, ChordKind::MinorSeventh};
    else return {};

    for (int root : keys) {
        // Stack the other keys upwards from the candidate and count the half
        // steps between neighbours.
        std::vector<int> above;
        for (int key : keys)
            if (key != root) above.push_back(halfStepsUp(root, key));
        std::sort(above.begin(), above.end());
        std::vector<int> steps;
        int previous = 0;
        for (int distance : above) {
            steps.push_back(distance - previous);
            previous = distance;
        }
        if (std::find(steps.begin(), steps.end(), 5) != steps.end()) continue;  // no studied chord has a 5
        for (ChordKind kind : kinds)
            if (steps == chordSteps(kind)) return {root, kind};
    }
    return {};
}

// ------------------------------------------------------------------ scales

std::vector<int> majorScale(int root) {
    static constexpr int steps[] = {2, 2, 1, 2, 2, 2, 1};  // W W H W W W H
    std::vector<int> keys{octaveKey(root)};
    for (int step : steps) keys.push_back(keyAbove(keys.back(), step));
    return keys;
}

// ----------------------------------------------------------- staff letters

char staffLetter(Clef clef, int position) {
    if (position < 0 || position > 8) throw std::out_of_range("staff position outside 0..8");
    // Bottom line upwards: treble E F G A B C D, bass G A B C D E F.
    // (string_view rather than a choice between two arrays: GCC 12's
    // undefined-behaviour checker miscompiles that choice.)
    constexpr std::string_view treble = "EFGABCD", bass = "GABCDEF";
    const std::string_view letters = clef == Clef::Treble ? treble : bass;
    return letters[static_cast<std::size_t>(position % 7)];
}

// ------------------------------------------------------------------- beats

std::string beats(NoteValue value, int bottomNumber, bool dotted) {
    int sixteenths = 0;  // the value's length
    switch (value) {
    case NoteValue::Whole: sixteenths = 16; break;
    case NoteValue::Half: sixteenths = 8; break;
    case NoteValue::Quarter: sixteenths = 4; break;
    case NoteValue::Eighth: sixteenths = 2; break;
    case NoteValue::Sixteenth: sixteenths = 1; break;
    }
    int beatLength = 0;  // the length of the value that gets one beat
    switch (bottomNumber) {
    case 2: beatLength = 8; break;
    case 4: beatLength = 4; break;
    case 8: beatLength = 2; break;
    default: throw std::invalid_argument("bottom number must be 2, 4 or 8");
    }
    // Dotted: one and a half times the length, kept exact by doubling both.
    int numerator = dotted ? 3 * sixteenths : sixteenths;
    int denominator = dotted ? 2 * beatLength : beatLength;
    const int common = std::gcd(numerator, denominator);
    numerator /= common;
    denominator /= common;
    if (denominator == 1) return std::to_string(numerator);
    return std::to_string(numerator) + "/" + std::to_string(denominator);
}

}  // namespace music
