// Corvalle Lyrabel — the music rules, checked against the worked examples and
// answer tables the lessons and worksheets print.
#include "diagrams/musicrules.h"

#include <QtTest>

#include <stdexcept>
#include <string>
#include <vector>

using namespace music;

Q_DECLARE_METATYPE(music::ChordKind)
Q_DECLARE_METATYPE(music::NoteValue)
Q_DECLARE_METATYPE(music::Clef)

namespace {

std::vector<std::string> words(const QString& text) {
    std::vector<std::string> out;
    for (const QString& w : text.split(' ', Qt::SkipEmptyParts)) out.push_back(w.toStdString());
    return out;
}

// Key numbers of a list of names, failing the test on a name that is no key.
std::vector<int> keysOf(const QString& names) {
    std::vector<int> keys;
    for (const std::string& name : words(names)) {
        const auto key = keyNumber(name);
        if (!key) {
            QTest::qFail(("not a key name: " + name).c_str(), __FILE__, __LINE__);
            return {};
        }
        keys.push_back(*key);
    }
    return keys;
}

const char* kindName(ChordKind kind) {
    switch (kind) {
    case ChordKind::Major: return "major";
    case ChordKind::Minor: return "minor";
    case ChordKind::Seventh: return "7th";
    case ChordKind::MajorSeventh: return "major 7th";
    case ChordKind::MinorSeventh: return "minor 7th";
    }
    return "?";
}

}  // namespace

class TestMusicRules : public QObject {
    Q_OBJECT

private slots:
    void keyNames_data();
    void keyNames();
    void keyNumberRejects_data();
    void keyNumberRejects();

    void halfSteps_data();
    void halfSteps();

    void chordFromRule_data();
    void chordFromRule();
    void chordComparison_data();
    void chordComparison();

    void findChord_data();
    void findChord();
    void findChordNamesEveryAnswer_data();
    void findChordNamesEveryAnswer();

    void majorScale_data();
    void majorScale();

    void staffLetters_data();
    void staffLetters();
    void staffLetterOutsideStaff();

    void beats_data();
    void beats();
    void beatsUnknownBottomNumber();
};

// ------------------------------------------------------------ keys and names

void TestMusicRules::keyNames_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<bool>("black");
    QTest::addColumn<QString>("white");
    QTest::addColumn<QString>("sharp");
    QTest::addColumn<QString>("flat");
    //                         number  black  white sharp flat
    QTest::newRow("C")  <<  0 << false << "C" << "C"  << "C";
    QTest::newRow("C#") <<  1 << true  << ""  << "C#" << "Db";
    QTest::newRow("D")  <<  2 << false << "D" << "D"  << "D";
    QTest::newRow("D#") <<  3 << true  << ""  << "D#" << "Eb";
    QTest::newRow("E")  <<  4 << false << "E" << "E"  << "E";
    QTest::newRow("F")  <<  5 << false << "F" << "F"  << "F";
    QTest::newRow("F#") <<  6 << true  << ""  << "F#" << "Gb";
    QTest::newRow("G")  <<  7 << false << "G" << "G"  << "G";
    QTest::newRow("G#") <<  8 << true  << ""  << "G#" << "Ab";
    QTest::newRow("A")  <<  9 << false << "A" << "A"  << "A";
    QTest::newRow("A#") << 10 << true  << ""  << "A#" << "Bb";
    QTest::newRow("B")  << 11 << false << "B" << "B"  << "B";
}

void TestMusicRules::keyNames() {
    QFETCH(int, number);
    QFETCH(bool, black);
    QFETCH(QString, white);
    QFETCH(QString, sharp);
    QFETCH(QString, flat);
    QCOMPARE(isBlack(number), black);
    QCOMPARE(QString::fromStdString(whiteName(number)), white);
    QCOMPARE(QString::fromStdString(sharpName(number)), sharp);
    QCOMPARE(QString::fromStdString(flatName(number)), flat);
    QCOMPARE(keyNumber(sharp.toStdString()), std::optional<int>(number));
    QCOMPARE(keyNumber(flat.toStdString()), std::optional<int>(number));
    // The names repeat every octave.
    QCOMPARE(QString::fromStdString(sharpName(number + 12)), sharp);
    QCOMPARE(isBlack(number - 12), black);
}

