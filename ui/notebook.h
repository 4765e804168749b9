// Corvalle Lyrabel — the notebook: a tab strip over a stack of pages.
#pragma once

#include "canvas.h"

#include <QWidget>

#include <functional>
#include <vector>

class QPainter;
class QToolButton;

namespace ui {

// ----------------------------------------------------------------- Notebook
// The tab strip: one row of tabs, each as wide as its caption plus a margin.
// When the row is wider than the strip, two arrows at its right end scroll it
// by one tab without changing the selected page. Left/Up before the first tab
// selects the last, Right/Down after the last selects the first. "&" marks an
// accelerator letter, shown underlined.
class TabStrip : public QWidget {
    Q_OBJECT
public:
    TabStrip(QWidget* parent, int rowHeight);

    void addTab(const QString& caption);
    int count() const { return static_cast<int>(tabs_.size()); }
    QString tabText(int index) const { return tabs_.at(static_cast<std::size_t>(index)).caption; }
    // The tab's box in strip coordinates when not selected (tabs scrolled out lie left of 0).
    QRect tabRect(int index) const;
    int currentIndex() const { return current_; }
    void setCurrentIndex(int index);
    int firstShown() const { return first_; }
    // The accelerator letter of a caption ("&Welcome" → 'W'), or 0.
    static QChar accelerator(const QString& caption);

signals:
    void currentChanged(int index);

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void keyPressEvent(QKeyEvent*) override;
    bool event(QEvent*) override;

private:
    struct Tab { QString caption; int width; int shortcut; };
    int stripWidth() const;
    int tabsRight() const;        // right edge the tabs may use (left of the arrows)
    bool overflows() const;
    void scrollBy(int tabs);
    void makeShown(int index);
    void updateArrows();
    void paintTab(QPainter& p, int index, bool selected);
    std::vector<Tab> tabs_;
    int current_ = -1;
    int first_ = 0;               // first tab shown at the left end
    int rowHeight_;
    QToolButton* left_;
    QToolButton* right_;
};

class Notebook : public QWidget {
    Q_OBJECT
public:
    Notebook(QWidget* parent, Colour colour, Font tabFont, int stripHeight);

    Canvas* addPage(const std::string& caption, Colour colour);
    int pageCount() const { return static_cast<int>(pages_.size()); }
    Canvas* page(int index) const { return pages_.at(static_cast<std::size_t>(index)); }
    int currentIndex() const;
    void select(int index);
    TabStrip* strip() const { return strip_; }
    int stripHeight() const { return stripHeight_; }
    // Selects the page whose caption has this accelerator; false if none has it.
    bool selectByAccelerator(QChar letter);

    // A page whose elements are built when it is first shown, or by ensureAllPages().
    void deferPage(int index, std::function<void()> build);
    bool ensureAllPages();  // true if it built something

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;

private:
    void showPage(int index);
    bool ensurePage(int index);
    TabStrip* strip_;
    std::vector<std::function<void()>> pendingPages_;
    std::vector<Canvas*> pages_;
    Colour colour_;
    int stripHeight_;
    int shown_ = -1;
};

}  // namespace ui
