// Corvalle Lyrabel — putting a window into a given state and taking its picture,
// for the export tool and the picture tests.
#pragma once

#include <QImage>
#include <QString>

namespace ui {

class PageWindow;

struct ViewState {
    int page = 0;        // lesson page (1-based), 0 = leave as it is
    int sheet = 0;       // worksheet sheet (1-based), 0 = leave as it is
    bool answers = false;  // every answer key on "Answers" (else on "Cover")
    QString panel;       // an overlay panel to show (`ve2`, `cpexam`)
};

// Makes the snapshot repeatable: no caret blinking, no animations.
void prepareForSnapshots();

void applyState(PageWindow* window, const ViewState& state);

// The window's client area as it shows now.
QImage snapshot(PageWindow* window);

// Number of sheets (1 for a window without a sheet notebook) and of lesson pages.
int sheetCount(PageWindow* window);
bool hasAnswerKey(PageWindow* window, int sheet);

}  // namespace ui
