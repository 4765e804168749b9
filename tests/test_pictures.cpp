// Corvalle Lyrabel — the pictures in assets/: sizes, colours, the grand staff's
// exact rows, columns and boxes, and that the drawing code still makes them.
#include "../tools/assetpictures.h"

#include <QDir>
#include <QImage>
#include <QRect>
#include <QtTest>

#include <set>

namespace {

constexpr QRgb black = 0xFF000000, white = 0xFFFFFFFF;

QImage committed(const QString& file) {
    QImage img(QStringLiteral(SOURCE_DIR "/assets/") + file);
    return img.isNull() ? img : img.convertToFormat(QImage::Format_ARGB32);
}

QString rgbName(QRgb c) { return QColor::fromRgba(c).name(QColor::HexArgb); }

// ---- grand staff geometry, as the picture is described to the pages

const int lineRows[] = {11, 12, 19, 20, 27, 28, 35, 36, 44, 45,
                        78, 79, 86, 87, 94, 95, 102, 103, 111, 112};
const int barColumns[] = {0, 1, 149, 150, 304, 305};
const QRect trebleClefBox(QPoint(6, 0), QPoint(30, 55));
const QRect bassClefBox(QPoint(10, 80), QPoint(36, 106));
const QRect digitThreeBox(QPoint(39, 13), QPoint(46, 23));
const QRect digitFourBox(QPoint(39, 31), QPoint(46, 42));

bool isLineRow(int y) { return std::find(std::begin(lineRows), std::end(lineRows), y) != std::end(lineRows); }
bool isBarColumn(int x, int y) {
    return y >= 11 && y <= 112 &&
           std::find(std::begin(barColumns), std::end(barColumns), x) != std::end(barColumns);
}

// Black pixels that are not part of a staff line or a bar line: clefs and digits.
std::vector<QPoint> inkOffTheLines(const QImage& staff) {
    std::vector<QPoint> ink;
    for (int y = 0; y < staff.height(); ++y)
        for (int x = 0; x < staff.width(); ++x)
            if (staff.pixel(x, y) == black && !isLineRow(y) && !isBarColumn(x, y))
                ink.push_back({x, y});
    return ink;
}

bool anyInk(const std::vector<QPoint>& ink, const QRect& area) {
    return std::any_of(ink.begin(), ink.end(), [&](QPoint p) { return area.contains(p); });
}

bool allBlack(const QImage& img, const QRect& area) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (img.pixel(x, y) != black)
                return false;
    return true;
}

const std::set<QRgb> standardColours = {
    0xFF000000, 0xFF800000, 0xFF008000, 0xFF808000, 0xFF000080, 0xFF800080, 0xFF008080, 0xFF808080,
    0xFFC0C0C0, 0xFFFF0000, 0xFF00FF00, 0xFFFFFF00, 0xFF0000FF, 0xFFFF00FF, 0xFF00FFFF, 0xFFFFFFFF,
};

// Bounding box of the pixels of one colour inside an area.
QRect boxOf(const QImage& img, QRgb colour, const QRect& area) {
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (img.pixel(x, y) == colour)
                box |= QRect(x, y, 1, 1);
    return box;
}

}  // namespace

class TestPictures : public QObject {
    Q_OBJECT

private slots:
    void sizes_data();
    void sizes();
    void drawingCodeMakesTheCommittedPictures_data();
    void drawingCodeMakesTheCommittedPictures();
    void blackAndWhiteOnly_data();
    void blackAndWhiteOnly();

    void staffLinesRunFullWidth_data();
    void staffLinesRunFullWidth();
    void rowsBetweenLinesAreWhite_data();
    void rowsBetweenLinesAreWhite();
    void barLines_data();
    void barLines();
    void clefsAndDigitsStayInTheirBoxes_data();
    void clefsAndDigitsStayInTheirBoxes();
    void trebleClefLandmarks();
    void bassClefLandmarks();
    void timeSignatureFillsItsBoxes();
    void variantsDifferOnlyInTheDigits();

