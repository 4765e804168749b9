// Corvalle Lyrabel — font set-up and the line-height table.
#include "fonts.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QHash>
#include <QGuiApplication>
#include <QPalette>

#include <array>
#include <cmath>
#include <cstdlib>

namespace ui {

namespace {

const char* designName(Family f)
{
    switch (f) {
    case Family::TimesNewRoman: return "Times New Roman";
    case Family::Arial: return "Arial";
    case Family::MsSansSerif: return "MS Sans Serif";
    }
    return "MS Sans Serif";
}

QString msSansFamily;  // family name of the loaded bitmap face, if any

// Line heights of the design's fonts (GDI text metrics at 96 dpi). Qt's own
// height() rounds ascent and descent differently, so the design's values are
// kept here; sizes not listed fall back to the family's usual ratio.
struct LineHeight { Family family; int px; int height; int boldHeight; };
constexpr std::array lineHeights{
    //         family              px  line  bold line
    LineHeight{Family::TimesNewRoman, 11, 14, 14},
    LineHeight{Family::TimesNewRoman, 13, 15, 15},
    LineHeight{Family::TimesNewRoman, 15, 17, 17},
    LineHeight{Family::TimesNewRoman, 16, 19, 19},
    LineHeight{Family::TimesNewRoman, 17, 19, 20},
    LineHeight{Family::TimesNewRoman, 19, 21, 22},
    LineHeight{Family::TimesNewRoman, 21, 23, 24},
    LineHeight{Family::TimesNewRoman, 24, 27, 27},
    LineHeight{Family::TimesNewRoman, 27, 31, 31},
    LineHeight{Family::TimesNewRoman, 29, 32, 32},
    LineHeight{Family::TimesNewRoman, 48, 54, 54},
    LineHeight{Family::TimesNewRoman, 64, 73, 73},
    LineHeight{Family::Arial,         11, 14, 14},
    LineHeight{Family::Arial,         13, 16, 16},
    LineHeight{Family::Arial,         15, 17, 18},
    LineHeight{Family::Arial,         16, 18, 18},
    LineHeight{Family::Arial,         17, 19, 19},
    LineHeight{Family::Arial,         19, 22, 22},
    LineHeight{Family::Arial,         21, 24, 24},
    LineHeight{Family::Arial,         32, 36, 36},
    LineHeight{Family::MsSansSerif,   11, 13, 13},
};

// Family, size and style (the colour does not change the glyphs).
quint64 fontKey(const Font& f)
{
    return (quint64(f.family) << 40) | (quint64(f.px) << 8) | (f.bold ? 2 : 0) | (f.italic ? 1 : 0);
}

}  // namespace

void prepareFontEnvironment()
{
    // Without v35 hinting FreeType's advances differ from GDI's by up to a pixel a glyph.
    setenv("FREETYPE_PROPERTIES", "truetype:interpreter-version=35", 1);
}

void installFonts()
{
    const char* bitmapFace = "/usr/share/wine/fonts/ms_sans_serif.ttf";
    if (QFile::exists(bitmapFace)) {
        const int id = QFontDatabase::addApplicationFont(bitmapFace);
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        if (!families.isEmpty())
            msSansFamily = families.first();
    }
    // Pin the names so other installed look-alikes cannot take them over.
    QFont::insertSubstitution("Times New Roman", "Liberation Serif");
    QFont::insertSubstitution("Arial", "Liberation Sans");
    QFont::insertSubstitution("MS Sans Serif",
                              msSansFamily.isEmpty() ? QStringLiteral("Liberation Sans") : msSansFamily);
}

QString substituteFamily(Family f)
{
    switch (f) {
    case Family::TimesNewRoman: return QStringLiteral("Liberation Serif");
    case Family::Arial: return QStringLiteral("Liberation Sans");
    case Family::MsSansSerif:
        return msSansFamily.isEmpty() ? QStringLiteral("Liberation Sans") : msSansFamily;
    }
    return {};
}

QFont toQFont(const Font& f)
{
    // Pages use a few dozen fonts many times over: resolve each once.
    static QHash<quint64, QFont> cache;
    const quint64 key = fontKey(f);
    if (auto it = cache.constFind(key); it != cache.constEnd())
        return *it;
    QFont q(substituteFamily(f.family));
    q.setPixelSize(f.px);
    q.setBold(f.bold);
    q.setItalic(f.italic);
    q.setKerning(false);
    q.setHintingPreference(QFont::PreferFullHinting);
    q.setStyleStrategy(QFont::NoFontMerging);
    cache.insert(key, q);
    return q;
}

int lineHeight(const Font& f)
{
    for (const LineHeight& l : lineHeights)
        if (l.family == f.family && l.px == f.px)
            return f.bold ? l.boldHeight : l.height;
    // The bitmap face has one 13-px line for every small size.
    if (f.family == Family::MsSansSerif && f.px <= 13)
        return 13;
    return static_cast<int>(std::lround(f.px * 1.15));
}

int textWidth(const Font& f, const std::string& text)
{
    static QHash<quint64, QFontMetrics> metrics;
    const quint64 key = fontKey(f);
    auto it = metrics.find(key);
    if (it == metrics.end())
        it = metrics.insert(key, QFontMetrics(toQFont(f)));
    return it->horizontalAdvance(QString::fromStdString(text));
}

QColor toQColor(Colour c)
{
    if (c.system == SystemColour::None)
        return QColor::fromRgb(c.rgb);
    const QPalette pal = QGuiApplication::palette();
    switch (c.system) {
    case SystemColour::Window: return pal.color(QPalette::Base);
    case SystemColour::WindowText: return pal.color(QPalette::Text);
    case SystemColour::ButtonFace: return pal.color(QPalette::Button);
    case SystemColour::ButtonText: return pal.color(QPalette::ButtonText);
    case SystemColour::None: break;
    }
    return Qt::black;
}

}  // namespace ui