void TestMusicRules::keyNumberRejects_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("empty") << "";
    QTest::newRow("lower-case letter") << "c";
    QTest::newRow("not a letter") << "H";
    QTest::newRow("upper-case flat") << "DB";
    QTest::newRow("no key is named B#") << "B#";
    QTest::newRow("no key is named Cb") << "Cb";
    QTest::newRow("double sharp") << "C##";
    QTest::newRow("trailing blank") << "C ";
    QTest::newRow("leading blank") << " C";
}

void TestMusicRules::keyNumberRejects() {
    QFETCH(QString, name);
    QVERIFY(!keyNumber(name.toStdString()).has_value());
}

// -------------------------------------------------------------- half steps

void TestMusicRules::halfSteps_data() {
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<int>("steps");
    QTest::newRow("C to E") << "C" << "E" << 4;
    QTest::newRow("A to C, past B") << "A" << "C" << 3;
    QTest::newRow("B to D#") << "B" << "D#" << 4;
    QTest::newRow("E to F, two white keys") << "E" << "F" << 1;
    QTest::newRow("B to C, two white keys") << "B" << "C" << 1;
    QTest::newRow("B to E") << "B" << "E" << 5;
    QTest::newRow("C# is a whole step above B") << "B" << "C#" << 2;
    QTest::newRow("F# is a whole step above E") << "E" << "F#" << 2;
    QTest::newRow("same key") << "G" << "G" << 0;
    QTest::newRow("a half step below") << "C" << "B" << 11;
}

void TestMusicRules::halfSteps() {
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(int, steps);
    const int a = *keyNumber(from.toStdString());
    const int b = *keyNumber(to.toStdString());
    QCOMPARE(halfStepsUp(a, b), steps);
    QCOMPARE(keyAbove(a, steps), b);
    QCOMPARE(keyAbove(b, -steps), a);
}

// ------------------------------------------------------------------ chords

// The chord lessons' examples and every answer of the five chord workpages'
// answer keys: the chord on the question key by the kind's rule.
void TestMusicRules::chordFromRule_data() {
    QTest::addColumn<QString>("root");
    QTest::addColumn<ChordKind>("kind");
    QTest::addColumn<QString>("chord");

    struct Example { const char* root; ChordKind kind; const char* chord; };
    static const Example lessonExamples[] = {
        // root  kind                       chord
        {"C",  ChordKind::Major,        "C E G"},
        {"C#", ChordKind::Major,        "C# F Ab"},
        {"D",  ChordKind::Minor,        "D F A"},
        {"D#", ChordKind::Minor,        "D# F# A#"},
        {"C",  ChordKind::Seventh,      "C E G Bb"},
        {"C#", ChordKind::Seventh,      "C# F Ab B"},
        {"C",  ChordKind::MajorSeventh, "C E G B"},
        {"D",  ChordKind::MajorSeventh, "D F# A C#"},
        {"C",  ChordKind::MinorSeventh, "C D# G A#"},
        {"D#", ChordKind::MinorSeventh, "D# F# A# C#"},
    };
    for (const Example& e : lessonExamples)
        QTest::addRow("lesson %s %s", e.root, kindName(e.kind)) << e.root << e.kind << e.chord;

    struct AnswerRow { const char* question; const char* major; const char* minor; const char* seventh;
                       const char* majorSeventh; const char* minorSeventh; };
    static const AnswerRow answerKey[] = {
        // question  major       minor        7th            major 7th      minor 7th
        {"D",   "D F# A",   "D F A",    "D F# A C",    "D F# A C#",   "D F A C"},
        {"C#",  "C# F G#",  "C# E G#",  "C# F G# B",   "C# F G# C",   "C# E G# B"},
        {"Ab",  "Ab C D#",  "Ab B D#",  "Ab C D# F#",  "Ab C D# G",   "Ab B D# Gb"},
        {"C",   "C E G",    "C D# G",   "C E G A#",    "C E G B",     "C D# G A#"},
        {"F",   "F A C",    "F G# C",   "F A C D#",    "F A C E",     "F G# C Eb"},
        {"F#",  "F# A# C#", "F# A C#",  "F# A# C# E",  "F# A# C# F",  "F# A C# E"},
        {"Bb",  "Bb D F",   "Bb Db F",  "Bb D F G#",   "Bb D F A",    "Bb Db F G#"},
        {"A",   "A C# E",   "A C E",    "A C# E G",    "A C# E G#",   "A C E G"},
        {"Eb",  "Eb G A#",  "Eb Gb A#", "Eb G A# C#",  "Eb G A# D",   "Eb Gb A# C#"},
        {"B",   "B D# F#",  "B D F#",   "B D# F# A",   "B D# F# A#",  "B D F# A"},
        {"Gb",  "Gb A# Db", "Gb A Db",  "Gb A# C# E",  "Gb A# C# F",  "Gb A Db E"},
        {"B",   "B D# F#",  "B D F#",   "B D# F# A",   "B D# F# A#",  "B D F# A"},
        {"E",   "E G# B",   "E G B",    "E G# B D",    "E G# B D#",   "E G B D"},
        {"A#",  "A# D F",   "A# Db F",  "A# D F G#",   "A# D F A",    "A# Db F G#"},
        {"C#",  "C# F G#",  "C# E G#",  "C# F G# B",   "C# F G# C",   "C# E G# B"},
        {"Db",  "Db F G#",  "Db E G#",  "Db F G# B",   "Db F G# C",   "Db E G# B"},
        {"G",   "G B D",    "G A# D",   "G B D F",     "G B D F#",    "G A# D F"},
        {"C",   "C E G",    "C D# G",   "C E G A#",    "C E G B",     "C D# G A#"},
        {"F",   "F A C",    "F G# C",   "F A C D#",    "F A C E",     "F G# C D#"},
        {"D",   "D F# A",   "D F A",    "D F# A C",    "D F# A C#",   "D F A C"},
        {"Eb",  "Eb G A#",  "Eb Gb A#", "Eb G A# C#",  "Eb G A# D",   "Eb Gb A# Db"},
        {"D#",  "D# G A#",  "D# F# A#", "D# G A# C#",  "D# G A# D",   "D# F# A# C#"},
    };
    int row = 0;
    for (const AnswerRow& a : answerKey) {
        ++row;
        const std::pair<ChordKind, const char*> answers[] = {
            {ChordKind::Major, a.major}, {ChordKind::Minor, a.minor}, {ChordKind::Seventh, a.seventh},
            {ChordKind::MajorSeventh, a.majorSeventh}, {ChordKind::MinorSeventh, a.minorSeventh}};
        for (const auto& [kind, chord] : answers)
            QTest::addRow("answer row %d %s %s", row, a.question, kindName(kind)) << a.question << kind << chord;
    }
}

