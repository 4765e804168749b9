// Corvalle Lyrabel — the one error box every failed user action ends in.
#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace ui {

inline constexpr const char* applicationTitle = "Corvalle Lyrabel";

// The error text as shown: a period is added when the last character's code
// is above that of the period (letters, digits and most signs).
QString withPeriod(const QString& text);

// Shows the error box: title "Corvalle Lyrabel", error icon, OK.
void reportError(QWidget* parent, const QString& text);

// Tests may watch reported errors; the box is still shown unless `showBox` is false.
void setErrorWatcher(std::function<void(const QString& shown)> watcher, bool showBox);

}  // namespace ui
