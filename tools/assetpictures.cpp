// Corvalle Lyrabel — the program's pictures, drawn in code.
//
// Sections: colours · pixel maps · ink canvas · icon · OK glyph · mascot ·
//           face · grand staff · rests · the picture list
//
// Four ways of drawing are used, each where it suits the picture:
// - pixel maps (icon, OK glyph, time-signature digits): tiny pictures whose
//   every pixel matters are written out as rows of characters;
// - the ink canvas (clefs, rests): smooth brush strokes rendered at 8× and
//   reduced to pure black and white, so the pictures stay crisp and exact;
// - pixel-centre fills (face): hard-edged shapes in the 16 standard colours
//   whose pixel boxes follow exactly from their outlines;
// - QPainter with antialiasing (mascot).
#include "assetpictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPen>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <utility>
#include <vector>

namespace assets {
namespace {

// ---------------------------------------------------------------- colours

// The standard colours the pictures use.
constexpr QRgb black = 0xFF000000, green = 0xFF008000, navy = 0xFF000080,
               purple = 0xFF800080, red = 0xFFFF0000, lime = 0xFF00FF00,
               yellow = 0xFFFFFF00, blue = 0xFF0000FF, fuchsia = 0xFFFF00FF,
               aqua = 0xFF00FFFF, white = 0xFFFFFFFF;
constexpr QRgb paleYellow = 0xFFFFFF80;  // the mascot oval's right half
constexpr QRgb transparent = 0x00000000;

// ------------------------------------------------------------- pixel maps

struct Ink {
    char key;
    QRgb colour;
};

// Paints a pixel map with its top-left corner at `at`. Characters without an
// ink (' ', '.') leave the picture as it is.
void stamp(QImage& img, QPoint at, std::initializer_list<const char*> rows,
           std::initializer_list<Ink> inks) {
    int y = at.y();
    for (const char* row : rows) {
        for (int i = 0; row[i] != '\0'; ++i) {
            for (const Ink& ink : inks)
                if (ink.key == row[i])
                    img.setPixel(at.x() + i, y, ink.colour);
        }
        ++y;
    }
}

// Colours every pixel whose centre lies inside the path: hard edges with no
// blended colours, and a shape's pixel box follows from its outline exactly.
void fillPixelCentres(QImage& img, const QPainterPath& path, QRgb colour) {
    const QRect box = path.boundingRect().toAlignedRect() & img.rect();
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            if (path.contains(QPointF(x + 0.5, y + 0.5)))
                img.setPixel(x, y, colour);
}

// ------------------------------------------------------------- ink canvas

// A black-on-white drawing surface for strokes that must come out as pure
// black and white pixels. Everything is drawn at 8× without antialiasing; a
// picture pixel turns black when at least half of its 64 sub-pixels are.
class InkCanvas {
public:
    struct Node {
        double x, y, width;  // a point on the stroke's centre line and the brush width there
    };

    explicit InkCanvas(QImage& target)
        : target_(target),
          fine_(target.size() * kScale, QImage::Format_Grayscale8) {
        fine_.fill(255);
        painter_.begin(&fine_);
        painter_.scale(kScale, kScale);
        painter_.setPen(Qt::NoPen);
        painter_.setBrush(Qt::black);
    }

    // Keeps everything drawn from now on inside the inclusive pixel box.
    void clipTo(QRect pixelBox) { painter_.setClipRect(QRectF(pixelBox)); }

    void disc(double cx, double cy, double rx, double ry) {
        painter_.drawEllipse(QPointF(cx, cy), rx, ry);
    }

    void polygon(std::initializer_list<QPointF> corners) {
        painter_.drawPolygon(std::vector<QPointF>(corners).data(), int(corners.size()));
    }

    // A round brush drawn along a smooth curve through the nodes (Catmull-Rom),
    // its width changing evenly from node to node.
    void stroke(std::initializer_list<Node> nodeList) {
        const std::vector<Node> n(nodeList);
        const int last = int(n.size()) - 1;
        for (int i = 0; i < last; ++i) {
            const Node& p0 = n[std::max(i - 1, 0)];
            const Node& p1 = n[i];
            const Node& p2 = n[i + 1];
            const Node& p3 = n[std::min(i + 2, last)];
            const double length = std::hypot(p2.x - p1.x, p2.y - p1.y);
            const int steps = std::max(4, int(length * kScale * 2));
            for (int s = 0; s <= steps; ++s) {
                const double t = double(s) / steps;
                const double x = catmullRom(p0.x, p1.x, p2.x, p3.x, t);
                const double y = catmullRom(p0.y, p1.y, p2.y, p3.y, t);
                const double r = (p1.width + (p2.width - p1.width) * t) / 2;
                painter_.drawEllipse(QPointF(x, y), r, r);
            }
        }
    }

