// Corvalle Lyrabel — top-level windows: building, showing, closing, keyboard.
#include "pagewindow.h"

#include "engine.h"
#include "errorbox.h"
#include "fonts.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QScreen>

#include <exception>
#include <utility>

namespace ui {

void runWindowAction(QWidget* from, const std::string& action)
{
    if (auto* w = qobject_cast<PageWindow*>(from->window()))
        w->runAction(action);
}

void adoptFocusChain(QWidget* after, const std::vector<QWidget*>& chain)
{
    if (auto* w = qobject_cast<PageWindow*>(after->window()))
        w->adoptFocusChain(after, chain);
}

namespace {

// The screen's logical dots per inch: 96 unless the desktop scales text.
int screenDpi()
{
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? qRound(s->logicalDotsPerInchY()) : 96;
}

}  // namespace

PageWindow::PageWindow(const WindowDef& def, Build when)
    : Canvas(nullptr, def.colour),
      className_(def.className),
      instance_(def.instance),
      printScaling_(def.printScaling)
{
    setObjectName(QString::fromStdString(def.instance));
    setWindowTitle(QString::fromStdString(def.title));
    static const QIcon icon(QStringLiteral(":/assets/icon.png"));  // one picture for all windows
    setWindowIcon(icon);

    const int dpi = screenDpi();
    resolution_ = dpi > 0 ? dpi : 96;
    pendingElements_ = def.elements;
    pendingFont_ = def.font;
    scaleElements(pendingElements_, resolution_, 96);
    pendingFont_.px = scaleValue(pendingFont_.px, resolution_, 96);
    designClient_ = QSize(scaleValue(def.clientWidth(), resolution_, 96), scaleValue(def.clientHeight(), resolution_, 96));
    outer_ = QSize(scaleValue(def.outerWidth, resolution_, 96), scaleValue(def.outerHeight, resolution_, 96));
    setFont(toQFont(pendingFont_));
    resize(designClient_);
    if (when == Build::Now)
        ensureBuilt();
    else if (when == Build::FirstPagesNow)
        build(true);
}

void PageWindow::build(bool deferHiddenPages)
{
    built_ = true;
    complete_ = !deferHiddenPages;
    buildElements(this, pendingElements_, colour(), pendingFont_, focusChain_, deferHiddenPages);
    pendingElements_.clear();
    for (std::size_t i = 0; i + 1 < focusChain_.size(); ++i)
        QWidget::setTabOrder(focusChain_[i], focusChain_[i + 1]);
    for (QWidget* w : focusChain_)
        w->installEventFilter(this);
}

void PageWindow::ensureBuilt()
{
    if (!built_)
        build(false);
}

void PageWindow::complete()
{
    ensureBuilt();
    if (complete_)
        return;
    complete_ = true;
    // Building a page or panel may add notebooks and panels: repeat until none waits.
    for (bool more = true; more;) {
        more = false;
        for (Canvas* c : findChildren<Canvas*>())
            more |= c->ensureContent();
        for (Notebook* nb : findChildren<Notebook*>())
            more |= nb->ensureAllPages();
    }
}

void PageWindow::adoptFocusChain(QWidget* after, const std::vector<QWidget*>& chain)
{
    QWidget* previous = after;
    for (QWidget* w : chain) {
        QWidget::setTabOrder(previous, w);
        w->installEventFilter(this);
        focusChain_.push_back(w);
        previous = w;
    }
}

void PageWindow::afterFirstPaint(std::function<void()> run)
{
    afterFirstPaint_ = std::move(run);
}

void PageWindow::paintEvent(QPaintEvent* event)
{
    Canvas::paintEvent(event);
    if (afterFirstPaint_) {
        // Queued, so it runs once this paint has reached the screen.
        QMetaObject::invokeMethod(this, std::exchange(afterFirstPaint_, nullptr), Qt::QueuedConnection);
    }
}

void PageWindow::bind(const std::string& action, std::function<void()> run)
{
    actions_[action] = std::move(run);
}

void PageWindow::runAction(const std::string& action)
{
    const auto it = actions_.find(action);
    if (it == actions_.end())
        return;
    try {
        it->second();
    } catch (const std::exception& e) {
        reportError(this, QString::fromUtf8(e.what()));
    } catch (...) {
        reportError(this, QStringLiteral("Unexpected error"));
    }
}

void PageWindow::showWindow()
{
    ensureBuilt();
    if (!shownBefore_) {
        shownBefore_ = true;
        const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
        move(centredPosition(s ? s->geometry() : QRect(0, 0, 1024, 768), outer_));
    }
    if (isMinimized())
        setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

QPoint PageWindow::centredPosition(const QRect& screen, QSize outer)
{
    return {screen.left() + std::max(0, (screen.width() - outer.width()) / 2),
            screen.top() + std::max(0, (screen.height() - outer.height()) / 2)};
}

void PageWindow::showElement(const QString& name)
{
    QWidget* w = element(name);
    if (!w)
        return;
    if (auto* c = qobject_cast<Canvas*>(w))
        c->ensureContent();
    // An element on a notebook page: select that page first.
    for (QWidget* p = w->parentWidget(); p && p != this; p = p->parentWidget()) {
        if (auto* nb = qobject_cast<Notebook*>(p->parentWidget())) {
            for (int i = 0; i < nb->pageCount(); ++i)
                if (nb->page(i) == p)
                    nb->select(i);
        }
    }
    // Shown in its declared place in the stacking order: later elements stay above it.
    w->show();
}

void PageWindow::hideElement(const QString& name)
{
    if (QWidget* w = element(name))
        w->hide();
}

void PageWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (endsProgram_)
        QCoreApplication::quit();
}

bool PageWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress)
        if (auto* w = qobject_cast<QWidget*>(watched))
            if (handleKey(w, static_cast<QKeyEvent*>(event)))
                return true;
    return Canvas::eventFilter(watched, event);
}

bool PageWindow::handleKey(QWidget* target, QKeyEvent* key)
{
    const bool plain = (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (!plain)
        return false;
    const bool takesText = qobject_cast<EditField*>(target) || qobject_cast<TextBox*>(target);

    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        if (qobject_cast<TextBox*>(target))
            return false;  // a new line, or nothing in a read-only box
        if (auto* b = qobject_cast<QPushButton*>(target)) {
            b->click();
            return true;
        }
        // Enter elsewhere presses the window's visible OK button.
        for (PushButton* b : findChildren<PushButton*>())
            if (b->isOkButton() && b->isVisibleTo(this) && b->isEnabled()) {
                b->click();
                return true;
            }
        return false;
    }

    // An accelerator letter alone works where the focus takes no typed text.
    if (!takesText && !key->text().isEmpty() && key->text().front().isLetterOrNumber()) {
        for (Notebook* nb : findChildren<Notebook*>())
            if (nb->isVisibleTo(this) && nb->selectByAccelerator(key->text().front()))
                return true;
    }
    return false;
}

}  // namespace ui