    void restsMatchTheirDescriptions();
    void iconKeepsToStandardColours();
    void okGlyphIsALitGreenTick();
    void faceFeaturesSitInTheirBoxes();
    void mascotGroundAndNote();
};

// ------------------------------------------------------------ every picture

void TestPictures::sizes_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QSize>("size");
    QTest::newRow("icon") << "icon.png" << QSize(32, 32);
    QTest::newRow("okglyph") << "okglyph.png" << QSize(18, 18);
    QTest::newRow("mascot") << "mascot.png" << QSize(159, 232);
    QTest::newRow("face") << "face.png" << QSize(100, 100);
    QTest::newRow("grandstaff") << "grandstaff.png" << QSize(343, 114);
    QTest::newRow("grandstaff34") << "grandstaff34.png" << QSize(343, 114);
    QTest::newRow("restis") << "restis.png" << QSize(20, 42);
    QTest::newRow("restis8") << "restis8.png" << QSize(25, 49);
    QTest::newRow("restis16") << "restis16.png" << QSize(29, 55);
}

void TestPictures::sizes() {
    QFETCH(QString, file);
    QFETCH(QSize, size);
    const QImage img = committed(file);
    QVERIFY2(!img.isNull(), qPrintable("cannot load " + file));
    QCOMPARE(img.size(), size);
}

void TestPictures::drawingCodeMakesTheCommittedPictures_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QImage>("drawn");
    for (const assets::Picture& p : assets::allPictures())
        QTest::newRow(p.file) << QString::fromLatin1(p.file) << p.image;
}

// The PNGs must be the generator's output, so that a change to the drawing
// code is never left without redrawn pictures (or the other way round).
void TestPictures::drawingCodeMakesTheCommittedPictures() {
    QFETCH(QString, file);
    QFETCH(QImage, drawn);
    const QImage expected = committed(file);
    QVERIFY(!expected.isNull());
    const QImage actual = drawn.convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(actual.size(), expected.size());
    QImage diff(actual.size(), QImage::Format_RGB32);
    diff.fill(white);
    int differing = 0;
    for (int y = 0; y < actual.height(); ++y)
        for (int x = 0; x < actual.width(); ++x)
            if (actual.pixel(x, y) != expected.pixel(x, y)) {
                diff.setPixel(x, y, 0xFFFF0000);
                ++differing;
            }
    if (differing > 0) {
        const QString stem = QDir::current().filePath(QFileInfo(file).completeBaseName());
        actual.save(stem + ".actual.png");
        diff.save(stem + ".diff.png");
        QFAIL(qPrintable(QString("%1 pixels differ; see %2.actual.png and %2.diff.png; "
                                 "run draw-assets on assets/ if the drawing was changed on purpose")
                             .arg(differing)
                             .arg(stem)));
    }
}

void TestPictures::blackAndWhiteOnly_data() {
    QTest::addColumn<QString>("file");
    for (const char* f : {"grandstaff.png", "grandstaff34.png", "restis.png", "restis8.png", "restis16.png"})
        QTest::newRow(f) << QString::fromLatin1(f);
}

void TestPictures::blackAndWhiteOnly() {
    QFETCH(QString, file);
    const QImage img = committed(file);
    QVERIFY(!img.isNull());
    int blacks = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb c = img.pixel(x, y);
            if (c != black && c != white)
                QFAIL(qPrintable(QString("pixel (%1, %2) is %3").arg(x).arg(y).arg(rgbName(c))));
            blacks += c == black;
        }
    QVERIFY2(blacks > 0, "picture is blank");
}

// ------------------------------------------------------------- grand staff

void TestPictures::staffLinesRunFullWidth_data() {
    QTest::addColumn<QString>("file");
    QTest::newRow("plain") << "grandstaff.png";
    QTest::newRow("3/4") << "grandstaff34.png";
}

