// Corvalle Lyrabel — the notebook and its tab strip.
#include "notebook.h"

#include "fonts.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcutEvent>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QToolButton>

#include <algorithm>
#include <utility>

namespace ui {

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
    // The caption as shown: "&X" shows X underlined, "&&" shows "&".
    QString shown;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size())
            ++i;
        shown += caption[i];
    }
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

int TabStrip::stripWidth() const
{
    // The strip spans its notebook; the notebook's width is already right
    // before the window is first shown, when the strip's own resize is pending.
    return parentWidget() ? parentWidget()->width() : width();
}

int TabStrip::tabsRight() const
{
    return overflows() ? stripWidth() - 2 * arrowWidth : stripWidth();
}

bool TabStrip::overflows() const
{
    int total = stripStart;
    for (const Tab& t : tabs_)
        total += t.width;
    return total > stripWidth();
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
    left_->setGeometry(stripWidth() - 2 * arrowWidth, rowHeight_ - h, arrowWidth, h);
    right_->setGeometry(stripWidth() - arrowWidth, rowHeight_ - h, arrowWidth, h);
    left_->setVisible(shown);
    right_->setVisible(shown);
    left_->setEnabled(first_ > 0);
    right_->setEnabled(count() > 0 && tabRect(count() - 1).right() >= tabsRight());
}

void TabStrip::resizeEvent(QResizeEvent*)
{
    // Once every tab fits again, the row starts at the left end again.
    if (!overflows())
        first_ = 0;
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

void Notebook::deferPage(int index, std::function<void()> build)
{
    if (pendingPages_.size() <= static_cast<std::size_t>(index))
        pendingPages_.resize(static_cast<std::size_t>(index) + 1);
    pendingPages_[static_cast<std::size_t>(index)] = std::move(build);
}

bool Notebook::ensurePage(int index)
{
    const auto i = static_cast<std::size_t>(index);
    if (i >= pendingPages_.size() || !pendingPages_[i])
        return false;
    std::exchange(pendingPages_[i], nullptr)();
    return true;
}

bool Notebook::ensureAllPages()
{
    bool built = false;
    for (int i = 0; i < static_cast<int>(pendingPages_.size()); ++i)
        built |= ensurePage(i);
    return built;
}

void Notebook::showPage(int index)
{
    if (index < 0 || index >= pageCount() || index == shown_)
        return;
    ensurePage(index);
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

}  // namespace ui