    // Ends drawing and blackens the target's pixels where the ink lies.
    void commit() {
        painter_.end();
        for (int y = 0; y < target_.height(); ++y)
            for (int x = 0; x < target_.width(); ++x) {
                int inked = 0;
                for (int sy = 0; sy < kScale; ++sy) {
                    const uchar* line = fine_.constScanLine(y * kScale + sy) + x * kScale;
                    for (int sx = 0; sx < kScale; ++sx)
                        inked += line[sx] < 128;
                }
                if (inked * 2 >= kScale * kScale)
                    target_.setPixel(x, y, black);
            }
    }

private:
    static constexpr int kScale = 8;

    static double catmullRom(double a, double b, double c, double d, double t) {
        return 0.5 * ((2 * b) + (-a + c) * t + (2 * a - 5 * b + 4 * c - d) * t * t +
                      (-a + 3 * b - 3 * c + d) * t * t * t);
    }

    QImage& target_;
    QImage fine_;
    QPainter painter_;
};

QImage whiteImage(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(white);
    return img;
}

}  // namespace

// ------------------------------------------------------------------- icon

// The Welcome mascot in small: a staff corner, a stem and two smiling heads.
QImage drawIcon() {
    QImage img(32, 32, QImage::Format_RGB32);
    QPainter p(&img);
    p.fillRect(0, 0, 16, 16, QColor(white));     // top left: a piece of staff
    p.fillRect(16, 0, 16, 16, QColor(fuchsia));  // top right
    p.fillRect(0, 16, 16, 16, QColor(fuchsia));  // bottom left, behind the lower head
    p.fillRect(16, 16, 16, 16, QColor(yellow));  // bottom right, behind the upper head
    for (int row : {1, 4, 7, 10, 13})
        p.fillRect(0, row, 16, 1, QColor(black));
    p.fillRect(12, 0, 4, 24, QColor(black));     // the stem, left of the middle
    p.end();

    const auto head = {
        "    kkkkk    ",
        "  kkkkkkkkk  ",
        " kkkkkkkkkkk ",
        " kkaakkkaakk ",
        "kkkaakkkaakkk",
        "kkkkkkkkkkkkk",
        "kkrkkkkkkkrkk",
        " kkrkkkkkrkk ",
        " kkkrrrrrkkk ",
        "  kkkkkkkkk  ",
        "    kkkkk    ",
    };
    const auto inks = {Ink{'k', black}, Ink{'a', aqua}, Ink{'r', red}};
    stamp(img, {17, 14}, head, inks);  // right of the stem, halfway down
    stamp(img, {3, 20}, head, inks);   // at the stem's foot, lower left
    return img;
}

// --------------------------------------------------------------- OK glyph

// A green tick lit from above: light green where its upper edge meets the
// ground, dark green inside, navy along its lower edge. The ground is
// transparent so the button face shows through.
QImage drawOkGlyph() {
    const char* shape[18] = {
        "..................",
        "..................",
        "..................",
        "...............#..",
        "..............###.",
        ".............####.",
        "............####..",
        "...........####...",
        "..#.......####....",
        ".###.....####.....",
        ".####...####......",
        "..####.####.......",
        "...#######........",
        "....#####.........",
        ".....###..........",
        "......#...........",
        "..................",
        "..................",
    };
    auto inside = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < 18 && y < 18 && shape[y][x] == '#';
    };
    QImage img(18, 18, QImage::Format_ARGB32);
    img.fill(transparent);
    for (int y = 0; y < 18; ++y)
        for (int x = 0; x < 18; ++x) {
            if (!inside(x, y))
                continue;
            QRgb c = green;
            if (!inside(x, y - 1))
                c = lime;
            else if (!inside(x, y + 1))
                c = navy;
            img.setPixel(x, y, c);
        }
    return img;
}

