#pragma once

#include <string>
#include <string_view>

#include "runtime/forms_runtime.h"

namespace petcalc::web {

// The page's runtime with the window's memory: before each dialog, `keep` hands the page the
// sheet as it stands, since a module suspended in a dialog cannot be asked for it, and the tab
// may be let go while the dialog waits.
class KeepingRuntime : public FormsRuntime {
 public:
  KeepingRuntime(FormsRuntime& page, void (*keep)()) : page_(page), keep_(keep) {}

  std::u16string GetText(form::TextBox box) override { return page_.GetText(box); }
  void SetText(form::TextBox box, std::u16string_view text) override { page_.SetText(box, text); }

  std::u16string InputBox(std::u16string_view prompt, std::u16string_view title) override {
    keep_();
    return page_.InputBox(prompt, title);
  }
  void MsgBox(std::u16string_view prompt, std::u16string_view title) override {
    keep_();
    page_.MsgBox(prompt, title);
  }
  void ReportError(std::u16string_view text) override {
    keep_();
    page_.ReportError(text);
  }

 private:
  FormsRuntime& page_;
  void (*keep_)();
};

}  // namespace petcalc::web
