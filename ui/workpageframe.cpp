// Corvalle Lyrabel — the worksheet frame as element generators.
#include "workpageframe.h"

namespace ui {

namespace {

constexpr Font tabsFont = msSans(11);

// The two-page key: "Cover" with its red label, then "Answers".
Element answerKey(int x, int y, int w, int h, Element coverLabel, Elements answers)
{
    return notebook(x, y, w, h, {
                        page("Cover", {std::move(coverLabel)}),
                        page("Answers", std::move(answers)),
                    })
        .tabsIn(tabsFont)
        .named("AnswerKey");
}

}  // namespace

Element sheetNotebook(int w, int h, std::vector<Elements> sheets)
{
    Elements pages;
    for (std::size_t i = 0; i < sheets.size(); ++i)
        pages.push_back(page(std::to_string(i + 1), std::move(sheets[i])));
    return notebook(0, 0, w, h, std::move(pages)).tabsIn(tabsFont).aligned(Align::Client).named("Sheets");
}

Element printButton(int x, int y, int w, int h, bool regular)
{
    const Font caption = regular ? tnr(16).in(blue) : tnr(16).bolded().in(blue);
    return button(x, y, w, h, "Print").named("BitBtn1").font(caption).onClick(printAction);
}

Element largeAnswerKey(int x, int y, Elements answers)
{
    return answerKey(x, y, 289, 294, label(23, 80, "Answers").font(tnr(64).bolded().in(red)), std::move(answers));
}

Element answerList(int x, int y, int w, int h, std::vector<std::string> lines)
{
    return textBox(x, y, w, h, std::move(lines)).readonly().font(tnr(21).bolded().in(black));
}

Element smallAnswerKey(int x, int y, int w, int h, std::vector<std::string> lines)
{
    return answerKey(x, y, w, h, label(64, 24, "Answers").font(tnr(19).in(red)),
                     {textBox(0, 0, w - 8, h - 28, std::move(lines))
                          .aligned(Align::Client).readonly().bordered(Border::Flat)
                          .font(arial(15).bolded().in(windowText))});
}

Element stripAnswerKey(std::vector<std::string> lines)
{
    Element key = answerKey(1, 370, 625, 66, label(244, 3, "Answers").font(tnr(24).in(red)),
                            {textBox(0, 0, 617, 37, std::move(lines))
                                 .aligned(Align::Client).readonly()
                                 .font(arial(13).in(blue))});
    return key.font(arial(11)).tabHeight(25);
}

}  // namespace ui
