// Corvalle Lyrabel — window states and pictures for export and tests.
#include "snapshot.h"

#include "pagewindow.h"

#include <QApplication>

namespace ui {

namespace {

Notebook* sheets(PageWindow* w)
{
    if (auto* nb = w->element<Notebook>(QStringLiteral("Sheets")))
        return nb;
    return w->element<Notebook>(QStringLiteral("LessonTabs"));
}

}  // namespace

void prepareForSnapshots()
{
    QApplication::setCursorFlashTime(0);
    QApplication::setEffectEnabled(Qt::UI_AnimateMenu, false);
    QApplication::setEffectEnabled(Qt::UI_AnimateCombo, false);
    QApplication::setEffectEnabled(Qt::UI_AnimateTooltip, false);
    QApplication::setEffectEnabled(Qt::UI_AnimateToolBox, false);
}

void applyState(PageWindow* w, const ViewState& s)
{
    if (Notebook* nb = sheets(w)) {
        const int index = s.page > 0 ? s.page : s.sheet;
        if (index > 0) {
            // By way of the first page, so the tab strip scrolls the same
            // whatever was selected before: pictures are repeatable.
            nb->select(0);
            nb->select(index - 1);
        }
    }
    for (Notebook* key : w->findChildren<Notebook*>(QStringLiteral("AnswerKey")))
        key->select(s.answers ? 1 : 0);
    if (!s.panel.isEmpty())
        w->showElement(s.panel);
}

QImage snapshot(PageWindow* w)
{
    if (!w->isVisible())
        w->showWindow();
    // Keep the picture free of a caret or focus frame.
    if (QWidget* f = w->focusWidget())
        f->clearFocus();
    return w->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

int sheetCount(PageWindow* w)
{
    if (auto* nb = w->element<Notebook>(QStringLiteral("Sheets")))
        return nb->pageCount();
    if (auto* nb = w->element<Notebook>(QStringLiteral("LessonTabs")))
        return nb->pageCount();
    return 1;
}

bool hasAnswerKey(PageWindow* w, int sheet)
{
    if (auto* nb = w->element<Notebook>(QStringLiteral("Sheets")))
        return !nb->page(sheet - 1)->findChildren<Notebook*>(QStringLiteral("AnswerKey")).isEmpty();
    return !w->findChildren<Notebook*>(QStringLiteral("AnswerKey")).isEmpty();
}

}  // namespace ui
