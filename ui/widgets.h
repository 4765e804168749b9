// Corvalle Lyrabel — the live widgets the engine builds from elements.
//
// Sections: Canvas (window client, notebook page, panel) · Notebook and its
// tab strip · edit field · text box · tick box · push button
#pragma once

#include "element.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QWidget>

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
    class QToolButton* left_;
    class QToolButton* right_;
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

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;

private:
    void showPage(int index);
    TabStrip* strip_;
    std::vector<Canvas*> pages_;
    Colour colour_;
    int stripHeight_;
    int shown_ = -1;
};

// --------------------------------------------------------------- edit field
// One line, no length limit; focus from the keyboard selects the whole text.
class EditField : public QLineEdit {
    Q_OBJECT
public:
    explicit EditField(QWidget* parent);

protected:
    void focusInEvent(QFocusEvent*) override;
};

// ----------------------------------------------------------------- text box
// Word-wrapped paragraphs at the design's fixed line height.
class TextBox : public QTextEdit {
    Q_OBJECT
public:
    TextBox(QWidget* parent, const Element& e, const Font& font, Colour background);
    QString text() const { return toPlainText(); }

private:
    int lineHeight_;
};

// ----------------------------------------------------------------- tick box
// A 13×13 box at the left, centred vertically, caption to its right, all cut
// by the element's box.
class TickBox : public QAbstractButton {
    Q_OBJECT
public:
    TickBox(QWidget* parent, const std::string& caption, const Font& font, Colour background);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    Font font_;
    Colour background_;
};

// -------------------------------------------------------------- push button
class PushButton : public QPushButton {
    Q_OBJECT
public:
    PushButton(QWidget* parent, const Element& e, const Font& font);
    bool isOkButton() const { return ok_; }

private:
    bool ok_;
};

}  // namespace ui