void TestMusicRules::chordFromRule() {
    QFETCH(QString, root);
    QFETCH(ChordKind, kind);
    QFETCH(QString, chord);
    const std::vector<int> expected = keysOf(chord);
    QCOMPARE(buildChord(*keyNumber(root.toStdString()), kind), expected);
    QCOMPARE(parseKeys(chord.toStdString()), std::optional<std::vector<int>>(expected));
}

void TestMusicRules::chordComparison_data() {
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<bool>("same");
    QTest::newRow("sharp and flat names of the same keys") << "Ab C D#" << "G# C Eb" << true;
    QTest::newRow("identical") << "D F# A" << "D F# A" << true;
    QTest::newRow("same keys, other order") << "D F# A" << "F# A D" << false;
    QTest::newRow("one key differs") << "D F# A" << "D F A" << false;
    QTest::newRow("one key fewer") << "C E G Bb" << "C E G" << false;
    QTest::newRow("not a key name") << "D F# H" << "D F# H" << false;
    QTest::newRow("double blank") << "D  F# A" << "D F# A" << false;
    QTest::newRow("trailing blank") << "D F# A " << "D F# A" << false;
    QTest::newRow("empty") << "" << "" << false;
}

void TestMusicRules::chordComparison() {
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(bool, same);
    QCOMPARE(sameChord(a.toStdString(), b.toStdString()), same);
    QCOMPARE(sameChord(b.toStdString(), a.toStdString()), same);
}

// -------------------------------------------------------------- chord finding

