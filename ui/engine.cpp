// Corvalle Lyrabel — the element engine.
//
// One pass creates the real widgets in declaration order (so later window
// elements stack above earlier ones, and all of them above the container's
// drawn elements), resolves inherited colours and fonts, sizes labels to their
// text, registers aligned elements with their container and collects the
// keyboard order.
#include "engine.h"

#include "fonts.h"
#include "widgets.h"

#include <QTextStream>

#include <algorithm>

namespace ui {

// Defined with the window: runs a named action of the widget's window.
void runWindowAction(QWidget* from, const std::string& action);
// Defined with the window: joins the focusable widgets of a page built late
// to the window's keyboard order, right after `after`.
void adoptFocusChain(QWidget* after, const std::vector<QWidget*>& chain);

namespace {

struct Focusable {
    int order;                    // tab position, or declaration index
    int declared;
    std::vector<QWidget*> chain;  // the element itself and what it contains
};

Colour backgroundOf(const Element& e, Colour inherited)
{
    if (e.colour)
        return *e.colour;
    switch (e.kind) {
    case Kind::TextBox:
    case Kind::Edit: return windowColour;
    case Kind::Panel: return buttonFace;
    default: return inherited;
    }
}

void setGeometryOf(QWidget* w, const Rect& r)
{
    w->setGeometry(r.x, r.y, r.w, r.h);
}

}  // namespace

void buildElements(Canvas* c, const Elements& elements, Colour colour, const Font& font,
                   std::vector<QWidget*>& focusChain, bool deferHiddenPages)
{
    std::vector<Focusable> focusables;
    int declared = 0;
    for (const Element& e : elements) {
        const Font f = e.ownFont.value_or(font);
        const Colour bg = backgroundOf(e, colour);
        const int order = e.tabPosition >= 0 ? e.tabPosition : declared;
        ++declared;

        if (isDrawn(e.kind)) {
            c->addDrawn(Canvas::Drawn{e, f, bg});
            if (e.align != Align::None)
                c->addAligned(e.align, c->drawn().back().element.box, static_cast<int>(c->drawn().size()) - 1, nullptr);
            continue;
        }

        QWidget* w = nullptr;
        Focusable item{order, declared, {}};
        switch (e.kind) {
        case Kind::TextBox:
            w = new TextBox(c, e, f, bg);
            item.chain.push_back(w);
            break;
        case Kind::Edit: {
            auto* edit = new EditField(c);
            edit->setText(QString::fromStdString(e.caption));
            edit->setFont(toQFont(f));
            QPalette pal = edit->palette();
            pal.setColor(QPalette::Base, toQColor(bg));
            pal.setColor(QPalette::Text, toQColor(f.colour));
            // While another window is active the field has no focus: its
            // selection, kept for when the learner comes back, does not show.
            pal.setColor(QPalette::Inactive, QPalette::Highlight, toQColor(bg));
            pal.setColor(QPalette::Inactive, QPalette::HighlightedText, toQColor(f.colour));
            edit->setPalette(pal);
            edit->setCursorPosition(0);
            w = edit;
            item.chain.push_back(w);
            break;
        }
        case Kind::Check:
            w = new TickBox(c, e.caption, f, bg);
            item.chain.push_back(w);
            break;
        case Kind::Button:
            w = new PushButton(c, e, f);
            if (!e.action.empty()) {
                const std::string action = e.action;
                QObject::connect(static_cast<PushButton*>(w), &QPushButton::clicked, w,
                                 [w, action] { runWindowAction(w, action); });
            }
            item.chain.push_back(w);
            break;
        case Kind::Panel: {
            auto* p = new Canvas(c, bg);
            p->makePanel(e.bevel, e.caption, f, e.action);
            setGeometryOf(p, e.box);
            if (deferHiddenPages && !e.visible) {
                // A hidden overlay panel is built when first shown.
                p->deferContent([p, children = e.children, bg, f] {
                    std::vector<QWidget*> chain;
                    buildElements(p, children, bg, f, chain);
                    if (!chain.empty())
                        adoptFocusChain(p, chain);
                });
            } else {
                buildElements(p, e.children, bg, f, item.chain);
            }
            w = p;
            break;
        }
        case Kind::Notebook: {
            auto* nb = new Notebook(c, bg, e.tabFont.value_or(f), e.tabStripHeight);
            setGeometryOf(nb, e.box);
            item.chain.push_back(nb->strip());
            for (const Element& pg : e.children) {
                const Colour pageColour = pg.colour.value_or(bg);
                const Font pageFont = pg.ownFont.value_or(f);
                Canvas* page = nb->addPage(pg.caption, pageColour);
                if (!pg.name.empty())
                    page->setObjectName(QString::fromStdString(pg.name));
                page->setGeometry(4, e.tabStripHeight, e.box.w - 8, e.box.h - e.tabStripHeight - 4);
                if (!deferHiddenPages || nb->pageCount() == 1) {
                    buildElements(page, pg.children, pageColour, pageFont, item.chain);
                    continue;
                }
                nb->deferPage(nb->pageCount() - 1, [nb, page, children = pg.children, pageColour, pageFont] {
                    std::vector<QWidget*> chain;
                    buildElements(page, children, pageColour, pageFont, chain);
                    adoptFocusChain(nb->strip(), chain);
                });
            }
            w = nb;
            break;
        }
        default:
            break;
        }
        if (!w)
            continue;
        if (!e.name.empty())
            w->setObjectName(QString::fromStdString(e.name));
        setGeometryOf(w, e.box);
        if (!e.visible)
            w->hide();
        if (e.align != Align::None)
            c->addAligned(e.align, e.box, -1, w);
        if (!item.chain.empty())
            focusables.push_back(std::move(item));
    }
    c->relayout();

    std::stable_sort(focusables.begin(), focusables.end(),
                     [](const Focusable& a, const Focusable& b) { return a.order < b.order; });
    for (const Focusable& f : focusables)
        focusChain.insert(focusChain.end(), f.chain.begin(), f.chain.end());
}

int scaleValue(int v, int num, int den)
{
    // Rounded like the platform's MulDiv: halves away from zero.
    const long long p = static_cast<long long>(v) * num;
    const long long q = den;
    return static_cast<int>(p >= 0 ? (p + q / 2) / q : -((-p + q / 2) / q));
}

void scaleElements(Elements& elements, int num, int den)
{
    if (num == den)
        return;
    for (Element& e : elements) {
        e.box = {scaleValue(e.box.x, num, den), scaleValue(e.box.y, num, den),
                 scaleValue(e.box.w, num, den), scaleValue(e.box.h, num, den)};
        if (e.ownFont)
            e.ownFont->px = scaleValue(e.ownFont->px, num, den);
        if (e.tabFont)
            e.tabFont->px = scaleValue(e.tabFont->px, num, den);
        e.tabStripHeight = scaleValue(e.tabStripHeight, num, den);
        scaleElements(e.children, num, den);
    }
}

namespace {

QString colourText(Colour c)
{
    switch (c.system) {
    case SystemColour::Window: return QStringLiteral("window");
    case SystemColour::WindowText: return QStringLiteral("windowtext");
    case SystemColour::ButtonFace: return QStringLiteral("buttonface");
    case SystemColour::ButtonText: return QStringLiteral("buttontext");
    case SystemColour::None: break;
    }
    return QStringLiteral("#%1").arg(c.rgb, 6, 16, QLatin1Char('0')).toUpper();
}

QString fontText(const Font& f)
{
    static const char* families[] = {"TNR", "Arial", "MSSans"};
    return QStringLiteral("%1 %2%3%4 %5")
        .arg(QLatin1String(families[static_cast<int>(f.family)]))
        .arg(f.px)
        .arg(f.bold ? QStringLiteral(" bold") : QString())
        .arg(f.italic ? QStringLiteral(" italic") : QString())
        .arg(colourText(f.colour));
}

void dumpCanvas(QTextStream& out, Canvas* c, QWidget* window, int depth);

void dumpWidget(QTextStream& out, QWidget* w, QWidget* window, int depth)
{
    const QString indent(depth * 2, u' ');
    const QPoint at = w->mapTo(window, QPoint(0, 0));
    const QString box = QStringLiteral("(%1,%2) %3x%4").arg(at.x()).arg(at.y()).arg(w->width()).arg(w->height());
    const QString name = w->objectName().isEmpty() ? QString() : QStringLiteral(" '%1'").arg(w->objectName());
    const QString hidden = w->isHidden() ? QStringLiteral(" hidden") : QString();
    if (auto* nb = qobject_cast<Notebook*>(w)) {
        out << indent << "notebook" << name << ' ' << box << hidden << '\n';
        for (int i = 0; i < nb->pageCount(); ++i) {
            out << indent << "  page \"" << nb->strip()->tabText(i) << "\"\n";
            dumpCanvas(out, nb->page(i), window, depth + 2);
        }
    } else if (auto* c = qobject_cast<Canvas*>(w)) {
        out << indent << "panel" << name << ' ' << box << hidden << " bg " << colourText(c->colour())
            << (c->caption().empty() ? QString() : QStringLiteral(" \"%1\"").arg(QString::fromStdString(c->caption())))
            << '\n';
        dumpCanvas(out, c, window, depth + 1);
    } else if (auto* e = qobject_cast<EditField*>(w)) {
        out << indent << "edit" << name << ' ' << box << hidden << " \"" << e->text() << "\"\n";
    } else if (auto* t = qobject_cast<TextBox*>(w)) {
        out << indent << "textbox" << name << ' ' << box << hidden << (t->isReadOnly() ? " readonly" : "")
            << " \"" << t->text().replace(u'\n', QStringLiteral("\\n")) << "\"\n";
    } else if (auto* k = qobject_cast<TickBox*>(w)) {
        out << indent << "check" << name << ' ' << box << hidden << (k->isChecked() ? " ticked" : "") << '\n';
    } else if (auto* b = qobject_cast<PushButton*>(w)) {
        out << indent << "button" << name << ' ' << box << hidden << " \"" << b->text() << "\""
            << (b->isOkButton() ? " ok" : "") << '\n';
    }
}

void dumpCanvas(QTextStream& out, Canvas* c, QWidget* window, int depth)
{
    const QString indent(depth * 2, u' ');
    const QPoint origin = c->mapTo(window, QPoint(0, 0));
    for (const Canvas::Drawn& d : c->drawn()) {
        const Element& e = d.element;
        const QString box = QStringLiteral("(%1,%2) %3x%4").arg(origin.x() + e.box.x).arg(origin.y() + e.box.y).arg(e.box.w).arg(e.box.h);
        const QString name = e.name.empty() ? QString() : QStringLiteral(" '%1'").arg(QString::fromStdString(e.name));
        const QString hidden = e.visible ? QString() : QStringLiteral(" hidden");
        switch (e.kind) {
        case Kind::Shape: {
            static const char* forms[] = {"rect", "circle", "ellipse", "roundrect"};
            static const char* fills[] = {"solid", "none", "hatch"};
            out << indent << "shape" << name << ' ' << box << hidden << ' ' << forms[static_cast<int>(e.form)]
                << " fill " << colourText(e.fill) << ' ' << fills[static_cast<int>(e.fillStyle)] << " pen "
                << colourText(e.outline) << ' ' << e.outlineWidth << '\n';
            break;
        }
        case Kind::Label:
            out << indent << "label" << name << ' ' << box << hidden << " bg " << colourText(d.background) << ' '
                << fontText(d.font) << " \"" << QString::fromStdString(e.caption) << "\"\n";
            break;
        case Kind::Picture:
            out << indent << "picture" << name << ' ' << box << hidden << ' ' << QString::fromStdString(e.image)
                << (e.stretch ? " stretched" : "") << '\n';
            break;
        default: break;
        }
    }
    for (QObject* o : c->children())
        if (auto* w = qobject_cast<QWidget*>(o))
            dumpWidget(out, w, window, depth);
}

}  // namespace

QString dumpElements(QWidget* window)
{
    QString text;
    QTextStream out(&text);
    if (auto* c = qobject_cast<Canvas*>(window))
        dumpCanvas(out, c, window, 0);
    return text;
}

}  // namespace ui
