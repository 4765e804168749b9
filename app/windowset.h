// Corvalle Lyrabel — the thirteen windows, built once at start-up.
#pragma once

#include "ui/pagewindow.h"

#include <memory>
#include <string_view>
#include <vector>

namespace app {

class WindowSet {
public:
    // Creates every window in order, the lesson window first, all hidden,
    // and wires the lesson book's buttons and every "Print" button.
    // WorkpagesAfterFirstPaint builds the lesson book's first page, then the
    // other pages and the worksheets' widgets right after its first paint, so
    // that the program appears sooner; a page or worksheet shown before then
    // is built on the spot.
    enum class Start { Complete, WorkpagesAfterFirstPaint };
    explicit WindowSet(Start start = Start::Complete);
    ~WindowSet();

    ui::PageWindow* lessonBook() const { return windows_.front().get(); }
    // By instance name ("mcmc"); nullptr if there is none.
    ui::PageWindow* window(std::string_view instance) const;
    const std::vector<std::unique_ptr<ui::PageWindow>>& windows() const { return windows_; }

private:
    std::vector<std::unique_ptr<ui::PageWindow>> windows_;
};

// Instance names of the windows in creation order.
std::vector<std::string_view> instanceNames();

}  // namespace app
