#pragma once

#include <QString>

class QWidget;

namespace petcalc::qt {

// The three dialogs as real modal Qt dialogs over `owner`, their buttons captioned in Chinese
// whatever the system language. A held Enter confirms none of them.

// The prompt with an empty field, "确定" and "取消": the typed text, or the empty text on cancel
// or close.
QString AskText(QWidget* owner, const QString& prompt, const QString& title);

// A message with one "确定" and no icon.
void ShowMessage(QWidget* owner, const QString& prompt, const QString& title);

// An error with one "确定" and the critical icon.
void ShowError(QWidget* owner, const QString& text, const QString& title);

}  // namespace petcalc::qt
