// Corvalle Lyrabel — the live widgets the engine builds from elements.
#include "widgets.h"

#include "fonts.h"
#include "shapes.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpression>
#include <QShortcutEvent>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QToolButton>
#include <QTextBlock>
#include <QTextCursor>

#include <climits>

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
    for (Aligned& a : aligned_) {
        const bool visible = a.widget ? !a.widget->isHidden() : drawn_[static_cast<std::size_t>(a.drawnIndex)].element.visible;
        QRect placed(a.declared.x, a.declared.y, a.declared.w, a.declared.h);
        if (visible && a.align == Align::Left) {
            placed = QRect(remaining.left(), remaining.top(), a.declared.w, remaining.height());
            remaining.setLeft(remaining.left() + a.declared.w);
        } else if (visible && a.align == Align::Client && remaining.width() > 0 && remaining.height() > 0) {
            placed = remaining;
        }
        // With no area left a client-aligned element keeps its declared box.
        if (a.widget)
            a.widget->setGeometry(placed);
        else
            drawn_[static_cast<std::size_t>(a.drawnIndex)].element.box = {placed.x(), placed.y(), placed.width(), placed.height()};
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

// ----------------------------------------------------------------- Notebook

namespace {
constexpr int tabMargin = 6;    // blank on each side of a caption
constexpr int stripStart = 2;   // the first tab's left edge
constexpr int arrowWidth = 16;
}  // namespace

TabStrip::TabStrip(QWidget* parent, int rowHeight)
    : QWidget(parent), rowHeight_(rowHeight), left_(new QToolButton(this)), right_(new QToolButton(this))
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_MacShowFocusRect, false);
    left_->setArrowType(Qt::LeftArrow);
    right_->setArrowType(Qt::RightArrow);
    for (QToolButton* arrow : {left_, right_}) {
        arrow->setFocusPolicy(Qt::NoFocus);
        arrow->setAutoRaise(false);
        arrow->hide();
    }
    connect(left_, &QToolButton::clicked, this, [this] { scrollBy(-1); });
    connect(right_, &QToolButton::clicked, this, [this] { scrollBy(1); });
}

QChar TabStrip::accelerator(const QString& caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] == u'&') {
            if (caption[i + 1] != u'&')
                return caption[i + 1].toUpper();
            ++i;
        }
    }
    return {};
}

void TabStrip::addTab(const QString& caption)
{
    QString shown = caption;
    shown.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    const int width = fontMetrics().horizontalAdvance(shown) + 2 * tabMargin;
    const int shortcut = accelerator(caption).isNull() ? 0 : grabShortcut(QKeySequence::mnemonic(caption));
    tabs_.push_back({caption, width, shortcut});
    if (current_ < 0)
        setCurrentIndex(0);
    updateArrows();
    update();
}

QRect TabStrip::tabRect(int index) const
{
    int x = stripStart;
    for (int i = first_; i < index; ++i)
        x += tabs_[static_cast<std::size_t>(i)].width;
    for (int i = index; i < first_; ++i)
        x -= tabs_[static_cast<std::size_t>(i)].width;
    return {x, 2, tabs_.at(static_cast<std::size_t>(index)).width, rowHeight_ - 2};
}

int TabStrip::tabsRight() const
{
    return overflows() ? width() - 2 * arrowWidth : width();
}

bool TabStrip::overflows() const
{
    int total = stripStart;
    for (const Tab& t : tabs_)
        total += t.width;
    return total > width();
}

void TabStrip::setCurrentIndex(int index)
{
    if (index < 0 || index >= count() || index == current_)
        return;
    current_ = index;
    makeShown(index);
    update();
    emit currentChanged(index);
}

void TabStrip::scrollBy(int tabs)
{
    first_ = std::clamp(first_ + tabs, 0, std::max(0, count() - 1));
    updateArrows();
    update();
}

void TabStrip::makeShown(int index)
{
    if (index < first_)
        first_ = index;
    while (first_ < index && tabRect(index).right() >= tabsRight())
        ++first_;
    updateArrows();
}

