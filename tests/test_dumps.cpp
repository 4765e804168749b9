// Corvalle Lyrabel — every window's element list as built, as text, against a
// reference file per window (tests/golden/dumps/INSTANCE.txt). A change of
// layout, text, font or colour shows here as a readable line, apart from the
// pixel noise of the golden pictures.
#include "support.h"

#include "app/windowset.h"
#include "ui/engine.h"
#include "ui/pagewindow.h"

#include <QFile>

class DumpsTest : public QObject {
    Q_OBJECT

private slots:
    void elementLists_data();
    void elementLists();
};

void DumpsTest::elementLists_data()
{
    QTest::addColumn<QString>("instance");
    for (std::string_view name : app::instanceNames())
        QTest::newRow(std::string(name).c_str()) << QString::fromLatin1(name.data(), qsizetype(name.size()));
}

void DumpsTest::elementLists()
{
    QFETCH(QString, instance);
    app::WindowSet set;
    ui::PageWindow* w = set.window(instance.toStdString());
    QVERIFY(w);
    const QString actual = ui::dumpElements(w);
    const QString path = QStringLiteral(GOLDEN_DIR "/dumps/%1.txt").arg(instance);
    if (qEnvironmentVariable("LYRABEL_UPDATE_GOLDEN") == QLatin1String("1")) {
        QDir().mkpath(QStringLiteral(GOLDEN_DIR "/dumps"));
        QFile out(path);
        QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Text));
        out.write(actual.toUtf8());
        return;
    }
    QFile in(path);
    QVERIFY2(in.open(QIODevice::ReadOnly | QIODevice::Text),
             qPrintable(path + QStringLiteral(" is missing (run with LYRABEL_UPDATE_GOLDEN=1 to create it)")));
    const QStringList expected = QString::fromUtf8(in.readAll()).split(u'\n');
    const QStringList lines = actual.split(u'\n');
    for (qsizetype i = 0; i < std::max(expected.size(), lines.size()); ++i) {
        const QString e = expected.value(i, QStringLiteral("<end>")), a = lines.value(i, QStringLiteral("<end>"));
        if (e != a) {
            QFile out(QStringLiteral(GOLDEN_DIR "/dumps/%1.actual.txt").arg(instance));
            if (out.open(QIODevice::WriteOnly | QIODevice::Text))
                out.write(actual.toUtf8());
            QFAIL(qPrintable(QStringLiteral("line %1 differs:\n  expected: %2\n  actual:   %3").arg(i + 1).arg(e, a)));
        }
    }
}

LYRABEL_TEST_MAIN(DumpsTest)
#include "test_dumps.moc"
