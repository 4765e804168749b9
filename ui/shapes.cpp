// Corvalle Lyrabel — pixel-exact painting of shapes, labels and pictures.
//
// Shapes are rasterised here row by row rather than with QPainter's pens, so
// that the outline rule holds to the pixel: the outline of width p covers the
// outermost p pixels of the box (or of a circle's square), and a box whose
// smaller side is at most 2p is solid outline colour across that side.
#include "shapes.h"

#include "fonts.h"

#include <QHash>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <optional>

namespace ui {

namespace {

// Horizontal extent [left, right] (inclusive) of a row inside a form.
using Span = std::optional<std::pair<int, int>>;

// The pixels of row `row` (0-based inside a w×h box) whose centres lie inside the ellipse
// inscribed in the box.
Span ellipseSpan(int w, int h, int row)
{
    if (w <= 0 || h <= 0 || row < 0 || row >= h)
        return std::nullopt;
    const double a = w / 2.0, b = h / 2.0;
    const double dy = (row + 0.5 - b) / b;
    if (std::abs(dy) > 1.0)
        return std::nullopt;
    const double half = a * std::sqrt(1.0 - dy * dy);
    const int left = static_cast<int>(std::ceil(a - half - 0.5));
    const int right = static_cast<int>(std::floor(a + half - 0.5));
    if (right < left)
        return std::nullopt;
    return std::pair{std::max(0, left), std::min(w - 1, right)};
}

// Row span of a w×h rectangle whose corners are rounded by ellipses cw×ch.
Span roundRectSpan(int w, int h, int cw, int ch, int row)
{
    if (w <= 0 || h <= 0 || row < 0 || row >= h)
        return std::nullopt;
    cw = std::min(cw, w);
    ch = std::min(ch, h);
    int inset = 0;
    const int halfH = ch / 2;
    int cornerRow = -1;  // row within the corner ellipse, if this row is in a corner
    if (row < halfH)
        cornerRow = row;
    else if (row >= h - halfH)
        cornerRow = ch - (h - row);
    if (cornerRow >= 0 && cw > 0 && ch > 0) {
        Span s = ellipseSpan(cw, ch, cornerRow);
        if (!s)
            return std::nullopt;
        inset = s->first;
    }
    return std::pair{inset, w - 1 - inset};
}

Span formSpan(ShapeForm form, int w, int h, int roundness, int row)
{
    switch (form) {
    case ShapeForm::Rectangle:
        if (w <= 0 || row < 0 || row >= h)
            return std::nullopt;
        return std::pair{0, w - 1};
    case ShapeForm::Circle:
    case ShapeForm::Ellipse:
        return ellipseSpan(w, h, row);
    case ShapeForm::RoundRect:
        return roundRectSpan(w, h, roundness, roundness, row);
    }
    return std::nullopt;
}

}  // namespace

void paintShape(QPainter& p, const Element& e, QPoint windowOrigin)
{
    const int pw = std::clamp(e.outlineWidth, 1, 5);
    // The path runs p/2 inside the box, W × H; the outline is centred on it.
    const int W = e.box.w - pw + 1;
    const int H = e.box.h - pw + 1;
    if (e.box.w <= 0 || e.box.h <= 0)
        return;

    // Outer box actually covered by the form.
    int ox = e.box.x, oy = e.box.y, ow = e.box.w, oh = e.box.h;
    int roundness = 0;
    if (e.form == ShapeForm::Circle) {
        const int S = std::min(W, H);
        ox += (W - S) / 2;
        oy += (H - S) / 2;
        ow = oh = S + pw - 1;
    } else if (e.form == ShapeForm::RoundRect) {
        roundness = std::max(0, std::min(W, H)) / 4;
    }

    const QColor outline = toQColor(e.outline);
    const QColor fill = toQColor(e.fill);
    const int iw = ow - 2 * pw, ih = oh - 2 * pw;  // inner form, inside the outline
    const int innerRoundness = std::max(0, roundness - 2 * pw);

    for (int row = 0; row < oh; ++row) {
        const Span outer = formSpan(e.form, ow, oh, roundness, row);
        if (!outer)
            continue;
        const int y = oy + row;
        const Span inner = formSpan(e.form, iw, ih, innerRoundness, row - pw);
        if (!inner) {
            p.fillRect(ox + outer->first, y, outer->second - outer->first + 1, 1, outline);
            continue;
        }
        const int innerLeft = ox + pw + inner->first;
        const int innerRight = ox + pw + inner->second;
        p.fillRect(ox + outer->first, y, std::max(0, innerLeft - (ox + outer->first)), 1, outline);
        p.fillRect(innerRight + 1, y, std::max(0, ox + outer->second - innerRight), 1, outline);
        const bool hatchRow = ((windowOrigin.y() + y) % 8 + 8) % 8 == 3;
        if (e.fillStyle == FillStyle::Solid || (e.fillStyle == FillStyle::HorizontalHatch && hatchRow))
            p.fillRect(innerLeft, y, innerRight - innerLeft + 1, 1, fill);
    }
}

void paintLabel(QPainter& p, const Element& e, const Font& font, Colour background)
{
    const QRect box(e.box.x, e.box.y, e.box.w, e.box.h);
    p.fillRect(box, toQColor(background));
    p.save();
    p.setClipRect(box, Qt::IntersectClip);
    const QFont qf = toQFont(font);
    p.setFont(qf);
    p.setPen(toQColor(font.colour));
    p.drawText(box.x(), box.y() + QFontMetrics(qf).ascent(), QString::fromStdString(e.caption));
    p.restore();
}

void paintPicture(QPainter& p, const Element& e)
{
    // Pictures are fixed assets: decode each once.
    static QHash<QString, QImage> cache;
    const QString name = QString::fromStdString(e.image);
    auto it = cache.find(name);
    if (it == cache.end())
        it = cache.insert(name, QImage(QStringLiteral(":/assets/%1.png").arg(name)));
    const QImage& img = *it;
    if (img.isNull())
        return;
    const QRect box(e.box.x, e.box.y, e.box.w, e.box.h);
    p.save();
    p.setClipRect(box, Qt::IntersectClip);
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    if (e.stretch)
        p.drawImage(box, img);
    else
        p.drawImage(box.topLeft(), img);
    p.restore();
}

}  // namespace ui
