// Corvalle Lyrabel — the input widgets: edit field, text box, tick box, push button.
#pragma once

#include "element.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>

namespace ui {

// --------------------------------------------------------------- edit field
// One line, no length limit; moving the focus to it (not by a click, nor by
// coming back to its window) selects the whole text.
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