void TestPictures::staffLinesRunFullWidth() {
    QFETCH(QString, file);
    const QImage img = committed(file);
    for (int y : lineRows)
        for (int x = 0; x < 343; ++x)
            if (img.pixel(x, y) != black)
                QFAIL(qPrintable(QString("line row %1 is not black at x %2").arg(y).arg(x)));
    for (int x = 0; x < 343; ++x)
        QVERIFY2(img.pixel(x, 113) == white, qPrintable(QString("row 113 at x %1").arg(x)));
}

void TestPictures::rowsBetweenLinesAreWhite_data() { staffLinesRunFullWidth_data(); }

// Away from the clefs and bar lines every row that is not a line row is white,
// so a staff reads as exactly five 2-px lines.
void TestPictures::rowsBetweenLinesAreWhite() {
    QFETCH(QString, file);
    const QImage img = committed(file);
    const std::pair<int, int> spans[] = {{60, 140}, {160, 295}, {315, 342}};
    for (int y = 0; y < 114; ++y) {
        if (isLineRow(y))
            continue;
        for (auto [from, to] : spans)
            for (int x = from; x <= to; ++x)
                if (img.pixel(x, y) != white)
                    QFAIL(qPrintable(QString("row %1 is not white at x %2").arg(y).arg(x)));
    }
}

void TestPictures::barLines_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("left");  // first of the line's two columns
    for (const char* f : {"grandstaff.png", "grandstaff34.png"})
        for (int left : {0, 149, 304})
            QTest::addRow("%s x%d", f, left) << QString::fromLatin1(f) << left;
}

void TestPictures::barLines() {
    QFETCH(QString, file);
    QFETCH(int, left);
    const QImage img = committed(file);
    for (int x : {left, left + 1}) {
        for (int y = 0; y < 114; ++y) {
            const bool inLine = y >= 11 && y <= 112;
            if ((img.pixel(x, y) == black) != inLine)
                QFAIL(qPrintable(QString("column %1 row %2 should be %3").arg(x).arg(y).arg(inLine ? "black" : "white")));
        }
    }
    // Beside the line, in the gap between the staffs, the picture is white:
    // the line is exactly two columns wide and stands alone.
    for (int x : {left - 1, left + 2}) {
        if (x < 0)
            continue;
        for (int y = 46; y <= 77; ++y)
            QVERIFY2(img.pixel(x, y) == white, qPrintable(QString("column %1 row %2").arg(x).arg(y)));
    }
}

void TestPictures::clefsAndDigitsStayInTheirBoxes_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("digits");
    QTest::newRow("plain") << "grandstaff.png" << false;
    QTest::newRow("3/4") << "grandstaff34.png" << true;
}

void TestPictures::clefsAndDigitsStayInTheirBoxes() {
    QFETCH(QString, file);
    QFETCH(bool, digits);
    const QImage img = committed(file);
    for (QPoint p : inkOffTheLines(img)) {
        const bool allowed = trebleClefBox.contains(p) || bassClefBox.contains(p) ||
                             (digits && (digitThreeBox.contains(p) || digitFourBox.contains(p)));
        if (!allowed)
            QFAIL(qPrintable(QString("stray black pixel at (%1, %2)").arg(p.x()).arg(p.y())));
    }
    const std::vector<QPoint> ink = inkOffTheLines(img);
    QVERIFY(anyInk(ink, trebleClefBox));
    QVERIFY(anyInk(ink, bassClefBox));
    QCOMPARE(anyInk(ink, digitThreeBox), digits);
    QCOMPARE(anyInk(ink, digitFourBox), digits);
}

