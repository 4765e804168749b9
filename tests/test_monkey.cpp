// Corvalle Lyrabel — a learner who presses anything: thousands of seeded
// random clicks, keys and pasted texts across the open windows. Nothing may
// crash or hang, every window stays in a valid state, and no error is
// reported except printing ones.
#include "support.h"

#include "app/windowset.h"
#include "ui/errorbox.h"
#include "ui/pagewindow.h"
#include "ui/printing.h"
#include "ui/widgets.h"

#include <QClipboard>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QTemporaryDir>

using namespace ui;

class MonkeyTest : public QObject {
    Q_OBJECT

private slots:
    void randomInputLeavesEveryWindowSound();
};

void MonkeyTest::randomInputLeavesEveryWindowSound()
{
    QTemporaryDir dir;
    setPrinterSource(std::make_unique<PdfFilePrinter>(dir.filePath(QStringLiteral("page.pdf"))));
    QStringList errors;
    setErrorWatcher([&](const QString& e) { errors << e; }, false);

    app::WindowSet set;
    for (const auto& w : set.windows())
        w->showWindow();
    QRandomGenerator random(20261211);
    const Qt::Key keys[] = {Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space,
                            Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_Home, Qt::Key_End,
                            Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_A, Qt::Key_W, Qt::Key_3, Qt::Key_NumberSign};
    const QString pastes[] = {QString(5000, u'x'), QStringLiteral("D F# A\nC E G"), QStringLiteral("\t\u266f\u266d\U0001F3B5"),
                              QString(), QStringLiteral("&Welcome")};
    int prints = 0;
    for (int step = 0; step < 3000; ++step) {
        PageWindow* w = set.windows()[random.bounded(int(set.windows().size()))].get();
        if (!w->isVisible())
            w->showWindow();
        // Widgets under a random point of the client area.
        const QPoint at(random.bounded(w->width()), random.bounded(w->height()));
        QWidget* target = w->childAt(at);
        if (!target)
            target = w;
        switch (random.bounded(6)) {
        case 0:
        case 1:
            if (auto* b = qobject_cast<QPushButton*>(target); b && b->objectName() == QLatin1String("BitBtn1")) {
                if (++prints > 6)  // a few real prints are enough
                    break;
            }
            QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(w, at));
            break;
        case 2:
        case 3: {
            QWidget* focus = QApplication::focusWidget() ? QApplication::focusWidget() : target;
            const Qt::Key key = keys[random.bounded(int(std::size(keys)))];
            QTest::keyClick(focus, key, random.bounded(8) == 0 ? Qt::AltModifier : Qt::NoModifier);
            break;
        }
        case 4:
            if (auto* edit = qobject_cast<QLineEdit*>(target)) {
                edit->setFocus();
                QGuiApplication::clipboard()->setText(pastes[random.bounded(int(std::size(pastes)))]);
                edit->paste();
            }
            break;
        case 5:
            if (random.bounded(10) == 0)
                w->close();
            break;
        }
    }

    // The monkey really reached things: fields hold text, pages moved, a page was printed.
    int filled = 0, moved = 0;
    for (const auto& w : set.windows()) {
        for (QLineEdit* e : w->findChildren<QLineEdit*>())
            filled += e->text().isEmpty() ? 0 : 1;
        for (Notebook* nb : w->findChildren<Notebook*>())
            moved += nb->currentIndex() != 0 ? 1 : 0;
    }
    qInfo("%d fields hold text, %d notebooks off their first page, %d Print presses", filled, moved, prints);
    QVERIFY(filled > 5);
    QVERIFY(moved > 2);
    QVERIFY(prints > 0);
    QVERIFY(QFile::exists(dir.filePath(QStringLiteral("page.pdf"))));

    // Every notebook shows exactly one page; every error was a printing one.
    for (const auto& w : set.windows()) {
        for (Notebook* nb : w->findChildren<Notebook*>()) {
            QVERIFY(nb->currentIndex() >= 0 && nb->currentIndex() < nb->pageCount());
            int shown = 0;
            for (int i = 0; i < nb->pageCount(); ++i)
                shown += nb->page(i)->isHidden() ? 0 : 1;
            QCOMPARE(shown, 1);
        }
    }
    for (const QString& e : errors)
        QVERIFY2(e == QLatin1String("Printing in progress."), qPrintable(e));
    QVERIFY(!printing());
    setErrorWatcher(nullptr, true);
    setPrinterSource(std::make_unique<DesktopPrinter>());
}

LYRABEL_TEST_MAIN(MonkeyTest)
#include "test_monkey.moc"
