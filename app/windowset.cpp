// Corvalle Lyrabel — the window set and the lesson book's actions.
#include "app/windowset.h"

#include "lessons/lessonbook.h"
#include "ui/printing.h"
#include "ui/workpageframe.h"
#include "workpages/beatworkpages.h"
#include "workpages/chordworkpage.h"
#include "workpages/chordworkpages.h"
#include "workpages/keyboardworkpages.h"
#include "workpages/notesandstaffworkpage.h"
#include "workpages/scaleworkpages.h"
#include "workpages/staffworkpages.h"

#include <array>

namespace app {

namespace {

using Definition = ui::WindowDef (*)();

// Creation order; the first becomes the main window.
constexpr std::array<Definition, 13> definitions{
    lessons::TLessonBook,
    workpages::Tkw,
    workpages::Tmcmc,
    workpages::Tminorcw,
    workpages::Tsthcw,
    workpages::Tmsthcw,
    workpages::Tmisthcw,
    workpages::Tssc,
    workpages::TChordWorkpage,
    workpages::Tnsawp,
    workpages::Tsbbs,
    workpages::Tbsb,
    workpages::Tbtb,
};

// Lesson page buttons and the windows they show.
struct Opens { const char* action; const char* instance; };
constexpr std::array<Opens, 13> workpageButtons{{
    {"BitBtn25Click", "sbbs"},
    {"BitBtn1Click",  "btb"},
    {"BitBtn24Click", "bsb"},
    {"BitBtn36Click", "nsawp"},
    {"BitBtn26Click", "kw"},
    {"BitBtn28Click", "mcmc"},
    {"BitBtn29Click", "minorcw"},
    {"BitBtn30Click", "sthcw"},
    {"BitBtn31Click", "msthcw"},
    {"BitBtn32Click", "misthcw"},
    {"BitBtn33Click", "ChordWorkpage"},
    {"BitBtn2Click",  "ChordWorkpage"},
    {"BitBtn27Click", "ssc"},
}};

}  // namespace

WindowSet::WindowSet(Start start)
{
    using Build = ui::PageWindow::Build;
    const bool complete = start == Start::Complete;
    for (Definition define : definitions) {
        const Build build = complete ? Build::Now : windows_.empty() ? Build::FirstPagesNow : Build::Later;
        windows_.push_back(std::make_unique<ui::PageWindow>(define(), build));
    }

    ui::PageWindow* book = lessonBook();
    book->setEndsProgramOnClose(true);
    for (const Opens& o : workpageButtons) {
        ui::PageWindow* target = window(o.instance);
        book->bind(o.action, [target] { target->showWindow(); });
    }
    book->bind("Panel1Click", [book] { book->showElement("ve2"); });
    book->bind("BitBtn34Click", [book] { book->hideElement("ve2"); });
    book->bind("BitBtn35Click", [book] { book->showElement("cpexam"); });
    book->bind("BitBtn21Click", [book] { book->hideElement("cpexam"); });

    for (std::size_t i = 1; i < windows_.size(); ++i) {
        ui::PageWindow* w = windows_[i].get();
        w->bind(ui::printAction, [w] { ui::printWindow(w); });
    }
    if (start == Start::WorkpagesAfterFirstPaint) {
        book->afterFirstPaint([this] {
            for (const auto& w : windows_)
                w->complete();
        });
    }
}

WindowSet::~WindowSet() = default;

ui::PageWindow* WindowSet::window(std::string_view instance) const
{
    for (const auto& w : windows_)
        if (w->instance() == instance)
            return w.get();
    return nullptr;
}

std::vector<std::string_view> instanceNames()
{
    return {"LessonBook", "kw", "mcmc", "minorcw", "sthcw", "msthcw", "misthcw",
            "ssc", "ChordWorkpage", "nsawp", "sbbs", "bsb", "btb"};
}

}  // namespace app
