// Corvalle Lyrabel — page elements: the data every window is built from.
//
// Sections: colours · fonts · element kinds · the Element record · builders
//
// A page is a list of Elements in declaration order. Declaration order is the
// paint order of drawn elements (shape, label, picture) and the stacking order
// of window elements (everything else). Pages are written as tables of builder
// calls, one element per line:
//
//   shape (  16, 200, 577, 201).pen(black, 4),
//   label (  64, 136, "C major chord").font(tnr(21).bold().in(white)).bg(purple),
//
// The engine (engine.h) turns such a list into live widgets; nothing here
// knows about Qt widgets or about music.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace ui {

// ---------------------------------------------------------------- colours

enum class SystemColour : std::uint8_t { None, Window, WindowText, ButtonFace, ButtonText };

struct Colour {
    std::uint32_t rgb = 0;  // 0xRRGGBB, used when system == None
    SystemColour system = SystemColour::None;
    friend constexpr bool operator==(Colour, Colour) = default;
};

constexpr Colour rgb(std::uint32_t v) { return Colour{v, SystemColour::None}; }

inline constexpr Colour black = rgb(0x000000), maroon = rgb(0x800000), green = rgb(0x008000),
                        olive = rgb(0x808000), navy = rgb(0x000080), purple = rgb(0x800080),
                        teal = rgb(0x008080), gray = rgb(0x808080), silver = rgb(0xC0C0C0),
                        red = rgb(0xFF0000), lime = rgb(0x00FF00), yellow = rgb(0xFFFF00),
                        blue = rgb(0x0000FF), fuchsia = rgb(0xFF00FF), aqua = rgb(0x00FFFF),
                        white = rgb(0xFFFFFF);
inline constexpr Colour windowColour{0, SystemColour::Window};
inline constexpr Colour windowText{0, SystemColour::WindowText};
inline constexpr Colour buttonFace{0, SystemColour::ButtonFace};
inline constexpr Colour buttonText{0, SystemColour::ButtonText};

// ------------------------------------------------------------------ fonts

enum class Family : std::uint8_t { TimesNewRoman, Arial, MsSansSerif };

// A font as the pages write it: family, em height in pixels, style, colour.
struct Font {
    Family family = Family::MsSansSerif;
    int px = 11;
    bool bold = false;
    bool italic = false;
    Colour colour = windowText;

    constexpr Font bolded() const { Font f = *this; f.bold = true; return f; }
    constexpr Font italicized() const { Font f = *this; f.italic = true; return f; }
    constexpr Font in(Colour c) const { Font f = *this; f.colour = c; return f; }
    friend constexpr bool operator==(const Font&, const Font&) = default;
};

constexpr Font tnr(int px) { return Font{Family::TimesNewRoman, px}; }
constexpr Font arial(int px) { return Font{Family::Arial, px}; }
constexpr Font msSans(int px) { return Font{Family::MsSansSerif, px}; }

// ---------------------------------------------------------- element kinds

enum class Kind : std::uint8_t {
    Shape, Label, Picture,                                       // drawn
    TextBox, Edit, Check, Panel, Button, Notebook, NotebookPage  // window
};

constexpr bool isDrawn(Kind k) { return k == Kind::Shape || k == Kind::Label || k == Kind::Picture; }

enum class Align : std::uint8_t { None, Left, Client };
enum class ShapeForm : std::uint8_t { Rectangle, Circle, Ellipse, RoundRect };
enum class FillStyle : std::uint8_t { Solid, None, HorizontalHatch };
enum class Border : std::uint8_t { Sunken, Flat, None };
enum class ButtonKind : std::uint8_t { Plain, Ok };

struct Rect {
    int x = 0, y = 0, w = 0, h = 0;
    friend constexpr bool operator==(Rect, Rect) = default;
};

// ------------------------------------------------------ the Element record

struct Element {
    Kind kind = Kind::Shape;
    std::string name;             // objectName; only where behaviour or tests refer to it
    Rect box;                     // labels: w, h are filled in from the text when built
    bool visible = true;
    std::optional<Colour> colour; // background; unset = the kind's default
    std::optional<Font> ownFont;  // unset = inherited from the container
    Align align = Align::None;
    int tabPosition = -1;         // -1 = declaration order

    // shape
    ShapeForm form = ShapeForm::Rectangle;
    Colour fill = white;
    FillStyle fillStyle = FillStyle::Solid;
    Colour outline = black;
    int outlineWidth = 1;

    // label, check box, panel, button, notebook page: caption; edit field: text
    std::string caption;

    // text box
    std::vector<std::string> lines;
    bool readOnly = false;
    Border border = Border::Sunken;
    bool verticalScrollBar = false;

