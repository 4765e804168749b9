// Corvalle Lyrabel — note, rest and time-signature glyphs as element lists.
#include "diagrams/glyphs.h"

#include <stdexcept>
#include <string>

namespace diagrams {

using music::NoteValue;

// ------------------------------------------------------------------- notes

bool hasFilledHead(NoteValue v) { return v != NoteValue::Whole && v != NoteValue::Half; }
bool hasStem(NoteValue v) { return v != NoteValue::Whole; }
int flagCount(NoteValue v) { return v == NoteValue::Eighth ? 1 : v == NoteValue::Sixteenth ? 2 : 0; }

ui::Element noteHead(int x, int y, int w, int h, bool filled) {
    return ui::shape(x, y, w, h).circle().pen(ui::black, 1).filled(filled ? ui::black : ui::white);
}

namespace {

struct Box { int dx, dy, w, h; };

struct LessonGlyph {
    NoteValue value;
    Box stem;                 // w == 0: no stem
    Box flags[2];             // w == 0: no flag; the first at the stem's end
};

// Offsets from the head box's top-left corner; the head is 25×25.
constexpr LessonGlyph lessonFamily[] = {
    // value                 stem               flags
    {NoteValue::Sixteenth, {24, -40, 1, 49}, {{24, -40, 25, 9}, {24, -24, 25, 9}}},
    {NoteValue::Eighth,    {24, -38, 1, 49}, {{25, -40, 25, 9}, {}}},
    {NoteValue::Quarter,   {24, -40, 1, 49}, {{}, {}}},
    {NoteValue::Half,      {24, -35, 1, 51}, {{}, {}}},
    {NoteValue::Whole,     {},               {{}, {}}},
};

ui::Element flag(int x, int y, int w, int h) { return ui::shape(x, y, w, h).pen(ui::black, 1).filled(ui::black); }

}  // namespace

ui::Elements lessonNote(NoteValue v, int hx, int hy) {
    for (const LessonGlyph& glyph : lessonFamily) {
        if (glyph.value != v) continue;
        ui::Elements out{noteHead(hx, hy, 25, 25, hasFilledHead(v))};
        if (glyph.stem.w > 0)
            out.push_back(ui::shape(hx + glyph.stem.dx, hy + glyph.stem.dy, glyph.stem.w, glyph.stem.h));
        for (const Box& f : glyph.flags)
            if (f.w > 0) out.push_back(flag(hx + f.dx, hy + f.dy, f.w, f.h));
        return out;
    }
    throw std::invalid_argument("unknown note value");
}

// ------------------------------------------------------------------- rests

ui::Element restBlock(NoteValue v, int x, int lineY) {
    int top = 0;
    if (v == NoteValue::Whole) top = lineY;                            // hangs below the line
    else if (v == NoteValue::Half) top = lineY - (restBlockHeight - 1);  // stands on the line
    else throw std::invalid_argument("only whole and half rests are blocks");
    return ui::shape(x, top, restBlockWidth, restBlockHeight).pen(ui::black, 1).filled(ui::black);
}

ui::Element restLine(int x, int y) { return ui::shape(x, y, restLineWidth, 1).pen(ui::black, 1); }

ui::Elements blockRest(NoteValue v, int blockX, int lineX, int lineY) {
    return {restBlock(v, blockX, lineY), restLine(lineX, lineY)};
}

namespace {

struct RestPicture { NoteValue value; const char* image; int w, h; };

constexpr RestPicture restPictures[] = {
    // value               image       w   h
    {NoteValue::Quarter,   "restis",   20, 42},
    {NoteValue::Eighth,    "restis8",  25, 49},
    {NoteValue::Sixteenth, "restis16", 29, 55},
};

const RestPicture& restPictureOf(NoteValue v) {
    for (const RestPicture& r : restPictures)
        if (r.value == v) return r;
    throw std::invalid_argument("whole and half rests are blocks, not pictures");
}

}  // namespace

const char* restImage(NoteValue v) { return restPictureOf(v).image; }

ui::Element restPicture(NoteValue v, int x, int y) {
    const RestPicture& r = restPictureOf(v);
    return ui::picture(x, y, r.w, r.h, r.image).named(r.image);
}

// ---------------------------------------------------------- time signature

ui::Elements timeSignatureLabels(int top, int bottom, int x, int y) {
    const ui::Font font = ui::arial(13).bolded();
    const ui::Colour background = ui::rgb(0xC6E2FF);
    return {ui::label(x, y, std::to_string(top)).font(font).bg(background),
            ui::label(x, y + 15, std::to_string(bottom)).font(font).bg(background)};
}

}  // namespace diagrams
