// Corvalle Lyrabel — what the widget and picture tests share: the test main
// with the program's font set-up, and exact golden-image comparison.
#pragma once

#include "ui/fonts.h"
#include "ui/pagewindow.h"
#include "ui/snapshot.h"
#include "ui/widgets.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QString>
#include <QtTest>

// Like QTEST_MAIN, with the fonts set up as the program sets them up.
#define LYRABEL_TEST_MAIN(TestClass)                     \
    int main(int argc, char* argv[])                     \
    {                                                    \
        ui::prepareFontEnvironment();                    \
        QApplication app(argc, argv);                    \
        QApplication::setStyle(QStringLiteral("Fusion")); \
        ui::installFonts();                              \
        ui::prepareForSnapshots();                       \
        TestClass test;                                  \
        return QTest::qExec(&test, argc, argv);          \
    }

namespace testing {

// Compares `actual` with tests/golden/NAME.png pixel for pixel. On a mismatch
// writes NAME.actual.png and NAME.diff.png (differing pixels red) beside it and
// returns a description; returns an empty string on a match. With
// LYRABEL_UPDATE_GOLDEN=1 the expected picture is (re)written instead.
inline QString compareWithGolden(const QImage& actualImage, const QString& name)
{
    const QString dir = QStringLiteral(GOLDEN_DIR);
    const QString expectedPath = dir + u'/' + name + QStringLiteral(".png");
    const QImage actual = actualImage.convertToFormat(QImage::Format_RGB32);
    if (qEnvironmentVariable("LYRABEL_UPDATE_GOLDEN") == QLatin1String("1")) {
        QDir().mkpath(dir);
        actual.save(expectedPath);
        return {};
    }
    const QImage expected = QImage(expectedPath).convertToFormat(QImage::Format_RGB32);
    if (expected.isNull()) {
        actual.save(dir + u'/' + name + QStringLiteral(".actual.png"));
        return QStringLiteral("no golden image %1 (run with LYRABEL_UPDATE_GOLDEN=1 to create it)").arg(expectedPath);
    }
    if (expected.size() != actual.size()) {
        actual.save(dir + u'/' + name + QStringLiteral(".actual.png"));
        return QStringLiteral("%1: size %2x%3, expected %4x%5")
            .arg(name).arg(actual.width()).arg(actual.height()).arg(expected.width()).arg(expected.height());
    }
    QImage diff(actual.size(), QImage::Format_RGB32);
    int differing = 0;
    QPoint first(-1, -1);
    for (int y = 0; y < actual.height(); ++y) {
        for (int x = 0; x < actual.width(); ++x) {
            const QRgb a = actual.pixel(x, y), e = expected.pixel(x, y);
            if (a != e) {
                if (differing++ == 0)
                    first = QPoint(x, y);
                diff.setPixel(x, y, qRgb(255, 0, 0));
            } else {
                const int g = qGray(e) / 2 + 127;
                diff.setPixel(x, y, qRgb(g, g, g));
            }
        }
    }
    if (differing == 0)
        return {};
    actual.save(dir + u'/' + name + QStringLiteral(".actual.png"));
    diff.save(dir + u'/' + name + QStringLiteral(".diff.png"));
    return QStringLiteral("%1: %2 pixels differ, first at (%3,%4); see %1.diff.png")
        .arg(name).arg(differing).arg(first.x()).arg(first.y());
}

// Clicks a notebook's tab like a learner.
inline void clickTab(ui::Notebook* notebook, int index)
{
    QTest::mouseClick(notebook->strip(), Qt::LeftButton, {}, notebook->strip()->tabRect(index).center());
}

// A named element of a window; fails the test when there is none.
template <typename T>
T* child(ui::PageWindow* w, const QString& name)
{
    T* found = w->element<T>(name);
    if (!found)
        QTest::qFail(qPrintable("no element " + name), __FILE__, __LINE__);
    return found;
}

// The answer key on sheet `index` (0-based) of a worksheet with sheets.
inline ui::Notebook* keyOnSheet(ui::PageWindow* w, int index)
{
    auto* sheets = w->element<ui::Notebook>(QStringLiteral("Sheets"));
    return sheets ? sheets->page(index)->findChild<ui::Notebook*>(QStringLiteral("AnswerKey")) : nullptr;
}

}  // namespace testing

#define LYRABEL_COMPARE_GOLDEN(image, name)                                  \
    do {                                                                     \
        const QString mismatch_ = testing::compareWithGolden((image), (name)); \
        QVERIFY2(mismatch_.isEmpty(), qPrintable(mismatch_));                \
    } while (false)
