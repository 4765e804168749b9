// Corvalle Lyrabel — keyboard, staff and glyph generators, checked against the
// worked examples and the positions the pages declare.
//
// Sections: keyboard layout · naming and finding keys · exceptions and hand-placed
//           keyboards · key elements · overlays · staffs · glyphs
#include "diagrams/glyphs.h"
#include "diagrams/keyboard.h"
#include "diagrams/staff.h"

#include <QtTest>

#include <algorithm>
#include <stdexcept>

using namespace diagrams;
using music::Clef;
using music::NoteValue;

Q_DECLARE_METATYPE(diagrams::KeyboardSpec)
Q_DECLARE_METATYPE(diagrams::Interval)
Q_DECLARE_METATYPE(music::Clef)
Q_DECLARE_METATYPE(music::NoteValue)
Q_DECLARE_METATYPE(ui::Rect)
Q_DECLARE_METATYPE(ui::Colour)
Q_DECLARE_METATYPE(diagrams::BarColouring)
Q_DECLARE_METATYPE(diagrams::Size)

namespace ui {
char* toString(const Rect& r) {
    return QTest::toString(QStringLiteral("(%1, %2) %3x%4").arg(r.x).arg(r.y).arg(r.w).arg(r.h));
}
}  // namespace ui

namespace {

QString namesOf(const Keyboard& keyboard) {
    QStringList names;
    for (const Key& key : keyboard.keys()) names << QString::fromStdString(key.name);
    return names.join(' ');
}

// "F: 2, 252 · F#: 13, 253 · ..." as a page table writes a hand-placed keyboard.
struct ListedKey { QString name; int x, y; };
QList<ListedKey> parseListedKeys(const QString& row) {
    QList<ListedKey> keys;
    for (const QString& item : row.split(QStringLiteral("·"))) {
        const QStringList nameAndPlace = item.split(':');
        const QStringList place = nameAndPlace.value(1).split(',');
        keys.append({nameAndPlace.value(0).trimmed(), place.value(0).trimmed().toInt(), place.value(1).trimmed().toInt()});
    }
    return keys;
}

}  // namespace

class TestDiagrams : public QObject {
    Q_OBJECT

private slots:
    void ruleLayout_data();
    void ruleLayout();
    void everyKeyboardDeclared_data();
    void everyKeyboardDeclared();
    void firstKeyBlack();

    void namesWrapPastB_data();
    void namesWrapPastB();
    void findKeys();
    void findKeysRefuses();
    void badDeclarations();

    void major7thLeftExceptions();
    void keyboardWorkpageExceptions();
    void handPlaced_data();
    void handPlaced();
    void chordWorkpageKeyboard();

    void keyElements();

    void chordKeyNames_data();
    void chordKeyNames();
    void countingTags_data();
    void countingTags();
    void tickBoxes_data();
    void tickBoxes();

    void barStaff_data();
    void barStaff();
    void barStaffPositions();
    void grandStaffRows_data();
    void grandStaffRows();
    void grandStaffPicture();
    void grandStaffHeads_data();
    void grandStaffHeads();
    void hatchedStaffLines();
    void hatchedStaffHeads_data();
    void hatchedStaffHeads();

    void lessonNotes_data();
    void lessonNotes();
    void restBlocks();
    void restPictures_data();
    void restPictures();
    void timeSignature();
};

// ---------------------------------------------------------- keyboard layout

void TestDiagrams::ruleLayout_data() {
    QTest::addColumn<KeyboardSpec>("layout");
    QTest::addColumn<QString>("names");
    QTest::addColumn<QList<int>>("lefts");
    QTest::addColumn<int>("rightBorder");
    QTest::newRow("Major page left") << majorPageLeft()
        << "C C# D D# E F F# G G# A A# B"
        << QList<int>{8, 32, 48, 72, 88, 112, 136, 152, 176, 192, 216, 232} << 256;
    QTest::newRow("Keyboard workpages sheet 3 lower") << keyboardWorkpageSheet(3, true)
        << "F# G G# A A# B C C# D D# E F"
        << QList<int>{63, 95, 143, 175, 223, 255, 303, 351, 383, 431, 463, 511} << 559;
    // Black-key lefts from the chord workpages' name pairs.
    QTest::newRow("chord workpages") << chordWorkpagesKeyboard()
        << "C C# D D# E F F# G G# A A# B C C# D D# E F F# G G# A A# B"
        << QList<int>{107, 123, 139, 155, 171, 187, 203, 219, 235, 251, 267, 283,
                      299, 315, 331, 347, 363, 379, 395, 411, 427, 443, 459, 475} << 491;
    QTest::newRow("Scale workpages row 2") << scaleWorkpageRow(2)
        << "C C# D D# E F F# G G# A A# B C C# D D# E F F# G G# A A# B"
        << QList<int>{130, 146, 162, 178, 194, 210, 226, 242, 258, 274, 290, 306,
                      322, 338, 354, 370, 386, 402, 418, 434, 450, 466, 482, 498} << 514;
}

void TestDiagrams::ruleLayout() {
    QFETCH(KeyboardSpec, layout);
    QFETCH(QString, names);
    QFETCH(QList<int>, lefts);
    QFETCH(int, rightBorder);
    const Keyboard keyboard(layout);
    QCOMPARE(namesOf(keyboard), names);
    QCOMPARE(int(keyboard.keys().size()), int(lefts.size()));
    for (const Key& key : keyboard.keys()) {
        QCOMPARE(key.rect.x, lefts[key.index]);
        QCOMPARE(key.rect.y, layout.y);  // tops aligned
        const Size size = key.black ? layout.black : layout.white;
        QCOMPARE(key.rect.w, size.w);
        QCOMPARE(key.rect.h, size.h);
        QCOMPARE(key.ruleRect, key.rect);
    }
    const ui::Rect last = keyboard.keys().back().rect;
    QCOMPARE(last.x + last.w - 1, rightBorder);
}