// ----------------------------------------------------------------- mascot

namespace {

// One cartoon note head: a tilted black oval with a happy face on it.
void drawSmilingHead(QPainter& p, QPointF centre, double rx, double ry, double tilt) {
    p.save();
    p.translate(centre);
    p.rotate(tilt);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(black));
    p.drawEllipse(QPointF(0, 0), rx, ry);

    const double eyeDx = rx * 0.34, eyeY = -ry * 0.26;
    for (double side : {-1.0, 1.0}) {
        const QPointF eye(side * eyeDx, eyeY);
        p.setBrush(QColor(yellow));
        p.drawEllipse(eye, rx * 0.2, ry * 0.36);
        p.setBrush(QColor(blue));
        p.drawEllipse(eye + QPointF(rx * 0.04, ry * 0.08), rx * 0.11, rx * 0.11);
        p.setBrush(QColor(white));  // a glint makes the eyes shine
        p.drawEllipse(eye + QPointF(rx * 0.075, ry * 0.0), rx * 0.035, rx * 0.035);
    }

    // A wide smile: a crescent whose lower edge dips further than its upper one.
    const double w = rx * 0.5, top = ry * 0.22;
    QPainterPath smile;
    smile.moveTo(-w, top);
    smile.cubicTo(-w * 0.6, ry * 0.78, w * 0.6, ry * 0.78, w, top);
    smile.cubicTo(w * 0.5, ry * 0.44, -w * 0.5, ry * 0.44, -w, top);
    p.setBrush(QColor(red));
    p.setPen(QPen(QColor(red), rx * 0.07, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));  // rounds the corners
    p.drawPath(smile);
    p.restore();
}

}  // namespace

// A tall oval, white on the left and pale yellow on the right, with a black
// cartoon note over it: one stem, a flag, and two smiling heads.
QImage drawMascot() {
    QImage img(159, 232, QImage::Format_RGB32);
    img.fill(purple);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);

    const double splitX = 80;  // the oval's two colours meet at the stem's right edge
    QPainterPath oval;
    oval.addEllipse(QRectF(0.5, 0.5, 158, 231));
    QPainterPath rightHalf;
    rightHalf.addRect(QRectF(splitX, 0, 159 - splitX, 232));
    p.setBrush(QColor(white));
    p.drawPath(oval);
    p.setBrush(QColor(paleYellow));
    p.drawPath(oval.intersected(rightHalf));

    // Stem, 12 px wide, from the oval's top down to the lower head.
    p.setBrush(QColor(black));
    p.drawRoundedRect(QRectF(splitX - 12, 4, 12, 178), 3, 3);

    // Flag, running right and down from the stem's top.
    QPainterPath flag;
    flag.moveTo(splitX - 1, 5);
    flag.cubicTo(splitX + 16, 14, splitX + 38, 28, splitX + 34, 62);
    flag.cubicTo(splitX + 30, 42, splitX + 16, 34, splitX - 1, 32);
    flag.closeSubpath();
    p.drawPath(flag);

    drawSmilingHead(p, QPointF(112, 100), 34, 26, -22);  // right of the stem, halfway down
    drawSmilingHead(p, QPointF(44, 186), 38, 29, -22);   // at the stem's foot, past the oval
    return img;
}

// ------------------------------------------------------------------- face

// A black disc on purple with aqua eyes and a red smile. The page lays the
// pupils over the eyes as separate shapes, so the eyes here are plain.
// Hard-edged so that it keeps to the 16 standard colours.
QImage drawFace() {
    QImage img(100, 100, QImage::Format_RGB32);
    img.fill(purple);

    QPainterPath disc;
    disc.addEllipse(QRectF(0, 0, 100, 100));
    fillPixelCentres(img, disc, black);

    QPainterPath eyes;
    eyes.addEllipse(QRectF(24, 33, 15, 19));  // left eye, pixels x 24–38, y 33–51
    eyes.addEllipse(QRectF(60, 33, 14, 19));  // right eye, pixels x 60–73, y 33–51
    fillPixelCentres(img, eyes, aqua);

    // Mouth, pixels x 22–78, y 66–82: a thick arc with rounded corners.
    const QRectF mouthOval(50.5 - 25.8, 66 - 14, 2 * 25.8, 2 * 14);
    QPainterPath mouthLine;
    mouthLine.arcMoveTo(mouthOval, 191.5);
    mouthLine.arcTo(mouthOval, 191.5, 157);
    QPainterPathStroker pen;
    pen.setWidth(6);
    pen.setCapStyle(Qt::RoundCap);
    fillPixelCentres(img, pen.createStroke(mouthLine), red);
    return img;
}