void TestMusicRules::findChord_data() {
    QTest::addColumn<QString>("notes");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QString>("root");
    QTest::addColumn<ChordKind>("kind");
    // The worked example: treble G and E, bass B and G. G (4 then 5) and B
    // (5 at once) are ruled out; E gives 3 then 4.
    QTest::newRow("worked example, E minor") << "G E B G" << true << "E" << ChordKind::Minor;
    QTest::newRow("letters as listed on the panel") << "G B E" << true << "E" << ChordKind::Minor;
    // The other chords of the Chord Workpage, as drawn.
    QTest::newRow("workpage chord 3, F major") << "C A F A" << true << "F" << ChordKind::Major;
    QTest::newRow("workpage chord 4, G major") << "B G D B" << true << "G" << ChordKind::Major;
    QTest::newRow("workpage chord 6, A minor") << "E A A C" << true << "A" << ChordKind::Minor;
    QTest::newRow("workpage chord 7, E major") << "G# E B" << true << "E" << ChordKind::Major;
    QTest::newRow("workpage chord 2, not studied") << "D A A C" << false << "" << ChordKind::Major;
    QTest::newRow("workpage chord 5, not studied") << "C F D B#" << false << "" << ChordKind::Major;
    // Four different letters: the three 7th chords.
    QTest::newRow("7th, upside down") << "Bb G E C" << true << "C" << ChordKind::Seventh;
    QTest::newRow("major 7th") << "A# B D# F#" << true << "B" << ChordKind::MajorSeventh;
    QTest::newRow("minor 7th, sixth-chord order") << "F A C D" << true << "D" << ChordKind::MinorSeventh;
    // A key spelt two ways counts once.
    QTest::newRow("G# and Ab are one key") << "Ab C D# G#" << true << "Ab" << ChordKind::Major;
    QTest::newRow("two letters") << "C E C" << false << "" << ChordKind::Major;
    QTest::newRow("five letters") << "C E G B D" << false << "" << ChordKind::Major;
    QTest::newRow("three letters, no rule fits") << "C D E" << false << "" << ChordKind::Major;
    QTest::newRow("augmented, no 5 but no rule") << "C E G#" << false << "" << ChordKind::Major;
    QTest::newRow("unreadable note") << "C E X" << false << "" << ChordKind::Major;
    QTest::newRow("no notes") << "" << false << "" << ChordKind::Major;
}

void TestMusicRules::findChord() {
    QFETCH(QString, notes);
    QFETCH(bool, found);
    QFETCH(QString, root);
    QFETCH(ChordKind, kind);
    const ChordFinding finding = music::findChord(words(notes));
    QCOMPARE(finding.kind.has_value(), found);
    QCOMPARE(finding.root.has_value(), found);
    if (found) {
        QCOMPARE(*finding.root, *keyNumber(root.toStdString()));
        QCOMPARE(*finding.kind, kind);
    }
}

// Every chord the rules build, written top key first, is found again.
void TestMusicRules::findChordNamesEveryAnswer_data() {
    QTest::addColumn<int>("root");
    QTest::addColumn<ChordKind>("kind");
    for (int root = 0; root < 12; ++root)
        for (ChordKind kind : allChordKinds)
            QTest::addRow("%s %s", sharpName(root).c_str(), kindName(kind)) << root << kind;
}

void TestMusicRules::findChordNamesEveryAnswer() {
    QFETCH(int, root);
    QFETCH(ChordKind, kind);
    std::vector<std::string> notes;
    for (int key : buildChord(root, kind)) notes.insert(notes.begin(), flatName(key));
    const ChordFinding finding = music::findChord(notes);
    QCOMPARE(finding.root, std::optional<int>(root));
    QCOMPARE(finding.kind, std::optional<ChordKind>(kind));
}

// ------------------------------------------------------------------ scales

void TestMusicRules::majorScale_data() {
    QTest::addColumn<QString>("root");
    QTest::addColumn<QString>("scale");
    // The Scale page's worked cases and the Scale Workpages' scales, then the
    // four keys neither asks for.
    QTest::newRow("C")  << "C"  << "C D E F G A B C";
    QTest::newRow("F#") << "F#" << "F# G# A# B C# D# F F#";
    QTest::newRow("D")  << "D"  << "D E F# G A B C# D";
    QTest::newRow("G")  << "G"  << "G A B C D E F# G";
    QTest::newRow("A")  << "A"  << "A B C# D E F# G# A";
    QTest::newRow("D#") << "D#" << "D# F G G# A# C D D#";
    QTest::newRow("B")  << "B"  << "B C# D# E F# G# A# B";
    QTest::newRow("E")  << "E"  << "E F# G# A B C# D# E";
    QTest::newRow("C#") << "C#" << "C# D# F F# G# A# C C#";
    QTest::newRow("F")  << "F"  << "F G A Bb C D E F";
    QTest::newRow("Ab") << "Ab" << "Ab Bb C Db Eb F G Ab";
    QTest::newRow("Bb") << "Bb" << "Bb C D Eb F G A Bb";
}