// Every regular keyboard of the program against its declared parameters:
// origin, first and last key, key count, white and black sizes, and how many
// keys deviate from the layout rule.
void TestDiagrams::everyKeyboardDeclared_data() {
    QTest::addColumn<KeyboardSpec>("layout");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::addColumn<int>("count");
    QTest::addColumn<Size>("white");
    QTest::addColumn<Size>("black");
    QTest::addColumn<int>("deviating");
    //                                                                         x    y   first  last  keys  white        black     deviating
    QTest::newRow("Keyboard Info")        << keyboardInfoPage()            << 142 <<  52 << "C"  << "B"  << 12 << Size{33, 161} << Size{25,  89} << 0;
    QTest::newRow("Major left")           << majorPageLeft()               <<   8 <<  24 << "C"  << "B"  << 12 << Size{25,  97} << Size{17,  57} << 0;
    QTest::newRow("Major right")          << majorPageRight()              << 352 <<  24 << "C"  << "B"  << 12 << Size{25,  97} << Size{17,  57} << 0;
    QTest::newRow("Minor left")           << minorPageLeft()               <<  16 <<  24 << "C"  << "B"  << 12 << Size{25,  97} << Size{17,  57} << 0;
    QTest::newRow("Minor right")          << minorPageRight()              << 360 <<  24 << "C"  << "B"  << 12 << Size{25,  97} << Size{17,  57} << 0;
    QTest::newRow("7th left")             << seventhPageLeft()             <<   8 <<  32 << "C"  << "B"  << 12 << Size{25, 105} << Size{17,  57} << 0;
    QTest::newRow("7th right")            << seventhPageRight()            << 360 <<  32 << "C"  << "B"  << 12 << Size{25, 105} << Size{17,  57} << 0;
    QTest::newRow("Major 7th left")       << major7thPageLeft()            <<  16 <<  24 << "C"  << "B"  << 12 << Size{25,  89} << Size{17,  57} << 4;
    QTest::newRow("Major 7th right")      << major7thPageRight()           << 301 <<  26 << "C#" << "D#" << 15 << Size{25,  89} << Size{17,  57} << 0;
    QTest::newRow("Minor 7th left")       << minor7thPageLeft()            <<  16 <<  24 << "C"  << "B"  << 12 << Size{25,  89} << Size{17,  57} << 0;
    QTest::newRow("Minor 7th right")      << minor7thPageRight()           << 283 <<  25 << "C"  << "D#" << 16 << Size{25,  89} << Size{17,  57} << 0;
    QTest::newRow("Scale page upper 1")   << scalePageUpper(0)             <<  26 <<  16 << "C"  << "B"  << 36 << Size{17,  73} << Size{17,  41} << 0;
    QTest::newRow("Scale page upper 2")   << scalePageUpper(1)             <<  26 << 114 << "C"  << "B"  << 36 << Size{17,  73} << Size{17,  41} << 0;
    QTest::newRow("Scale page lower")     << scalePageLower()              << 209 << 245 << "C"  << "B"  << 12 << Size{17,  73} << Size{17,  44} << 0;
    QTest::newRow("sheet 1 upper")        << keyboardWorkpageSheet(1, false) <<  56 <<  40 << "C"  << "B"  << 12 << Size{49, 177} << Size{33,  97} << 1;
    QTest::newRow("sheet 1 lower")        << keyboardWorkpageSheet(1, true)  <<  56 << 248 << "C"  << "B"  << 12 << Size{49, 177} << Size{33,  97} << 0;
    QTest::newRow("sheet 2 upper")        << keyboardWorkpageSheet(2, false) <<  48 <<  29 << "C"  << "B"  << 12 << Size{49, 169} << Size{33,  97} << 0;
    QTest::newRow("sheet 2 lower")        << keyboardWorkpageSheet(2, true)  <<  48 << 221 << "C"  << "B"  << 12 << Size{49, 169} << Size{33,  97} << 0;
    QTest::newRow("sheet 3 upper")        << keyboardWorkpageSheet(3, false) <<  63 <<  28 << "C"  << "B"  << 12 << Size{49, 169} << Size{33,  89} << 0;
    QTest::newRow("sheet 3 lower")        << keyboardWorkpageSheet(3, true)  <<  63 << 220 << "F#" << "F"  << 12 << Size{49, 169} << Size{33,  89} << 0;
    QTest::newRow("sheet 4 upper")        << keyboardWorkpageSheet(4, false) <<  74 <<  16 << "C"  << "B"  << 12 << Size{49, 185} << Size{33, 113} << 0;
    QTest::newRow("sheet 4 lower")        << keyboardWorkpageSheet(4, true)  <<  74 << 218 << "C"  << "B"  << 12 << Size{49, 185} << Size{33, 113} << 5;
    QTest::newRow("sheet 5 upper")        << keyboardWorkpageSheet(5, false) <<  72 <<  21 << "C"  << "B"  << 12 << Size{49, 185} << Size{33, 105} << 2;
    QTest::newRow("sheet 5 lower")        << keyboardWorkpageSheet(5, true)  <<  48 << 213 << "C"  << "C"  << 13 << Size{49, 185} << Size{33, 105} << 2;
    QTest::newRow("chord workpages")      << chordWorkpagesKeyboard()      << 107 <<  27 << "C"  << "B"  << 24 << Size{17,  89} << Size{17,  49} << 0;
    QTest::newRow("Scale workpages row 0") << scaleWorkpageRow(0)          << 130 <<  64 << "C"  << "B"  << 24 << Size{17,  81} << Size{17,  41} << 0;
    QTest::newRow("Scale workpages row 1") << scaleWorkpageRow(1)          << 130 << 168 << "C"  << "B"  << 24 << Size{17,  81} << Size{17,  41} << 0;
    QTest::newRow("Scale workpages row 2") << scaleWorkpageRow(2)          << 130 << 272 << "C"  << "B"  << 24 << Size{17,  81} << Size{17,  41} << 0;
}