// ------------------------------------------------------------ grand staff

namespace {

// Treble clef inside x 6–30, y 0–55: a spine from the tail up to a top loop,
// a thick sweep down across the spine into a spiral round the second line
// from the bottom (rows 35–36), and a tail curling left into a ball at
// x 6–9, y 49–52. Coordinates are picture coordinates; pixel (x, y) covers
// x..x+1, y..y+1.
void drawTrebleClef(InkCanvas& ink) {
    ink.clipTo(QRect(QPoint(6, 0), QPoint(30, 55)));
    ink.disc(8, 51, 2, 2);  // the ball
    ink.stroke({
        {8.6, 52.8, 1.8},  // leaving the ball
        {11, 54.8, 2.0},   // bottom of the tail
        {14.5, 54.2, 2.2},
        {16.8, 51, 2.2},
        {17.4, 46, 2.0},   // spine, rising
        {17.6, 38, 1.9},
        {17.8, 28, 1.9},
        {18.3, 18, 2.0},
        {19.2, 10, 2.2},
        {20.6, 4, 2.4},
        {22.8, 1.0, 2.4},  // top, 11 px above the top line
        {25.3, 2.6, 2.6},
        {26.2, 6.5, 3.0},
        {24.6, 11, 3.6},   // sweeping down across the spine
        {21, 15.5, 4.0},
        {16, 19.8, 4.4},
        {11.2, 25, 4.4},
        {8.8, 31, 4.0},    // left side of the spiral
        {9.2, 38, 3.4},
        {12.5, 42.4, 2.8},
        {18, 43.8, 2.6},   // its bottom
        {24, 42, 3.0},
        {27.6, 37, 3.6},   // its right side
        {27.2, 31.5, 3.2},
        {24, 28.2, 2.4},   // over the top and in
        {19, 28.2, 2.0},
        {15.2, 31.5, 1.9},
        {14.8, 35.5, 1.8},
        {16.5, 38, 1.6},
    });
}

// Bass clef inside x 10–36, y 80–106: a ball at x 10–15, y 88–91, a curve
// rising from it to row 80, falling along x 26–31 and tapering into a tail
// that ends on row 106, and two dots at x 33–36 either side of the second
// line from the top.
void drawBassClef(InkCanvas& ink) {
    ink.clipTo(QRect(QPoint(10, 80), QPoint(36, 106)));
    ink.disc(13, 90, 3, 2);  // the ball
    ink.stroke({
        {14.5, 88.6, 2.2},
        {16.5, 84.5, 2.2},
        {20.5, 81.5, 2.6},  // top, touching row 80
        {25.5, 82.0, 3.2},
        {28.6, 86, 4.6},
        {29, 91, 5.4},      // thickest, x 26–31
        {27.5, 96.5, 4.4},
        {23.5, 101, 3.2},
        {18, 104, 2.4},
        {12.5, 105.8, 1.6}, // tail end, row 106
    });
    ink.clipTo(QRect(QPoint(33, 81), QPoint(36, 84)));
    ink.disc(35, 83, 2, 2);
    ink.clipTo(QRect(QPoint(33, 89), QPoint(36, 92)));
    ink.disc(35, 91, 2, 2);
}

// Bold 3 over bold 4, each eight columns wide at x 39–46.
void drawTimeSignature(QImage& img) {
    const auto inks = {Ink{'#', black}};
    stamp(img, {39, 13}, {   // y 13–23
        ".######.",
        "##....##",
        "......##",
        "......##",
        "...####.",
        "...####.",
        "......##",
        "......##",
        "......##",
        "##....##",
        ".######.",
    }, inks);
    stamp(img, {39, 31}, {   // y 31–42
        ".....##.",
        "....###.",
        "...####.",
        "..##.##.",
        ".##..##.",
        "##...##.",
        "########",
        "########",
        ".....##.",
        ".....##.",
        ".....##.",
        ".....##.",
    }, inks);
}

}  // namespace

