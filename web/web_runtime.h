#pragma once

#include "runtime/forms_runtime.h"

namespace petcalc::web {

// The runtime over the page: the text of its input boxes, and its three HTML dialogs, each
// awaited through Asyncify so that a click runs as it does on the desktop, its dialogs modal.
// The page's script (app.js) answers the calls through Module.page.
class WebRuntime : public FormsRuntime {
 public:
  std::u16string GetText(form::TextBox box) override;
  void SetText(form::TextBox box, std::u16string_view text) override;

  std::u16string InputBox(std::u16string_view prompt, std::u16string_view title) override;
  void MsgBox(std::u16string_view prompt, std::u16string_view title) override;
  void ReportError(std::u16string_view text) override;
};

}  // namespace petcalc::web