void TestDiagrams::everyKeyboardDeclared() {
    QFETCH(KeyboardSpec, layout);
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(QString, first);
    QFETCH(QString, last);
    QFETCH(int, count);
    QFETCH(Size, white);
    QFETCH(Size, black);
    QFETCH(int, deviating);
    const Keyboard keyboard(layout);
    QCOMPARE(int(keyboard.keys().size()), count);
    QCOMPARE(QString::fromStdString(keyboard.keys().front().name), first);
    QCOMPARE(QString::fromStdString(keyboard.keys().back().name), last);
    QCOMPARE(keyboard.at(0).ruleRect.x, x);
    int ruleLeft = x, deviations = 0;
    for (const Key& key : keyboard.keys()) {
        const Size size = key.black ? black : white;
        QCOMPARE(key.ruleRect, (ui::Rect{ruleLeft, y, size.w, size.h}));
        ruleLeft += size.w - 1;
        deviations += key.rect != key.ruleRect;
    }
    QCOMPARE(deviations, deviating);
}

void TestDiagrams::firstKeyBlack() {
    // The Major 7th page's right keyboard starts on a black key: the next
    // (white) key starts at origin x + black width - 1.
    const Keyboard keyboard(major7thPageRight());
    QCOMPARE(keyboard.at(0).name, std::string("C#"));
    QVERIFY(keyboard.at(0).black);
    QCOMPARE(keyboard.at(0).rect, (ui::Rect{301, 26, 17, 57}));
    QCOMPARE(keyboard.at(1).name, std::string("D"));
    QCOMPARE(keyboard.at(1).rect, (ui::Rect{317, 26, 25, 89}));
}

// --------------------------------------------------- naming and finding keys

void TestDiagrams::namesWrapPastB_data() {
    QTest::addColumn<KeyboardSpec>("layout");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("lastName");
    QTest::newRow("sheet 5 lower ends on C") << keyboardWorkpageSheet(5, true) << 13 << "C";
    QTest::newRow("Minor 7th right ends on D#") << minor7thPageRight() << 16 << "D#";
    QTest::newRow("Major 7th right ends on D#") << major7thPageRight() << 15 << "D#";
    QTest::newRow("example panel B to B") << chordExamplePanelMiddle() << 13 << "B";
    QTest::newRow("Scale page, three octaves") << scalePageUpper(0) << 36 << "B";
}

void TestDiagrams::namesWrapPastB() {
    QFETCH(KeyboardSpec, layout);
    QFETCH(int, count);
    QFETCH(QString, lastName);
    const Keyboard keyboard(layout);
    QCOMPARE(int(keyboard.keys().size()), count);
    QCOMPARE(QString::fromStdString(keyboard.keys().back().name), lastName);
    // Every key is named from the first key, one half step per key.
    for (const Key& key : keyboard.keys())
        QCOMPARE(key.number, music::keyAbove(*music::keyNumber(layout.firstKey), key.index));
}

void TestDiagrams::findKeys() {
    const Keyboard scale(scalePageUpper(1));
    QCOMPARE(scale.named("C", 1).rect.x, 26);
    QCOMPARE(scale.named("C", 2).rect.x, 218);
    QCOMPARE(scale.named("C", 3).rect.x, 410);
    QCOMPARE(scale.named("F#", 1).rect.x, 122);
    QCOMPARE(scale.named("Gb", 2).rect.x, 314);
    QCOMPARE(scale.named("F#", 3).rect.x, 506);
    QCOMPARE(scale.named("Gb", 2).index, scale.named("F#", 2).index);

    const Key& fSharp = scale.named("F#");
    QCOMPARE(fSharp.sharpName, std::string("F#"));
    QCOMPARE(fSharp.flatName, std::string("Gb"));
    QCOMPARE(scale.at(0).sharpName, std::string("C"));
    QCOMPARE(scale.at(0).flatName, std::string("C"));

    // The scale of F# ends on the next F#, 12 rectangles to the right.
    QCOMPARE(scale.above(fSharp, 12).rect.x, 314);
    QCOMPARE(scale.above(fSharp, 11).name, std::string("F"));

    // The D# minor 7th's last key is the second C# of the Minor 7th page's right keyboard.
    const Keyboard minor7th(minor7thPageRight());
    const Key& dSharp = minor7th.named("D#");
    QCOMPARE(minor7th.above(dSharp, 3 + 4 + 3).index, minor7th.named("Db", 2).index);
}

void TestDiagrams::findKeysRefuses() {
    const Keyboard keyboard(majorPageLeft());
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, keyboard.named("C", 2));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, keyboard.named("C", 0));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, keyboard.named("H"));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, keyboard.at(12));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, keyboard.at(-1));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, keyboard.above(keyboard.named("A"), 3));
}

void TestDiagrams::badDeclarations() {
    KeyboardSpec unknownFirst = majorPageLeft();
    unknownFirst.firstKey = "H";
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, Keyboard{unknownFirst});
    KeyboardSpec shortList = chordExamplePanelTop();
    shortList.handTop.pop_back();
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, Keyboard{shortList});
    KeyboardSpec strayException = majorPageLeft();
    strayException.exceptions.push_back(KeyException{12, 100, {}, {}});
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, Keyboard{strayException});
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, keyboardWorkpageSheet(6, false));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, scaleWorkpageRow(3));
}

// ------------------------------------- exceptions and hand-placed keyboards

void TestDiagrams::major7thLeftExceptions() {
    const Keyboard keyboard(major7thPageLeft());
    const Key& g = keyboard.named("G");
    QCOMPARE(g.rect.x, 159);
    QCOMPARE(g.ruleRect.x, 160);
    QCOMPARE(keyboard.named("G#").rect.x, 184);  // the next key keeps its rule position
    for (const Key& key : keyboard.keys()) {
        const bool raised = key.name == "D#" || key.name == "G#" || key.name == "A#";
        QCOMPARE(key.rect.y, raised ? 23 : 24);
        QCOMPARE(key.ruleRect.y, 24);
    }
}