void TestPictures::trebleClefLandmarks() {
    const QImage img = committed("grandstaff.png");
    const std::vector<QPoint> ink = inkOffTheLines(img);
    // Top 11 px above the top line, tail down to row 55.
    QVERIFY2(anyInk(ink, QRect(6, 0, 25, 1)), "nothing on row 0");
    QVERIFY2(anyInk(ink, QRect(6, 55, 25, 1)), "nothing on row 55");
    // Ball at x 6–9, y 49–52: solid in the middle, reaching column 6 there and
    // nowhere else (it is the clef's leftmost point).
    QVERIFY(allBlack(img, QRect(7, 50, 2, 2)));
    for (QPoint p : ink)
        if (p.x() == 6)
            QVERIFY2(p.y() >= 49 && p.y() <= 52, qPrintable(QString("column 6 at row %1").arg(p.y())));
    QVERIFY(anyInk(ink, QRect(6, 49, 1, 4)));
    // The loop curls round rows 35–36: ink both left and right of the
    // spine on the rows just above and below that line.
    for (int y : {33, 38}) {
        QVERIFY2(anyInk(ink, QRect(6, y, 9, 1)), qPrintable(QString("no left side on row %1").arg(y)));
        QVERIFY2(anyInk(ink, QRect(23, y, 8, 1)), qPrintable(QString("no right side on row %1").arg(y)));
    }
}

void TestPictures::bassClefLandmarks() {
    const QImage img = committed("grandstaff.png");
    const std::vector<QPoint> ink = inkOffTheLines(img);
    QVERIFY2(anyInk(ink, QRect(10, 80, 27, 1)), "curve does not reach row 80");
    QVERIFY2(anyInk(ink, QRect(10, 106, 27, 1)), "tail does not reach row 106");
    // Ball at x 10–15, y 88–91.
    QVERIFY(allBlack(img, QRect(11, 89, 4, 2)));
    QVERIFY(anyInk(ink, QRect(10, 88, 1, 4)));
    QVERIFY(anyInk(ink, QRect(15, 88, 1, 4)));
    for (QPoint p : ink)
        if (p.x() == 10 && p.y() >= 80)
            QVERIFY2(p.y() >= 88 && p.y() <= 91, qPrintable(QString("column 10 at row %1").arg(p.y())));
    // The falling curve along x 26–31: on the rows below the ball's line it
    // is the only ink right of the ball, and it spans those columns.
    QCOMPARE(boxOf(img, black, QRect(16, 89, 17, 4)).left(), 26);
    QCOMPARE(boxOf(img, black, QRect(16, 89, 17, 4)).right(), 31);
    // Two dots at x 33–36, rows 81–84 and 89–92, standing free of the curve
    // and of each other.
    for (int top : {81, 89}) {
        QVERIFY(allBlack(img, QRect(34, top + 1, 2, 2)));
        QCOMPARE(boxOf(img, black, QRect(33, top, 4, 4)), QRect(33, top, 4, 4));
    }
    for (QPoint p : ink)
        if (bassClefBox.contains(p) && p.x() >= 32)
            QVERIFY2((p.y() >= 81 && p.y() <= 84) || (p.y() >= 89 && p.y() <= 92),
                     qPrintable(QString("dot ink at (%1, %2)").arg(p.x()).arg(p.y())));
    QVERIFY(!anyInk(ink, QRect(32, 80, 1, 27)));
}

void TestPictures::timeSignatureFillsItsBoxes() {
    const QImage img = committed("grandstaff34.png");
    const std::vector<QPoint> ink = inkOffTheLines(img);
    for (const QRect& box : {digitThreeBox, digitFourBox}) {
        // The digit touches all four edges of its box (line rows aside).
        QVERIFY(anyInk(ink, QRect(box.left(), box.top(), box.width(), 1)));
        QVERIFY(anyInk(ink, QRect(box.left(), box.bottom(), box.width(), 1)));
        QVERIFY(anyInk(ink, QRect(box.left(), box.top(), 1, box.height())));
        QVERIFY(anyInk(ink, QRect(box.right(), box.top(), 1, box.height())));
    }
    // Nothing on the bass staff beyond its clef.
    for (QPoint p : ink)
        if (p.y() >= 46)
            QVERIFY(bassClefBox.contains(p) || trebleClefBox.contains(p));
}

