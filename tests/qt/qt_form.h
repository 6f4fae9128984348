#pragma once

#include <QString>
#include <array>
#include <memory>
#include <string_view>

#include "form/controls.h"
#include "qt/form1.h"
#include "tests/support/scripted_runtime.h"

namespace petcalc::testing {

// The real Qt window, driven as a player drives it: typing with key events, clicking with the
// mouse. Shared by the window tests and the window benchmarks.
class QtForm {
 public:
  // Whose dialogs the clicks show: the window's real ones, or a script's over its real boxes.
  enum class Dialogs { kReal, kScripted };

  explicit QtForm(Dialogs dialogs = Dialogs::kReal);
  ~QtForm();
  QtForm(const QtForm&) = delete;
  QtForm& operator=(const QtForm&) = delete;

  qt::Form1& window() const { return *window_; }
  // The widget of a control, typed by its kind (a form::TextBox's QLineEdit).
  template <typename Typed>
  auto* Control(Typed control) const {
    return window_->control(control);
  }
  QString Text(form::TextBox box) const;
  // The script that answers and logs the clicks' dialogs, of a window made with kScripted.
  ScriptedRuntime& script() const { return *script_; }

  // Replaces a box's text key by key, as typing does; what no key types comes from an input
  // method, as a Chinese keyboard's full-width digits do.
  void Type(form::TextBox box, const QString& text);
  // Replaces a box's text at once, as a paste does.
  void Put(form::TextBox box, const QString& text);
  // Puts the first stats of `stats` into Text1 onwards.
  void PutStats(const std::array<std::u16string_view, 12>& stats, std::size_t count = 12);
  void Click(form::Control control);
  // Shows the window and waits until it is the active one; false if it never is.
  bool ShowAndActivate();

 private:
  ScriptedRuntime* script_ = nullptr;  // made and owned by the window; before it, so set by it
  std::unique_ptr<qt::Form1> window_;
};

}  // namespace petcalc::testing