// Treble staff above bass staff, an opening line, two bar lines and the two
// clefs; the second variant adds 3/4 on the treble staff. Pure black and white.
QImage drawGrandStaff(bool withTimeSignature) {
    QImage img = whiteImage(343, 114);
    {
        QPainter p(&img);
        for (int row : {11, 19, 27, 35, 44, 78, 86, 94, 102, 111})
            p.fillRect(0, row, 343, 2, QColor(black));   // staff lines, 2 px
        for (int column : {0, 149, 304})
            p.fillRect(column, 11, 2, 102, QColor(black));  // rows 11–112
    }
    if (withTimeSignature)
        drawTimeSignature(img);
    InkCanvas ink(img);
    drawTrebleClef(ink);
    drawBassClef(ink);
    ink.commit();
    return img;
}

// ------------------------------------------------------------------ rests

// Quarter rest: a thin stroke down to the right into a wedge, back to the
// left, and a hook at the bottom open to the right with a thin tail.
QImage drawQuarterRest() {
    QImage img = whiteImage(20, 42);
    InkCanvas ink(img);
    ink.stroke({{4.2, 1.5, 1.5}, {7.5, 5.5, 2.0}, {10.5, 9.5, 2.8}});
    ink.polygon({{9.3, 8}, {16.6, 17.3}, {8.6, 25.8}, {4.3, 19.5}});  // the wedge, 11 px across
    ink.stroke({{8.4, 24.2, 3.2}, {11.5, 28.5, 3.6}, {14.5, 32.5, 3.8}});  // back to the left, then down
    ink.stroke({{14.5, 32.5, 3.2}, {9, 33, 3.2}, {5.6, 36.5, 3.0}, {6.8, 39.8, 2.4}, {10, 41.2, 1.6},
                {13, 40.8, 1.2}});
    ink.commit();
    return img;
}

// Eighth rest: a round blob at the top left whose stroke curls up to the top
// right, and from there a straight stroke down to the bottom-left corner.
QImage drawEighthRest() {
    QImage img = whiteImage(25, 49);
    InkCanvas ink(img);
    ink.disc(5, 6, 4, 4);  // pixels x 1–8
    ink.stroke({{7, 9.5, 2.6}, {12, 10.8, 2.4}, {17.5, 8.5, 2.4}, {22.5, 3, 2.4}});
    ink.stroke({{22.5, 3, 3.6}, {4, 47.5, 3.6}});
    ink.commit();
    return img;
}

// Sixteenth rest: the eighth rest with a second blob and curl 11 px lower,
// both joining one longer diagonal stroke.
QImage drawSixteenthRest() {
    QImage img = whiteImage(29, 55);
    InkCanvas ink(img);
    const double topX = 26.5, topY = 3, footX = 4, footY = 53.5;
    // The lower blob sits 11 rows down and as far left as the diagonal moves
    // in 11 rows (rounded so that both blobs cover whole pixels).
    const double lowerDx = std::round((footX - topX) * 11 / (footY - topY));
    for (auto [dx, dy] : {std::pair{0.0, 0.0}, std::pair{lowerDx, 11.0}}) {
        ink.disc(9 + dx, 6 + dy, 4, 4);
        ink.stroke({{11 + dx, 9.5 + dy, 2.6}, {16 + dx, 10.8 + dy, 2.4}, {21.5 + dx, 8.5 + dy, 2.4},
                    {topX + dx, topY + dy, 2.4}});
    }
    ink.stroke({{topX, topY, 3.6}, {footX, footY, 3.6}});
    ink.commit();
    return img;
}

// ------------------------------------------------------- the picture list

std::vector<Picture> allPictures() {
    return {
        {"icon.png", drawIcon()},
        {"okglyph.png", drawOkGlyph()},
        {"mascot.png", drawMascot()},
        {"face.png", drawFace()},
        {"grandstaff.png", drawGrandStaff(false)},
        {"grandstaff34.png", drawGrandStaff(true)},
        {"restis.png", drawQuarterRest()},
        {"restis8.png", drawEighthRest()},
        {"restis16.png", drawSixteenthRest()},
    };
}

}  // namespace assets
