// Corvalle Lyrabel — Canvas: background, drawn elements, panel bevel and caption, alignment.
#include "canvas.h"

#include "fonts.h"
#include "shapes.h"

#include <QMouseEvent>
#include <QPainter>

#include <utility>

namespace ui {

// Defined with the window: runs a named action of the widget's window.
void runWindowAction(QWidget* from, const std::string& action);

// ------------------------------------------------------------------ Canvas

Canvas::Canvas(QWidget* parent, Colour colour) : QWidget(parent), colour_(colour)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

void Canvas::measureLabels() const
{
    if (measured_)
        return;
    measured_ = true;
    for (Drawn& d : drawn_) {
        Element& e = d.element;
        if (e.kind == Kind::Label && e.box.w == 0 && e.box.h == 0)
            e.box = {e.box.x, e.box.y, textWidth(d.font, e.caption), lineHeight(d.font)};
    }
}

bool Canvas::ensureContent()
{
    if (!pendingContent_)
        return false;
    std::exchange(pendingContent_, nullptr)();
    return true;
}

void Canvas::makePanel(bool bevel, std::string caption, Font font, std::string action)
{
    isPanel_ = true;
    bevel_ = bevel;
    caption_ = std::move(caption);
    captionFont_ = font;
    action_ = std::move(action);
}

void Canvas::addAligned(Align align, Rect declared, int drawnIndex, QWidget* widget)
{
    aligned_.push_back({align, declared, drawnIndex, widget});
    if (widget)
        widget->installEventFilter(this);
}

bool Canvas::eventFilter(QObject* watched, QEvent* event)
{
    // Alignment is worked out again whenever an aligned element is shown or hidden.
    if ((event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent) && !layingOut_)
        relayout();
    return QWidget::eventFilter(watched, event);
}

void Canvas::relayout()
{
    if (aligned_.empty())
        return;
    layingOut_ = true;
    const int margin = (isPanel_ && bevel_) ? 1 : 0;
    QRect remaining = rect().adjusted(margin, margin, -margin, -margin);
    auto place = [this](const Aligned& a, const QRect& placed) {
        if (a.widget)
            a.widget->setGeometry(placed);
        else
            drawn_[static_cast<std::size_t>(a.drawnIndex)].element.box = {placed.x(), placed.y(), placed.width(), placed.height()};
    };
    auto isShown = [this](const Aligned& a) {
        return a.widget ? !a.widget->isHidden() : drawn_[static_cast<std::size_t>(a.drawnIndex)].element.visible;
    };
    // Left-aligned elements first, in declaration order, whatever lies between them...
    for (const Aligned& a : aligned_) {
        if (a.align != Align::Left)
            continue;
        if (!isShown(a)) {
            place(a, QRect(a.declared.x, a.declared.y, a.declared.w, a.declared.h));
            continue;
        }
        place(a, QRect(remaining.left(), remaining.top(), a.declared.w, remaining.height()));
        remaining.setLeft(remaining.left() + a.declared.w);
    }
    // ...then client-aligned ones take what is left. With no area left one
    // keeps its declared box.
    for (const Aligned& a : aligned_) {
        if (a.align != Align::Client)
            continue;
        const bool room = remaining.width() > 0 && remaining.height() > 0;
        place(a, isShown(a) && room ? remaining : QRect(a.declared.x, a.declared.y, a.declared.w, a.declared.h));
    }
    layingOut_ = false;
    update();
}

void Canvas::resizeEvent(QResizeEvent*)
{
    relayout();
}

void Canvas::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    p.setClipRegion(event->region());
    p.fillRect(rect(), toQColor(colour_));
    if (isPanel_) {
        if (bevel_) {
            const QPalette& pal = palette();
            p.fillRect(0, 0, width(), 1, pal.color(QPalette::Light));
            p.fillRect(0, 0, 1, height(), pal.color(QPalette::Light));
            p.fillRect(0, height() - 1, width(), 1, pal.color(QPalette::Dark));
            p.fillRect(width() - 1, 0, 1, height(), pal.color(QPalette::Dark));
        }
        if (!caption_.empty()) {
            p.setFont(toQFont(captionFont_));
            p.setPen(toQColor(captionFont_.colour));
            p.drawText(rect(), Qt::AlignCenter, QString::fromStdString(caption_));
        }
    }
    const QPoint origin = mapTo(window(), QPoint(0, 0));
    for (const Drawn& d : drawn()) {
        const Element& e = d.element;
        if (!e.visible)
            continue;
        switch (e.kind) {
        case Kind::Shape: paintShape(p, e, origin); break;
        case Kind::Label: paintLabel(p, e, d.font, d.background); break;
        case Kind::Picture: paintPicture(p, e); break;
        default: break;
        }
    }
}

void Canvas::mouseReleaseEvent(QMouseEvent* event)
{
    if (isPanel_ && !action_.empty() && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        runWindowAction(this, action_);
    QWidget::mouseReleaseEvent(event);
}

}  // namespace ui