void TestDiagrams::keyboardWorkpageExceptions() {
    const Keyboard sheet1Upper(keyboardWorkpageSheet(1, false));
    for (const Key& key : sheet1Upper.keys()) QCOMPARE(key.rect.y, key.name == "C#" ? 39 : 40);
    const Keyboard sheet1Lower(keyboardWorkpageSheet(1, true));
    for (const Key& key : sheet1Lower.keys()) QCOMPARE(key.rect.y, 248);

    const Keyboard sheet4Lower(keyboardWorkpageSheet(4, true));
    for (const Key& key : sheet4Lower.keys()) {
        QCOMPARE(key.rect.y, key.black ? 216 : 218);
        QCOMPARE(key.rect.h, key.black ? 113 : 185);
    }

    for (bool lower : {false, true}) {
        const Keyboard sheet5(keyboardWorkpageSheet(5, lower));
        for (const Key& key : sheet5.keys()) {
            int height = 185;
            if (key.black) height = (key.name == "C#" || key.name == "D#") ? 113 : 105;
            QCOMPARE(key.rect.h, height);
        }
    }
}

// The 2.1-style declarations against the example panel's own key table.
void TestDiagrams::handPlaced_data() {
    QTest::addColumn<KeyboardSpec>("layout");
    QTest::addColumn<QString>("listed");
    QTest::newRow("A") << chordExamplePanelTop()
        << "F: 2, 252 · F#: 13, 253 · G: 25, 252 · G#: 36, 252 · A: 48, 251 · A#: 59, 251 · B: 72, 251 · "
           "C: 83, 251 · C#: 95, 252 · D: 107, 251 · D#: 118, 251 · E: 130, 250";
    QTest::newRow("B") << chordExamplePanelMiddle()
        << "B: 3, 328 · C: 14, 328 · C#: 25, 329 · D: 37, 328 · D#: 48, 328 · E: 60, 327 · F: 71, 327 · "
           "F#: 83, 328 · G: 95, 327 · G#: 107, 328 · A: 119, 327 · A#: 130, 327 · B: 143, 327";
    QTest::newRow("C") << chordExamplePanelBottom()
        << "C: 3, 422 · C#: 15, 423 · D: 27, 422 · D#: 38, 422 · E: 49, 422 · F: 60, 422 · F#: 71, 423 · "
           "G: 83, 422 · G#: 94, 422 · A: 106, 421 · A#: 117, 421 · B: 130, 421";
}

void TestDiagrams::handPlaced() {
    QFETCH(KeyboardSpec, layout);
    QFETCH(QString, listed);
    const Keyboard keyboard(layout);
    const QList<ListedKey> keys = parseListedKeys(listed);
    QCOMPARE(int(keyboard.keys().size()), int(keys.size()));
    for (const Key& key : keyboard.keys()) {
        const ListedKey& expected = keys[key.index];
        QCOMPARE(QString::fromStdString(key.name), expected.name);
        QCOMPARE(key.rect, (ui::Rect{expected.x, expected.y, 12, key.black ? 38 : 64}));
        QCOMPARE(key.ruleRect, key.rect);
    }
}

void TestDiagrams::chordWorkpageKeyboard() {
    const Keyboard keyboard(diagrams::chordWorkpageKeyboard());
    // The window's key table, octave by octave.
    const QList<int> lefts{90, 109, 126, 145, 163, 181, 199, 217, 235, 253, 271, 290,
                           307, 326, 343, 361, 378, 394, 413, 432, 451, 469, 487, 506};
    QCOMPARE(int(keyboard.keys().size()), 24);
    for (const Key& key : keyboard.keys()) {
        QCOMPARE(key.rect.x, lefts[key.index]);
        QCOMPARE(key.rect.w, 19);
        const bool firstCSharp = key.index == 1, lastB = key.index == 23;
        QCOMPARE(key.rect.y, (firstCSharp || lastB) ? 351 : 352);
        int height = 49;
        if (!key.black) height = key.index >= 14 ? 90 : 89;  // 90 from the second D on
        QCOMPARE(key.rect.h, height);
    }
}

// ------------------------------------------------------------- key elements

void TestDiagrams::keyElements() {
    const Keyboard keyboard(minor7thPageRight());
    const ui::Elements elements = keyboard.elements();
    QCOMPARE(elements.size(), keyboard.keys().size());
    for (const Key& key : keyboard.keys()) {
        const ui::Element& e = elements[key.index];
        QCOMPARE(e.kind, ui::Kind::Shape);
        QCOMPARE(e.form, ui::ShapeForm::Rectangle);
        QCOMPARE(e.box, key.rect);
        QCOMPARE(e.outline, ui::black);
        QCOMPARE(e.outlineWidth, 1);
        QCOMPARE(e.fillStyle, ui::FillStyle::Solid);
        QCOMPARE(e.fill, key.black ? ui::black : ui::white);
    }
    // Exceptions move the drawn rectangle.
    const Keyboard major7th(major7thPageLeft());
    QCOMPARE(major7th.elements()[7].box, (ui::Rect{159, 24, 25, 89}));
    QCOMPARE(major7th.elements()[8].box, (ui::Rect{184, 23, 17, 57}));
}

// ----------------------------------------------------------------- overlays