void TestPictures::variantsDifferOnlyInTheDigits() {
    const QImage plain = committed("grandstaff.png");
    const QImage withDigits = committed("grandstaff34.png");
    int differing = 0;
    for (int y = 0; y < 114; ++y)
        for (int x = 0; x < 343; ++x)
            if (plain.pixel(x, y) != withDigits.pixel(x, y)) {
                QVERIFY2(digitThreeBox.contains(x, y) || digitFourBox.contains(x, y),
                         qPrintable(QString("variants differ at (%1, %2)").arg(x).arg(y)));
                ++differing;
            }
    QVERIFY(differing > 20);
}

// ------------------------------------------------------------------- rests

void TestPictures::restsMatchTheirDescriptions() {
    // Quarter rest: its widest row, the wedge, is 11 px across.
    const QImage quarter = committed("restis.png");
    int widest = 0;
    for (int y = 0; y < quarter.height(); ++y) {
        const QRect row = boxOf(quarter, black, QRect(0, y, quarter.width(), 1));
        widest = std::max(widest, row.width());
    }
    QCOMPARE(widest, 11);
    // Its hook at the bottom opens to the right: on the hook's middle row the
    // ink is at the left and the right of the row is white.
    const QRect hook = boxOf(quarter, black, QRect(0, 35, 20, 4));
    QVERIFY(hook.left() <= 7);
    QVERIFY(hook.right() <= 10);

    // Eighth and sixteenth rests: solid 8-px blobs at the left, a stroke
    // reaching the top right, and the diagonal ending in the bottom-left corner.
    struct Rest { const char* file; std::vector<int> blobRows; };
    for (const Rest& r : {Rest{"restis8.png", {6}}, Rest{"restis16.png", {6, 17}}}) {
        const QImage img = committed(r.file);
        const int w = img.width(), h = img.height();
        int blobLeft = w;
        for (int y : r.blobRows) {
            const QRect blob = boxOf(img, black, QRect(0, y, w / 2, 1));
            QVERIFY2(blob.width() == 8, qPrintable(QString("%1: blob on row %2 is %3 wide").arg(r.file).arg(y).arg(blob.width())));
            QVERIFY(blob.left() < blobLeft);  // a lower blob sits further left
            blobLeft = blob.left();
        }
        QVERIFY2(boxOf(img, black, QRect(w - 5, 0, 5, 4)).isValid(), r.file);
        QVERIFY2(boxOf(img, black, QRect(0, h - 3, 8, 3)).isValid(), r.file);
        QVERIFY2(!boxOf(img, black, QRect(w / 2, h - 8, w - w / 2, 8)).isValid(), r.file);
    }
}

// ------------------------------------------------------ icon, glyph, faces

void TestPictures::iconKeepsToStandardColours() {
    const QImage icon = committed("icon.png");
    std::set<QRgb> used;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const QRgb c = icon.pixel(x, y);
            QVERIFY2(standardColours.count(c), qPrintable(QString("(%1, %2) is %3").arg(x).arg(y).arg(rgbName(c))));
            used.insert(c);
        }
    // The mascot's colours: staff (white, black), grounds (fuchsia, yellow),
    // eyes (aqua) and smiles (red).
    for (QRgb c : {0xFF000000u, 0xFFFFFFFFu, 0xFFFF00FFu, 0xFFFFFF00u, 0xFF00FFFFu, 0xFFFF0000u})
        QVERIFY2(used.count(c), qPrintable(rgbName(c)));
    // A stem 4 px wide from the top edge, left of the middle.
    QCOMPARE(boxOf(icon, black, QRect(8, 0, 16, 1)), QRect(12, 0, 4, 1));
    QCOMPARE(icon.pixel(31, 0), 0xFFFF00FFu);   // top right fuchsia
    QCOMPARE(icon.pixel(31, 31), 0xFFFFFF00u);  // bottom right yellow
    QCOMPARE(icon.pixel(0, 31), 0xFFFF00FFu);   // bottom left fuchsia
}

