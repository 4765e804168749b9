// Corvalle Lyrabel — the Chords page and its chord-finding example panel `cpexam`.
#pragma once

#include "ui/element.h"

#include <string>
#include <vector>

namespace lessons {

ui::Elements chordsPage();

// The seven lines that remind the learner of the major and minor chord rules,
// as the example panel and the Chord Workpage show them.
std::vector<std::string> chordRulesReminder();

}  // namespace lessons
