// Corvalle Lyrabel — Canvas: the inner area of a window, notebook page or panel.
#pragma once

#include "element.h"

#include <QWidget>

#include <functional>
#include <vector>

namespace ui {

// ------------------------------------------------------------------ Canvas
// A container's inner area: fills with its colour, paints its drawn elements
// in declaration order, and holds its window elements as child widgets (which
// therefore always lie above the drawn ones).
class Canvas : public QWidget {
    Q_OBJECT
public:
    struct Drawn {
        Element element;   // box already resolved (labels sized to their text)
        Font font;         // resolved font, for labels
        Colour background; // resolved background, for labels
    };

    explicit Canvas(QWidget* parent, Colour colour);

    Colour colour() const { return colour_; }
    void addDrawn(Drawn d) { drawn_.push_back(std::move(d)); measured_ = false; }
    // The drawn elements, labels sized to their text.
    const std::vector<Drawn>& drawn() const { measureLabels(); return drawn_; }

    // Panels: raised bevel and a caption centred beneath the children.
    void makePanel(bool bevel, std::string caption, Font font, std::string action);
    // Content built on the first ensureContent() (a panel hidden at start).
    void deferContent(std::function<void()> build) { pendingContent_ = std::move(build); }
    bool ensureContent();  // true if it built something
    bool isPanel() const { return isPanel_; }
    bool hasBevel() const { return bevel_; }
    const std::string& caption() const { return caption_; }

    // Alignment: an aligned element (drawn index or child widget) and its declared box.
    void addAligned(Align align, Rect declared, int drawnIndex, QWidget* widget);
    void relayout();

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    bool eventFilter(QObject*, QEvent*) override;

private:
    struct Aligned { Align align; Rect declared; int drawnIndex; QWidget* widget; };
    // Labels are measured when first needed (painted, laid out or inspected):
    // pages and windows not yet seen load no fonts at start-up.
    void measureLabels() const;
    std::function<void()> pendingContent_;
    Colour colour_;
    mutable std::vector<Drawn> drawn_;
    mutable bool measured_ = true;
    std::vector<Aligned> aligned_;
    bool isPanel_ = false;
    bool bevel_ = false;
    std::string caption_;
    Font captionFont_;
    std::string action_;
    bool layingOut_ = false;
};

}  // namespace ui