// Chord key names as the chord lesson pages list them.
void TestDiagrams::chordKeyNames_data() {
    QTest::addColumn<KeyboardSpec>("layout");
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("occurrence");
    QTest::addColumn<int>("blackPx");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("px");
    //                                                 layout                 key  occ px  x    y   font
    QTest::newRow("Major left C")         << majorPageLeft()     << "C"  << 1 << 13 << 16 << 112 << 16;
    QTest::newRow("Major left E")         << majorPageLeft()     << "E"  << 1 << 13 << 96 << 112 << 16;
    QTest::newRow("Major left G")         << majorPageLeft()     << "G"  << 1 << 13 << 160 << 112 << 16;
    QTest::newRow("Major right C#")       << majorPageRight()    << "C#" << 1 << 13 << 376 << 72 << 13;
    QTest::newRow("Major right F")        << majorPageRight()    << "F"  << 1 << 13 << 464 << 112 << 16;
    QTest::newRow("Major right Ab")       << majorPageRight()    << "Ab" << 1 << 13 << 520 << 72 << 13;
    QTest::newRow("Minor left A")         << minorPageLeft()     << "A"  << 1 << 13 << 208 << 112 << 16;
    QTest::newRow("Minor right F#")       << minorPageRight()    << "F#" << 1 << 13 << 488 << 72 << 13;
    QTest::newRow("7th left G")           << seventhPageLeft()   << "G"  << 1 << 13 << 160 << 128 << 16;
    QTest::newRow("7th left Bb")          << seventhPageLeft()   << "Bb" << 1 << 13 << 216 << 80 << 13;
    QTest::newRow("7th right B")          << seventhPageRight()  << "B"  << 1 << 13 << 592 << 128 << 16;
    QTest::newRow("Major 7th left B")     << major7thPageLeft()  << "B"  << 1 << 13 << 248 << 104 << 16;
    QTest::newRow("Major 7th left G, rule position") << major7thPageLeft() << "G" << 1 << 13 << 168 << 104 << 16;
    QTest::newRow("Major 7th right D")    << major7thPageRight() << "D"  << 1 << 16 << 325 << 106 << 16;
    QTest::newRow("Major 7th right F#")   << major7thPageRight() << "F#" << 1 << 16 << 405 << 74 << 16;
    QTest::newRow("Major 7th right C#")   << major7thPageRight() << "C#" << 2 << 16 << 549 << 74 << 16;
    QTest::newRow("Minor 7th left D#")    << minor7thPageLeft()  << "D#" << 1 << 13 << 80 << 72 << 13;
    QTest::newRow("Minor 7th right C#")   << minor7thPageRight() << "C#" << 2 << 13 << 555 << 73 << 13;
}

void TestDiagrams::chordKeyNames() {
    QFETCH(KeyboardSpec, layout);
    QFETCH(QString, key);
    QFETCH(int, occurrence);
    QFETCH(int, blackPx);
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(int, px);
    const Keyboard keyboard(layout);
    const ui::Element e = chordKeyName(keyboard.named(key.toStdString(), occurrence), key.toStdString(), blackPx);
    QCOMPARE(e.kind, ui::Kind::Label);
    QCOMPARE(e.box.x, x);
    QCOMPARE(e.box.y, y);
    QCOMPARE(QString::fromStdString(e.caption), key);
    QVERIFY(e.ownFont.has_value());
    QCOMPARE(e.ownFont->family, ui::Family::TimesNewRoman);
    QCOMPARE(e.ownFont->px, px);
    QVERIFY(e.ownFont->bold);
    QCOMPARE(e.ownFont->colour, ui::yellow);
    QCOMPARE(e.colour, std::optional<ui::Colour>(ui::red));
}

void TestDiagrams::countingTags_data() {
    QTest::addColumn<KeyboardSpec>("layout");
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("count");
    QTest::addColumn<Interval>("interval");
    QTest::addColumn<int>("blackOffset");
    QTest::addColumn<int>("whiteOffset");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<ui::Colour>("background");
    //                                         layout               key  count interval            black white  x    y   colour
    QTest::newRow("Major left fuchsia 1") << majorPageLeft()  << "C#" << 1 << Interval::First  << 32 << 56 << 40 << 56 << ui::fuchsia;
    QTest::newRow("Major left fuchsia 4") << majorPageLeft()  << "E"  << 4 << Interval::First  << 32 << 56 << 96 << 80 << ui::fuchsia;
    QTest::newRow("Major left green 3")   << majorPageLeft()  << "G"  << 3 << Interval::Second << 32 << 56 << 160 << 80 << ui::green;
    QTest::newRow("Major right green 3 on named Ab") << majorPageRight() << "G#" << 3 << Interval::Second << 24 << 56 << 528 << 48 << ui::green;
    QTest::newRow("7th left blue 3 on named A#") << seventhPageLeft() << "A#" << 3 << Interval::Third << 24 << 64 << 224 << 56 << ui::blue;
    QTest::newRow("7th left green 3 on G") << seventhPageLeft() << "G" << 3 << Interval::Second << 32 << 64 << 160 << 96 << ui::green;
}

void TestDiagrams::countingTags() {
    QFETCH(KeyboardSpec, layout);
    QFETCH(QString, key);
    QFETCH(int, count);
    QFETCH(Interval, interval);
    QFETCH(int, blackOffset);
    QFETCH(int, whiteOffset);
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(ui::Colour, background);
    const Keyboard keyboard(layout);
    const ui::Element e = countingTag(keyboard.named(key.toStdString()), count, interval, whiteOffset, blackOffset);
    QCOMPARE(e.kind, ui::Kind::Label);
    QCOMPARE(e.box.x, x);
    QCOMPARE(e.box.y, y);
    QCOMPARE(e.caption, std::to_string(count));
    QCOMPARE(e.ownFont, std::optional<ui::Font>(ui::tnr(16).bolded().in(ui::white)));
    QCOMPARE(e.colour, std::optional<ui::Colour>(background));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range,
                             countingTag(keyboard.named(key.toStdString()), 5, interval, whiteOffset, blackOffset));
}

void TestDiagrams::tickBoxes_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("occurrence");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    //                                      row  key  occ   x    y
    QTest::newRow("row 0 first C")       << 0 << "C"  << 1 << 130 << 128;
    QTest::newRow("row 0 first C#")      << 0 << "C#" << 1 << 146 << 88;
    QTest::newRow("row 1 second C#")     << 1 << "C#" << 2 << 338 << 192;
    QTest::newRow("row 2 last B")        << 2 << "B"  << 2 << 498 << 336;
}

