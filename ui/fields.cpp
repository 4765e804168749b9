// Corvalle Lyrabel — the input widgets.
#include "fields.h"

#include "fonts.h"

#include <QFocusEvent>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>

#include <climits>

namespace ui {

// --------------------------------------------------------------- edit field

EditField::EditField(QWidget* parent) : QLineEdit(parent)
{
    setMaxLength(INT_MAX);
    setFocusPolicy(Qt::StrongFocus);
}

void EditField::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    // Moving to the field (Tab, a page change...) selects its text so typing
    // replaces it; a click places the caret, and coming back to the window
    // keeps the caret where it was, so typing goes on from there.
    switch (event->reason()) {
    case Qt::MouseFocusReason:
    case Qt::PopupFocusReason:
    case Qt::ActiveWindowFocusReason:
        break;
    default:
        selectAll();
    }
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
    // Sunken 13×13 box: shadow and dark edges top-left, light and face edges
    // bottom-right, so the box shows on a white key as well as on a black one.
    p.fillRect(0, top, 13, 13, pal.color(QPalette::Light));
    p.fillRect(1, top + 1, 11, 11, pal.color(QPalette::Button));
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
