// Corvalle Lyrabel — the error box.
#include "errorbox.h"

#include <QMessageBox>

namespace ui {

namespace {
std::function<void(const QString&)> watcher;
bool boxShown = true;
}  // namespace

QString withPeriod(const QString& text)
{
    if (!text.isEmpty() && text.back().unicode() > u'.')
        return text + u'.';
    return text;
}

void reportError(QWidget* parent, const QString& text)
{
    const QString shown = withPeriod(text);
    if (watcher)
        watcher(shown);
    if (!boxShown)
        return;
    QMessageBox box(QMessageBox::Critical, QString::fromUtf8(applicationTitle), shown, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("errorBox"));
    box.exec();
}

void setErrorWatcher(std::function<void(const QString&)> w, bool showBox)
{
    watcher = std::move(w);
    boxShown = showBox;
}

}  // namespace ui