void TestDiagrams::tickBoxes() {
    QFETCH(int, row);
    QFETCH(QString, key);
    QFETCH(int, occurrence);
    QFETCH(int, x);
    QFETCH(int, y);
    const Keyboard keyboard(scaleWorkpageRow(row));
    const Key& k = keyboard.named(key.toStdString(), occurrence);
    const ui::Element e = tickBox(k);
    QCOMPARE(e.kind, ui::Kind::Check);
    QCOMPARE(e.box, (ui::Rect{x, y, 17, 17}));
    QCOMPARE(e.colour, std::optional<ui::Colour>(k.black ? ui::black : ui::white));
    QVERIFY(e.caption.empty());
}

// ------------------------------------------------------------------- staffs

void TestDiagrams::barStaff_data() {
    QTest::addColumn<BarColouring>("colouring");
    QTest::addColumn<ui::Colour>("fill");
    QTest::addColumn<ui::Colour>("outline");
    QTest::newRow("lesson") << BarColouring::Lesson << ui::black << ui::black;
    QTest::newRow("worksheet") << BarColouring::Worksheet << ui::white << ui::fuchsia;
}

void TestDiagrams::barStaff() {
    QFETCH(BarColouring, colouring);
    QFETCH(ui::Colour, fill);
    QFETCH(ui::Colour, outline);
    const ui::Elements bars = diagrams::barStaff(142, 366, 51, colouring);
    QCOMPARE(int(bars.size()), 5);
    const int tops[] = {51, 75, 99, 123, 147};
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(bars[i].kind, ui::Kind::Shape);
        QCOMPARE(bars[i].form, ui::ShapeForm::Rectangle);
        QCOMPARE(bars[i].box, (ui::Rect{142, tops[i], 366, 9}));
        QCOMPARE(bars[i].outlineWidth, 5);
        QCOMPARE(bars[i].outline, outline);
        QCOMPARE(bars[i].fill, fill);
        QCOMPARE(bars[i].fillStyle, ui::FillStyle::Solid);
    }
}

void TestDiagrams::barStaffPositions() {
    // Top line's centre T + 4, bottom line's T + 100, spaces 12 px from each line.
    QCOMPARE(barStaffY(55, 8), 59);
    QCOMPARE(barStaffY(55, 7), 71);
    QCOMPARE(barStaffY(55, 4), 107);
    QCOMPARE(barStaffY(55, 0), 155);
    QCOMPARE(barStaffY(266, 1), 354);
    for (int p = 0; p <= 8; ++p) QCOMPARE(barStaffPosition(55, barStaffY(55, p)), p);
    QCOMPARE(barStaffPosition(55, 59 + 2), 8);       // within 2 px
    QCOMPARE(barStaffPosition(55, 155 - 2.0), 0);
    QCOMPARE(barStaffPosition(55, 59 + 3), -1);      // between a line and a space
    QCOMPARE(barStaffPosition(55, 40), -1);          // above the staff: no ledger lines
    QCOMPARE(barStaffPosition(55, 59 + 3, 3.0), 8);
    // A 17×33 head box whose circle sits on the middle line.
    QCOMPARE(barStaffPosition(55, headCentreY({200, 107 - 16, 17, 33})), 4);
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, barStaffY(55, 9));
}

void TestDiagrams::grandStaffRows_data() {
    QTest::addColumn<Clef>("clef");
    QTest::addColumn<int>("position");
    QTest::addColumn<double>("offset");
    QTest::newRow("treble 0") << Clef::Treble << 0 << 44.5;  // the lowest gap is 9 px
    QTest::newRow("treble 1") << Clef::Treble << 1 << 40.0;
    QTest::newRow("treble 2") << Clef::Treble << 2 << 35.5;
    QTest::newRow("treble 3") << Clef::Treble << 3 << 31.5;
    QTest::newRow("treble 4") << Clef::Treble << 4 << 27.5;
    QTest::newRow("treble 6") << Clef::Treble << 6 << 19.5;
    QTest::newRow("treble 7") << Clef::Treble << 7 << 15.5;
    QTest::newRow("treble 8") << Clef::Treble << 8 << 11.5;
    QTest::newRow("bass 0") << Clef::Bass << 0 << 111.5;
    QTest::newRow("bass 1") << Clef::Bass << 1 << 107.0;
    QTest::newRow("bass 2") << Clef::Bass << 2 << 102.5;
    QTest::newRow("bass 4") << Clef::Bass << 4 << 94.5;
    QTest::newRow("bass 6") << Clef::Bass << 6 << 86.5;
    QTest::newRow("bass 8") << Clef::Bass << 8 << 78.5;
}

void TestDiagrams::grandStaffRows() {
    QFETCH(Clef, clef);
    QFETCH(int, position);
    QFETCH(double, offset);
    QCOMPARE(grandStaffY(clef, position, 0), offset);
    QCOMPARE(grandStaffY(clef, position, 6), 6 + offset);
    QCOMPARE(grandStaffPosition(clef, 6, 6 + offset), position);
}

void TestDiagrams::grandStaffPicture() {
    const ui::Element cut = grandStaff(GrandStaffVariant::ThreeFour, 21, 275, 105, 117, false);
    QCOMPARE(cut.kind, ui::Kind::Picture);
    QCOMPARE(cut.image, std::string("grandstaff34"));
    QCOMPARE(cut.box, (ui::Rect{21, 275, 105, 117}));
    QVERIFY(!cut.stretch);
    const ui::Element stretched = grandStaff(GrandStaffVariant::ThreeFour, 185, 443, 299, 85, true);
    QVERIFY(stretched.stretch);
    const ui::Element plain = grandStaff(GrandStaffVariant::Plain, 133, 227, 350, 116, false);
    QCOMPARE(plain.image, std::string("grandstaff"));
    QCOMPARE(std::string(grandStaffImage(GrandStaffVariant::Plain)), std::string("grandstaff"));
}