void TestMusicRules::majorScale() {
    QFETCH(QString, root);
    QFETCH(QString, scale);
    QCOMPARE(music::majorScale(*keyNumber(root.toStdString())), keysOf(scale));
}

// ----------------------------------------------------------- staff letters

void TestMusicRules::staffLetters_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<char>("treble");
    QTest::addColumn<char>("bass");
    //                                       position treble bass
    QTest::newRow("8 top line")          << 8 << 'F' << 'A';
    QTest::newRow("7 top space")         << 7 << 'E' << 'G';
    QTest::newRow("6 line 4")            << 6 << 'D' << 'F';
    QTest::newRow("5 space 3")           << 5 << 'C' << 'E';
    QTest::newRow("4 middle line")       << 4 << 'B' << 'D';
    QTest::newRow("3 space 2")           << 3 << 'A' << 'C';
    QTest::newRow("2 line 2")            << 2 << 'G' << 'B';
    QTest::newRow("1 bottom space")      << 1 << 'F' << 'A';
    QTest::newRow("0 bottom line")       << 0 << 'E' << 'G';
}

void TestMusicRules::staffLetters() {
    QFETCH(int, position);
    QFETCH(char, treble);
    QFETCH(char, bass);
    QCOMPARE(staffLetter(Clef::Treble, position), treble);
    QCOMPARE(staffLetter(Clef::Bass, position), bass);
}

void TestMusicRules::staffLetterOutsideStaff() {
    // No note sits on a ledger line.
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, staffLetter(Clef::Treble, -1));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, staffLetter(Clef::Bass, 9));
}

// ------------------------------------------------------------------- beats

void TestMusicRules::beats_data() {
    QTest::addColumn<NoteValue>("value");
    QTest::addColumn<int>("bottom");
    QTest::addColumn<bool>("dotted");
    QTest::addColumn<QString>("expected");
    using V = NoteValue;
    //                                         value         bottom dotted  beats
    QTest::newRow("4: whole")             << V::Whole     << 4 << false << "4";
    QTest::newRow("4: half")              << V::Half      << 4 << false << "2";
    QTest::newRow("4: quarter")           << V::Quarter   << 4 << false << "1";
    QTest::newRow("4: eighth")            << V::Eighth    << 4 << false << "1/2";
    QTest::newRow("4: sixteenth")         << V::Sixteenth << 4 << false << "1/4";
    QTest::newRow("2: whole")             << V::Whole     << 2 << false << "2";
    QTest::newRow("2: half")              << V::Half      << 2 << false << "1";
    QTest::newRow("2: quarter")           << V::Quarter   << 2 << false << "1/2";
    QTest::newRow("2: eighth")            << V::Eighth    << 2 << false << "1/4";
    QTest::newRow("2: sixteenth")         << V::Sixteenth << 2 << false << "1/8";
    QTest::newRow("8: whole")             << V::Whole     << 8 << false << "8";
    QTest::newRow("8: half")              << V::Half      << 8 << false << "4";
    QTest::newRow("8: quarter")           << V::Quarter   << 8 << false << "2";
    QTest::newRow("8: eighth")            << V::Eighth    << 8 << false << "1";
    QTest::newRow("8: sixteenth")         << V::Sixteenth << 8 << false << "1/2";
    QTest::newRow("4: dotted half")       << V::Half      << 4 << true  << "3";
    QTest::newRow("4: dotted quarter")    << V::Quarter   << 4 << true  << "3/2";
    QTest::newRow("4: dotted eighth")     << V::Eighth    << 4 << true  << "3/4";
    QTest::newRow("2: dotted sixteenth")  << V::Sixteenth << 2 << true  << "3/16";
    QTest::newRow("8: dotted whole")      << V::Whole     << 8 << true  << "12";
    QTest::newRow("8: dotted eighth")     << V::Eighth    << 8 << true  << "3/2";
}

void TestMusicRules::beats() {
    QFETCH(NoteValue, value);
    QFETCH(int, bottom);
    QFETCH(bool, dotted);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(music::beats(value, bottom, dotted)), expected);
}

void TestMusicRules::beatsUnknownBottomNumber() {
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, music::beats(NoteValue::Quarter, 3));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, music::beats(NoteValue::Quarter, 0));
}

QTEST_APPLESS_MAIN(TestMusicRules)
#include "test_musicrules.moc"