void TabStrip::updateArrows()
{
    const bool shown = overflows();
    const int h = std::min(rowHeight_ - 2, 20);
    left_->setGeometry(width() - 2 * arrowWidth, rowHeight_ - h, arrowWidth, h);
    right_->setGeometry(width() - arrowWidth, rowHeight_ - h, arrowWidth, h);
    left_->setVisible(shown);
    right_->setVisible(shown);
    left_->setEnabled(first_ > 0);
    right_->setEnabled(count() > 0 && tabRect(count() - 1).right() >= tabsRight());
}

void TabStrip::resizeEvent(QResizeEvent*)
{
    updateArrows();
}

void TabStrip::paintTab(QPainter& p, int index, bool selected)
{
    QRect r = tabRect(index);
    if (selected)
        r.adjust(-2, -2, 2, 1);  // raised, and joined to the page frame below
    const QPalette& pal = palette();
    p.fillRect(r.adjusted(1, 1, -1, 0), pal.color(QPalette::Button));
    // Light top and left edges with rounded corners, shadow on the right.
    p.fillRect(r.left(), r.top() + 2, 1, r.height() - 2, pal.color(QPalette::Light));
    p.fillRect(r.left() + 1, r.top() + 1, 1, 1, pal.color(QPalette::Light));
    p.fillRect(r.left() + 2, r.top(), r.width() - 4, 1, pal.color(QPalette::Light));
    p.fillRect(r.right() - 1, r.top() + 1, 1, 1, pal.color(QPalette::Shadow));
    p.fillRect(r.right(), r.top() + 2, 1, r.height() - 2, pal.color(QPalette::Shadow));
    p.fillRect(r.right() - 1, r.top() + 2, 1, r.height() - 2, pal.color(QPalette::Dark));
    p.setPen(pal.color(QPalette::ButtonText));
    const QRect text = selected ? r.adjusted(0, 0, 0, -2) : r.adjusted(0, 1, 0, 0);
    p.drawText(text, Qt::AlignCenter | Qt::TextShowMnemonic, tabs_[static_cast<std::size_t>(index)].caption);
    if (selected && hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = text.adjusted(3, 3, -3, -2);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &p, this);
    }
}

void TabStrip::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setClipRect(0, 0, tabsRight(), height());
    for (int i = 0; i < count(); ++i)
        if (i != current_)
            paintTab(p, i, false);
    if (current_ >= 0)
        paintTab(p, current_, true);
}

void TabStrip::mousePressEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    if (event->button() != Qt::LeftButton || at.x() >= tabsRight())
        return;
    for (int i = 0; i < count(); ++i) {
        if (tabRect(i).adjusted(0, -2, 0, 0).contains(at)) {
            setCurrentIndex(i);
            setFocus(Qt::MouseFocusReason);
            return;
        }
    }
}