// The example chord of the Chords page's panel, picture at (10, 6).
void TestDiagrams::grandStaffHeads_data() {
    QTest::addColumn<Clef>("clef");
    QTest::addColumn<ui::Rect>("head");
    QTest::addColumn<char>("letter");
    QTest::newRow("treble G") << Clef::Treble << ui::Rect{66, 37, 15, 9} << 'G';
    QTest::newRow("treble E") << Clef::Treble << ui::Rect{69, 46, 10, 10} << 'E';
    QTest::newRow("bass B") << Clef::Bass << ui::Rect{64, 105, 12, 10} << 'B';
    QTest::newRow("bass G") << Clef::Bass << ui::Rect{65, 112, 9, 14} << 'G';
}

void TestDiagrams::grandStaffHeads() {
    QFETCH(Clef, clef);
    QFETCH(ui::Rect, head);
    QFETCH(char, letter);
    const int position = grandStaffPosition(clef, 6, headCentreY(head));
    QVERIFY(position >= 0);
    QCOMPARE(music::staffLetter(clef, position), letter);
}

void TestDiagrams::hatchedStaffLines() {
    const std::vector<StaffLine> treble = diagrams::hatchedStaffLines(chordWorkpageTrebleStaff);
    const std::vector<StaffLine> trebleExpected{{44, 44}, {51, 51}, {59, 59}, {67, 67}, {75, 76}};
    QVERIFY(treble == trebleExpected);
    const std::vector<StaffLine> bass = diagrams::hatchedStaffLines(chordWorkpageBassStaff);
    const std::vector<StaffLine> bassExpected{{108, 108}, {115, 115}, {123, 123}, {131, 131}, {139, 139}};
    QVERIFY(bass == bassExpected);

    QCOMPARE(hatchedStaffY(chordWorkpageTrebleStaff, 8), 44.0);
    QCOMPARE(hatchedStaffY(chordWorkpageTrebleStaff, 7), 47.5);
    QCOMPARE(hatchedStaffY(chordWorkpageTrebleStaff, 0), 75.5);
    QCOMPARE(hatchedStaffY(chordWorkpageBassStaff, 1), 135.0);
    // A head centred on row 76 or 77 reads as the 2-px bottom line.
    QCOMPARE(hatchedStaffPosition(chordWorkpageTrebleStaff, 76), 0);
    QCOMPARE(hatchedStaffPosition(chordWorkpageTrebleStaff, 77), 0);
    // A box too short for five lines is no staff.
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, hatchedStaffY({2, 44, 100, 16}, 0));

    const ui::Element e = hatchedStaff(chordWorkpageTrebleStaff);
    QCOMPARE(e.kind, ui::Kind::Shape);
    QCOMPARE(e.box, chordWorkpageTrebleStaff);
    QCOMPARE(e.fillStyle, ui::FillStyle::HorizontalHatch);
    QCOMPARE(e.fill, ui::black);
    QCOMPARE(e.outline, ui::black);
    QCOMPARE(e.outlineWidth, 1);
}

// Every head of the Chord Workpage's seven chords, read on its staff.
void TestDiagrams::hatchedStaffHeads_data() {
    QTest::addColumn<Clef>("clef");
    QTest::addColumn<ui::Rect>("head");
    QTest::addColumn<char>("letter");
    struct Head { const char* chord; Clef clef; int x, y, w, h; char letter; };
    static const Head heads[] = {
        // chord  clef           x    y   w   h  letter
        {"1", Clef::Treble,  18,  62, 9, 11, 'G'}, {"1", Clef::Treble,  18,  72, 9, 11, 'E'},
        {"1", Clef::Bass,    19, 126, 9, 11, 'B'}, {"1", Clef::Bass,    19, 135, 9, 11, 'G'},
        {"2", Clef::Treble, 103,  46, 9, 11, 'D'}, {"2", Clef::Treble, 103,  58, 9, 11, 'A'},
        {"2", Clef::Bass,   102, 103, 9, 11, 'A'}, {"2", Clef::Bass,   102, 123, 9, 11, 'C'},
        {"3", Clef::Treble, 191,  50, 9, 11, 'C'}, {"3", Clef::Treble, 191,  59, 9, 11, 'A'},
        {"3", Clef::Bass,   192, 110, 9, 11, 'F'}, {"3", Clef::Bass,   192, 130, 9, 11, 'A'},
        {"4", Clef::Treble, 278,  54, 9, 11, 'B'}, {"4", Clef::Treble, 278,  63, 9, 11, 'G'},
        {"4", Clef::Bass,   280, 118, 9, 11, 'D'}, {"4", Clef::Bass,   280, 127, 9, 11, 'B'},
        {"5", Clef::Treble, 362,  51, 9, 11, 'C'}, {"5", Clef::Treble, 363,  67, 9, 11, 'F'},
        {"5", Clef::Bass,   363, 118, 9, 11, 'D'}, {"5", Clef::Bass,   363, 127, 9, 11, 'B'},
        {"6", Clef::Treble, 461,  43, 9, 11, 'E'}, {"6", Clef::Treble, 461,  60, 10, 8, 'A'},
        {"6", Clef::Bass,   462, 103, 9, 11, 'A'}, {"6", Clef::Bass,   462, 123, 9, 11, 'C'},
        {"7", Clef::Treble, 548,  63, 9, 11, 'G'}, {"7", Clef::Treble, 548,  72, 9, 11, 'E'},
        {"7", Clef::Bass,   546, 127, 9, 11, 'B'},
    };
    for (const Head& h : heads)
        QTest::addRow("chord %s %s %c at %d", h.chord, h.clef == Clef::Treble ? "treble" : "bass", h.letter, h.y)
            << h.clef << ui::Rect{h.x, h.y, h.w, h.h} << h.letter;
}

void TestDiagrams::hatchedStaffHeads() {
    QFETCH(Clef, clef);
    QFETCH(ui::Rect, head);
    QFETCH(char, letter);
    const ui::Rect staff = clef == Clef::Treble ? chordWorkpageTrebleStaff : chordWorkpageBassStaff;
    const int position = hatchedStaffPosition(staff, headCentreY(head));
    QVERIFY(position >= 0);
    QCOMPARE(music::staffLetter(clef, position), letter);
}

