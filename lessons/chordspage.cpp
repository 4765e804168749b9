// Corvalle Lyrabel — the Chords page and its chord-finding example panel `cpexam`.
// Not written yet beyond its frame: background and buttons.
#include "lessons/chordspage.h"

#include "lessons/lessonbook.h"

namespace lessons {

using namespace ui;

Elements chordsPage()
{
    return {
        pageBackground(),
        pageButton("BitBtn33"),
        pageButton("BitBtn35"),
        panel(0, -1, pageWidth, pageHeight, {
            pageButton("BitBtn2"),
            button(473, 515, 75, 25, "").ok().named("BitBtn21").font(tnr(16).bolded().in(black)).onClick("BitBtn21Click"),
        }).named("cpexam").bg(purple).noBevel().hidden().aligned(Align::Client),
    };
}

}  // namespace lessons