void TestPictures::okGlyphIsALitGreenTick() {
    const QImage glyph = committed("okglyph.png");
    constexpr QRgb lime = 0xFF00FF00, green = 0xFF008000, navy = 0xFF000080;
    int greens = 0;
    for (int x = 0; x < 18; ++x) {
        int top = -1, bottom = -1;
        for (int y = 0; y < 18; ++y) {
            const QRgb c = glyph.pixel(x, y);
            if (qAlpha(c) == 0)
                continue;
            QVERIFY2(c == lime || c == green || c == navy, qPrintable(rgbName(c)));
            greens += c == green;
            if (top < 0)
                top = y;
            bottom = y;
        }
        if (top >= 0) {  // lit from above: light green on top, navy below
            QCOMPARE(glyph.pixel(x, top), lime);
            if (bottom > top)
                QCOMPARE(glyph.pixel(x, bottom), navy);
        }
    }
    QVERIFY(greens >= 15);
    QCOMPARE(qAlpha(glyph.pixel(0, 0)), 0);  // the button face shows around it
}

void TestPictures::faceFeaturesSitInTheirBoxes() {
    const QImage face = committed("face.png");
    constexpr QRgb aqua = 0xFF00FFFF, red = 0xFFFF0000, purple = 0xFF800080;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x)
            QVERIFY2(standardColours.count(face.pixel(x, y)), qPrintable(QString("(%1, %2)").arg(x).arg(y)));
    QCOMPARE(boxOf(face, aqua, QRect(0, 0, 50, 100)), QRect(QPoint(24, 33), QPoint(38, 51)));
    QCOMPARE(boxOf(face, aqua, QRect(50, 0, 50, 100)), QRect(QPoint(60, 33), QPoint(73, 51)));
    QCOMPARE(boxOf(face, red, face.rect()), QRect(QPoint(22, 66), QPoint(78, 82)));
    QCOMPARE(face.pixel(0, 0), purple);
    QCOMPARE(face.pixel(99, 99), purple);
    QCOMPARE(face.pixel(50, 5), black);
    QCOMPARE(face.pixel(5, 50), black);
    // The page lays 9-px pupils at picture x 28–36 and 64–72, y 40–48; their
    // outer pixels must land on aqua so each pupil is ringed by its eye.
    for (int left : {28, 64})
        for (QPoint p : {QPoint(left + 4, 40), QPoint(left + 4, 48), QPoint(left, 44), QPoint(left + 8, 44)})
            QVERIFY2(face.pixel(p) == aqua, qPrintable(QString("(%1, %2)").arg(p.x()).arg(p.y())));
}

void TestPictures::mascotGroundAndNote() {
    const QImage mascot = committed("mascot.png");
    constexpr QRgb purple = 0xFF800080, paleYellow = 0xFFFFFF80;
    for (QPoint corner : {QPoint(0, 0), QPoint(158, 0), QPoint(0, 231), QPoint(158, 231)})
        QCOMPARE(mascot.pixel(corner), purple);
    QCOMPARE(mascot.pixel(20, 60), white);        // oval, left half
    QCOMPARE(mascot.pixel(140, 150), paleYellow); // oval, right half
    QCOMPARE(mascot.pixel(2, 116), white);        // the oval fills the picture's width
    QCOMPARE(mascot.pixel(156, 116), paleYellow);
    // The stem: 12 px of black across, from near the top to the lower head.
    for (int y : {40, 60, 140}) {
        const QRect row = boxOf(mascot, black, QRect(55, y, 30, 1));
        QCOMPARE(row.width(), 12);
    }
    // The lower head reaches past the oval onto the purple ground.
    QCOMPARE(mascot.pixel(8, 190), black);
    // The faces' colours: yellow eyes, blue pupils, red smiles.
    std::set<QRgb> used;
    for (int y = 0; y < 232; ++y)
        for (int x = 0; x < 159; ++x)
            used.insert(mascot.pixel(x, y));
    for (QRgb c : {0xFFFFFF00u, 0xFF0000FFu, 0xFFFF0000u})
        QVERIFY2(used.count(c), qPrintable(rgbName(c)));
}

QTEST_GUILESS_MAIN(TestPictures)
#include "test_pictures.moc"