    // picture: resource name under :/assets/, without extension
    std::string image;
    bool stretch = false;

    // panel
    bool bevel = true;

    // button
    ButtonKind buttonKind = ButtonKind::Plain;

    // button or panel: the window action a click runs
    std::string action;

    // notebook
    std::optional<Font> tabFont;
    int tabStripHeight = 24;      // T: pages lie at (4, T)

    // panel, notebook page: child elements; notebook: its pages
    std::vector<Element> children;

    // ---- fluent settings, so that a page reads as a table
    Element& named(std::string n) { name = std::move(n); return *this; }
    Element& hidden() { visible = false; return *this; }
    Element& bg(Colour c) { colour = c; return *this; }
    Element& font(Font f) { ownFont = f; return *this; }
    Element& aligned(Align a) { align = a; return *this; }
    Element& tab(int position) { tabPosition = position; return *this; }
    Element& pen(Colour c, int width = 1) { outline = c; outlineWidth = width; return *this; }
    Element& filled(Colour c) { fill = c; fillStyle = FillStyle::Solid; return *this; }
    Element& hollow() { fillStyle = FillStyle::None; return *this; }
    Element& hatched(Colour c) { fill = c; fillStyle = FillStyle::HorizontalHatch; return *this; }
    Element& circle() { form = ShapeForm::Circle; return *this; }
    Element& ellipse() { form = ShapeForm::Ellipse; return *this; }
    Element& rounded() { form = ShapeForm::RoundRect; return *this; }
    Element& readonly() { readOnly = true; return *this; }
    Element& bordered(Border b) { border = b; return *this; }
    Element& scrollBar() { verticalScrollBar = true; return *this; }
    Element& stretched() { stretch = true; return *this; }
    Element& noBevel() { bevel = false; return *this; }
    Element& onClick(std::string a) { action = std::move(a); return *this; }
    Element& ok() { buttonKind = ButtonKind::Ok; caption = "OK"; return *this; }
    Element& tabsIn(Font f) { tabFont = f; return *this; }
    Element& tabHeight(int t) { tabStripHeight = t; return *this; }
    Element& holding(std::vector<Element> c) { children = std::move(c); return *this; }
    Element& text(std::string t) { caption = std::move(t); return *this; }
};

// ---------------------------------------------------------------- builders

using Elements = std::vector<Element>;

inline Element make(Kind k, int x, int y, int w, int h) {
    Element e;
    e.kind = k;
    e.box = {x, y, w, h};
    return e;
}

inline Element shape(int x, int y, int w, int h) { return make(Kind::Shape, x, y, w, h); }

// Labels size themselves to their caption in their font.
inline Element label(int x, int y, std::string caption) {
    Element e = make(Kind::Label, x, y, 0, 0);
    e.caption = std::move(caption);
    return e;
}

inline Element textBox(int x, int y, int w, int h, std::vector<std::string> lines = {}) {
    Element e = make(Kind::TextBox, x, y, w, h);
    e.lines = std::move(lines);
    return e;
}

inline Element edit(int x, int y, int w, int h) { return make(Kind::Edit, x, y, w, h); }

inline Element check(int x, int y, int w, int h, std::string caption = {}) {
    Element e = make(Kind::Check, x, y, w, h);
    e.caption = std::move(caption);
    return e;
}

inline Element picture(int x, int y, int w, int h, std::string image) {
    Element e = make(Kind::Picture, x, y, w, h);
    e.image = std::move(image);
    return e;
}

inline Element panel(int x, int y, int w, int h, Elements children = {}) {
    Element e = make(Kind::Panel, x, y, w, h);
    e.children = std::move(children);
    return e;
}

inline Element button(int x, int y, int w, int h, std::string caption) {
    Element e = make(Kind::Button, x, y, w, h);
    e.caption = std::move(caption);
    return e;
}

inline Element notebook(int x, int y, int w, int h, Elements pages) {
    Element e = make(Kind::Notebook, x, y, w, h);
    e.children = std::move(pages);
    return e;
}

inline Element page(std::string caption, Elements children) {
    Element e = make(Kind::NotebookPage, 0, 0, 0, 0);
    e.caption = std::move(caption);
    e.children = std::move(children);
    return e;
}

// Appends b's elements to a, keeping declaration order (generators emit lists).
inline Elements& operator+=(Elements& a, Elements b) {
    a.insert(a.end(), std::make_move_iterator(b.begin()), std::make_move_iterator(b.end()));
    return a;
}
inline Elements operator+(Elements a, Elements b) { a += std::move(b); return a; }

}  // namespace ui