void TabStrip::keyPressEvent(QKeyEvent* event)
{
    const int n = count();
    if (n == 0 || event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) {
        QWidget::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
        setCurrentIndex((currentIndex() + n - 1) % n);
        return;
    case Qt::Key_Right:
    case Qt::Key_Down:
        setCurrentIndex((currentIndex() + 1) % n);
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

bool TabStrip::event(QEvent* event)
{
    // Alt+accelerator selects the page and focuses the notebook.
    if (event->type() == QEvent::Shortcut) {
        const int id = static_cast<QShortcutEvent*>(event)->shortcutId();
        for (int i = 0; i < count(); ++i) {
            if (tabs_[static_cast<std::size_t>(i)].shortcut == id) {
                setCurrentIndex(i);
                setFocus(Qt::ShortcutFocusReason);
                return true;
            }
        }
    }
    return QWidget::event(event);
}

Notebook::Notebook(QWidget* parent, Colour colour, Font tabFont, int stripHeight)
    : QWidget(parent), strip_(new TabStrip(this, stripHeight - 4)), colour_(colour), stripHeight_(stripHeight)
{
    setFocusPolicy(Qt::NoFocus);
    setFocusProxy(strip_);
    strip_->setFont(toQFont(tabFont));
    connect(strip_, &TabStrip::currentChanged, this, &Notebook::showPage);
}

Canvas* Notebook::addPage(const std::string& caption, Colour colour)
{
    auto* page = new Canvas(this, colour);
    page->hide();
    pages_.push_back(page);
    strip_->addTab(QString::fromStdString(caption));
    if (pages_.size() == 1)
        showPage(0);
    return page;
}

int Notebook::currentIndex() const
{
    return strip_->currentIndex();
}

void Notebook::select(int index)
{
    strip_->setCurrentIndex(index);
}

bool Notebook::selectByAccelerator(QChar letter)
{
    for (int i = 0; i < strip_->count(); ++i) {
        if (!letter.isNull() && TabStrip::accelerator(strip_->tabText(i)) == letter.toUpper()) {
            select(i);
            strip_->setFocus(Qt::ShortcutFocusReason);
            return true;
        }
    }
    return false;
}

void Notebook::showPage(int index)
{
    if (index < 0 || index >= pageCount() || index == shown_)
        return;
    QWidget* focus = QApplication::focusWidget();
    const bool focusOnOldPage = shown_ >= 0 && focus && page(shown_)->isAncestorOf(focus);
    Canvas* next = page(index);
    next->setGeometry(4, stripHeight_, width() - 8, height() - stripHeight_ - 4);
    next->show();
    if (shown_ >= 0)
        page(shown_)->hide();
    shown_ = index;
    if (focusOnOldPage)
        strip_->setFocus(Qt::OtherFocusReason);
}

void Notebook::resizeEvent(QResizeEvent*)
{
    // The tabs stand on the page frame's top edge (T - 4); the selected one covers it.
    strip_->setGeometry(0, 0, width(), stripHeight_ - 3);
    for (Canvas* p : pages_)
        p->setGeometry(4, stripHeight_, width() - 8, height() - stripHeight_ - 4);
}

void Notebook::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), toQColor(colour_));
    // Raised frame round the page area, joined to the selected tab.
    const QPalette& pal = palette();
    const QRect frame(0, stripHeight_ - 4, width(), height() - stripHeight_ + 4);
    p.fillRect(frame.adjusted(1, 1, -1, -1), pal.color(QPalette::Button));
    p.fillRect(frame.left(), frame.top(), frame.width(), 1, pal.color(QPalette::Light));
    p.fillRect(frame.left(), frame.top(), 1, frame.height(), pal.color(QPalette::Light));
    p.fillRect(frame.left(), frame.bottom(), frame.width(), 1, pal.color(QPalette::Shadow));
    p.fillRect(frame.right(), frame.top(), 1, frame.height(), pal.color(QPalette::Shadow));
    p.fillRect(frame.left() + 1, frame.bottom() - 1, frame.width() - 2, 1, pal.color(QPalette::Dark));
    p.fillRect(frame.right() - 1, frame.top() + 1, 1, frame.height() - 2, pal.color(QPalette::Dark));
}

// --------------------------------------------------------------- edit field

EditField::EditField(QWidget* parent) : QLineEdit(parent)
{
    setMaxLength(INT_MAX);
    setFocusPolicy(Qt::StrongFocus);
}

void EditField::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    if (event->reason() != Qt::MouseFocusReason && event->reason() != Qt::PopupFocusReason)
        selectAll();
}

// ----------------------------------------------------------------- text box