// ------------------------------------------------------------------- glyphs

// The lessons' note chart: each value's elements, head first.
void TestDiagrams::lessonNotes_data() {
    QTest::addColumn<NoteValue>("value");
    QTest::addColumn<int>("hx");
    QTest::addColumn<int>("hy");
    QTest::addColumn<bool>("filled");
    QTest::addColumn<QList<ui::Rect>>("parts");  // stem, then flags
    QTest::newRow("sixteenth") << NoteValue::Sixteenth << 58 << 164 << true
                               << QList<ui::Rect>{{82, 124, 1, 49}, {82, 124, 25, 9}, {82, 140, 25, 9}};
    QTest::newRow("eighth") << NoteValue::Eighth << 170 << 164 << true
                            << QList<ui::Rect>{{194, 126, 1, 49}, {195, 124, 25, 9}};
    QTest::newRow("quarter") << NoteValue::Quarter << 286 << 164 << true << QList<ui::Rect>{{310, 124, 1, 49}};
    QTest::newRow("half") << NoteValue::Half << 407 << 165 << false << QList<ui::Rect>{{431, 130, 1, 51}};
    QTest::newRow("whole") << NoteValue::Whole << 521 << 163 << false << QList<ui::Rect>{};
}

void TestDiagrams::lessonNotes() {
    QFETCH(NoteValue, value);
    QFETCH(int, hx);
    QFETCH(int, hy);
    QFETCH(bool, filled);
    QFETCH(QList<ui::Rect>, parts);
    const ui::Elements note = lessonNote(value, hx, hy);
    QCOMPARE(int(note.size()), 1 + int(parts.size()));

    const ui::Element& head = note[0];
    QCOMPARE(head.kind, ui::Kind::Shape);
    QCOMPARE(head.form, ui::ShapeForm::Circle);
    QCOMPARE(head.box, (ui::Rect{hx, hy, 25, 25}));
    QCOMPARE(head.outline, ui::black);
    QCOMPARE(head.outlineWidth, 1);
    QCOMPARE(head.fillStyle, ui::FillStyle::Solid);  // hollow heads are white, not see-through
    QCOMPARE(head.fill, filled ? ui::black : ui::white);

    for (int i = 0; i < parts.size(); ++i) {
        const ui::Element& e = note[i + 1];
        QCOMPARE(e.kind, ui::Kind::Shape);
        QCOMPARE(e.form, ui::ShapeForm::Rectangle);
        QCOMPARE(e.box, parts[i]);
        QCOMPARE(e.outline, ui::black);
        if (i > 0) QCOMPARE(e.fill, ui::black);  // flags are black blocks
    }
    QCOMPARE(hasStem(value), !parts.isEmpty());
    QCOMPARE(flagCount(value), std::max(0, int(parts.size()) - 1));
}

void TestDiagrams::restBlocks() {
    // The Beats page: the whole block hangs from its line, the half block stands on its.
    const ui::Elements whole = blockRest(NoteValue::Whole, 517, 493, 91);
    QCOMPARE(int(whole.size()), 2);
    QCOMPARE(whole[0].box, (ui::Rect{517, 91, 17, 9}));
    QCOMPARE(whole[0].fill, ui::black);
    QCOMPARE(whole[0].outline, ui::black);
    QCOMPARE(whole[1].box, (ui::Rect{493, 91, 73, 1}));
    QCOMPARE(whole[1].outline, ui::black);

    const ui::Element half = restBlock(NoteValue::Half, 417, 91);
    QCOMPARE(half.box, (ui::Rect{417, 83, 17, 9}));
    QCOMPARE(half.box.y + half.box.h - 1, 91);
    QCOMPARE(restLine(385, 91).box, (ui::Rect{385, 91, 73, 1}));

    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, restBlock(NoteValue::Quarter, 0, 0));
}

void TestDiagrams::restPictures_data() {
    QTest::addColumn<NoteValue>("value");
    QTest::addColumn<QString>("image");
    QTest::addColumn<ui::Rect>("box");
    QTest::newRow("quarter") << NoteValue::Quarter << "restis" << ui::Rect{289, 86, 20, 42};
    QTest::newRow("eighth") << NoteValue::Eighth << "restis8" << ui::Rect{173, 75, 25, 49};
    QTest::newRow("sixteenth") << NoteValue::Sixteenth << "restis16" << ui::Rect{71, 72, 29, 55};
}

void TestDiagrams::restPictures() {
    QFETCH(NoteValue, value);
    QFETCH(QString, image);
    QFETCH(ui::Rect, box);
    const ui::Element e = restPicture(value, box.x, box.y);
    QCOMPARE(e.kind, ui::Kind::Picture);
    QCOMPARE(QString::fromStdString(e.image), image);
    QCOMPARE(QString::fromStdString(e.name), image);
    QCOMPARE(e.box, box);
    QVERIFY(!e.stretch);
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, restPicture(NoteValue::Whole, 0, 0));
}

void TestDiagrams::timeSignature() {
    const ui::Elements labels = timeSignatureLabels(3, 8, 300, 5);
    QCOMPARE(int(labels.size()), 2);
    QCOMPARE(labels[0].caption, std::string("3"));
    QCOMPARE(labels[1].caption, std::string("8"));
    QCOMPARE(labels[0].box.x, 300);
    QCOMPARE(labels[0].box.y, 5);
    QCOMPARE(labels[1].box.x, 300);
    QCOMPARE(labels[1].box.y, 20);
    for (const ui::Element& e : labels) {
        QCOMPARE(e.kind, ui::Kind::Label);
        QCOMPARE(e.ownFont, std::optional<ui::Font>(ui::arial(13).bolded()));
        QCOMPARE(e.ownFont->colour, ui::windowText);
        QCOMPARE(e.colour, std::optional<ui::Colour>(ui::rgb(0xC6E2FF)));
    }
}

QTEST_APPLESS_MAIN(TestDiagrams)
#include "test_diagrams.moc"
