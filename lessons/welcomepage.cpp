// Corvalle Lyrabel — the Welcome page and the verses panel over the lesson book.
// Not written yet beyond its frame: background and buttons.
#include "lessons/welcomepage.h"

#include "lessons/lessonbook.h"

namespace lessons {

using namespace ui;

Elements welcomePage()
{
    return {
        pageBackground(),
        panel(190, 407, 262, 21).named("Panel1").bg(gray).text("Click Here for A Reason to Sing")
            .font(tnr(19).bolded().italicized().in(rgb(0xFFCEFF))).onClick("Panel1Click"),
    };
}

Element versesPanel()
{
    return panel(3, 30, 614, 403, {
                     button(509, 364, 75, 25, "").ok().named("BitBtn34")
                         .font(tnr(16).bolded().in(windowText)).onClick("BitBtn34Click"),
                 })
        .named("ve2").bg(rgb(0xFFCEFF)).hidden();
}

}  // namespace lessons