TextBox::TextBox(QWidget* parent, const Element& e, const Font& font, Colour background)
    : QTextEdit(parent), lineHeight_(lineHeight(font))
{
    setAcceptRichText(false);
    setTabChangesFocus(true);
    setLineWrapMode(QTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(e.verticalScrollBar ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    setFont(toQFont(font));
    QPalette pal = palette();
    pal.setColor(QPalette::Base, toQColor(background));
    pal.setColor(QPalette::Text, toQColor(font.colour));
    pal.setColor(QPalette::WindowText, Qt::black);
    setPalette(pal);
    switch (e.border) {
    case Border::Sunken: setFrameStyle(QFrame::Panel | QFrame::Sunken); setLineWidth(2); break;
    case Border::Flat: setFrameStyle(QFrame::Box | QFrame::Plain); setLineWidth(1); break;
    case Border::None: setFrameStyle(QFrame::NoFrame); break;
    }
    // Lines start right inside the border, as the design measured them: no inner margin.
    document()->setDocumentMargin(0);

    QString joined;
    for (std::size_t i = 0; i < e.lines.size(); ++i) {
        if (i)
            joined += u'\n';
        joined += QString::fromStdString(e.lines[i]);
    }
    setPlainText(joined);
    // Every paragraph, stored or typed later, keeps the design's line height.
    QTextCursor all(document());
    all.select(QTextCursor::Document);
    QTextBlockFormat format;
    format.setLineHeight(lineHeight_, QTextBlockFormat::FixedHeight);
    all.mergeBlockFormat(format);
    moveCursor(QTextCursor::Start);

    if (e.readOnly) {
        setReadOnly(true);
        setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    }
    setFocusPolicy(Qt::StrongFocus);
}

// ----------------------------------------------------------------- tick box

TickBox::TickBox(QWidget* parent, const std::string& caption, const Font& font, Colour background)
    : QAbstractButton(parent), font_(font), background_(background)
{
    setCheckable(true);
    setText(QString::fromStdString(caption));
    setFont(toQFont(font));
    setFocusPolicy(Qt::StrongFocus);
}

void TickBox::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), toQColor(background_));
    const int top = (height() - 13) / 2;
    const QPalette& pal = palette();
    // Sunken 13×13 box: shadow and dark edges top-left, light edges bottom-right.
    p.fillRect(0, top, 13, 13, pal.color(QPalette::Light));
    p.fillRect(0, top, 12, 1, pal.color(QPalette::Mid));
    p.fillRect(0, top, 1, 12, pal.color(QPalette::Mid));
    p.fillRect(1, top + 1, 10, 1, pal.color(QPalette::Shadow));
    p.fillRect(1, top + 1, 1, 10, pal.color(QPalette::Shadow));
    p.fillRect(2, top + 2, 9, 9, isDown() ? pal.color(QPalette::Button) : QColor(Qt::white));
    if (isChecked()) {
        // A 7-px tick, three pixels thick.
        for (int i = 0; i < 7; ++i) {
            const int x = 3 + i;
            const int y = top + (i < 3 ? 5 + i : 9 - (i - 2));
            p.fillRect(x, y, 1, 3, Qt::black);
        }
    }
    if (!text().isEmpty()) {
        p.setFont(font());
        p.setPen(toQColor(font_.colour));
        const QRect captionBox(17, 0, width() - 17, height());
        p.drawText(captionBox, Qt::AlignLeft | Qt::AlignVCenter, text());
        if (hasFocus()) {
            QRect r = p.boundingRect(captionBox, Qt::AlignLeft | Qt::AlignVCenter, text()).adjusted(-1, 0, 1, 0);
            p.setPen(QPen(Qt::black, 1, Qt::DotLine));
            p.drawRect(r.intersected(rect().adjusted(0, 0, -1, -1)));
        }
    }
}

// -------------------------------------------------------------- push button

PushButton::PushButton(QWidget* parent, const Element& e, const Font& font)
    : QPushButton(QString::fromStdString(e.caption), parent), ok_(e.buttonKind == ButtonKind::Ok)
{
    setFont(toQFont(font));
    QPalette pal = palette();
    pal.setColor(QPalette::ButtonText, toQColor(font.colour));
    setPalette(pal);
    setAutoDefault(false);
    setFocusPolicy(Qt::StrongFocus);
    if (ok_) {
        setIcon(QIcon(QStringLiteral(":/assets/okglyph.png")));
        setIconSize(QSize(18, 18));
    }
}

}  // namespace ui
