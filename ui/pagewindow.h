// Corvalle Lyrabel — a top-level window built from its WindowDef.
#pragma once

#include "widgets.h"
#include "windowdef.h"

#include <functional>
#include <map>
#include <string>

namespace ui {

class PageWindow : public Canvas {
    Q_OBJECT
public:
    // Build::Later keeps the element data and builds the widgets on the first
    // ensureBuilt() (at the latest when the window is first shown);
    // Build::FirstPagesNow builds what shows at first (every notebook's first
    // page) and leaves the other pages to ensureBuilt() or their first showing.
    enum class Build { Now, FirstPagesNow, Later };
    explicit PageWindow(const WindowDef& def, Build when = Build::Now);

    // Builds the window if nothing is built yet (pages left for later stay so).
    void ensureBuilt();
    // Builds everything still left for later: every page and hidden panel.
    void complete();
    bool isBuilt() const { return built_; }
    // Runs once, right after the window's first paint has been handled.
    void afterFirstPaint(std::function<void()> run);

    const std::string& className() const { return className_; }
    const std::string& instance() const { return instance_; }
    PrintScaling printScaling() const { return printScaling_; }
    // Dots per inch the window was laid out for: 96 unless the screen scales text.
    int resolution() const { return resolution_; }
    // The client size the design gives (before any user resize).
    QSize designClientSize() const { return designClient_; }

    // Click actions are named operations of the window (`BitBtn25Click`).
    void bind(const std::string& action, std::function<void()> run);
    // Runs an action; any error it raises is shown in the error box.
    void runAction(const std::string& action);

    // Shows the window: centred the first time, afterwards where it was left;
    // always brought to the front and activated.
    void showWindow();
    bool hasBeenShown() const { return shownBefore_; }
    // Where a window of this outer size first opens: centred, clamped at 0.
    static QPoint centredPosition(const QRect& screen, QSize outer);

    // Closing the main window ends the program; closing any other hides it.
    void setEndsProgramOnClose(bool ends) { endsProgram_ = ends; }

    // Shows or hides a named element; showing one on a notebook page first selects that page.
    void showElement(const QString& name);
    void hideElement(const QString& name);

    // A named element; the window is completed first if parts were left for later.
    template <typename T = QWidget>
    T* element(const QString& name)
    {
        complete();
        return findChild<T*>(name);
    }

    // Joins a late-built page's focusable widgets to the keyboard order after `after`.
    void adoptFocusChain(QWidget* after, const std::vector<QWidget*>& chain);

    const std::vector<QWidget*>& focusChain() const { return focusChain_; }

protected:
    void closeEvent(QCloseEvent*) override;
    void paintEvent(QPaintEvent*) override;
    bool eventFilter(QObject*, QEvent*) override;

private:
    bool handleKey(QWidget* target, QKeyEvent* key);
    void build(bool deferHiddenPages);
    std::string className_, instance_;
    PrintScaling printScaling_;
    int resolution_ = 96;
    QSize designClient_;
    QSize outer_;
    std::map<std::string, std::function<void()>> actions_;
    std::vector<QWidget*> focusChain_;
    bool shownBefore_ = false;
    bool built_ = false;
    bool complete_ = false;
    Elements pendingElements_;
    Font pendingFont_;
    std::function<void()> afterFirstPaint_;
    bool endsProgram_ = false;
};

}  // namespace ui
