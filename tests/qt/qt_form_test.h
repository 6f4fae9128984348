#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "tests/qt/modal_answerer.h"
#include "tests/qt/qt_form.h"
#include "tests/support/scripted_runtime.h"

namespace petcalc::testing {

// The fixture of every Qt window test: a fresh real window whose real dialogs the answerer
// answers, or, once ScriptDialogs is called, whose dialogs a script stands in for.
class QtFormTest : public ::testing::Test, public QtForm {
 protected:
  // From now on the clicks' dialogs are scripted and logged; box text stays the window's.
  ScriptedRuntime& ScriptDialogs() {
    script_ = std::make_unique<ScriptedRuntime>(window().runtime());
    window().runClicksOn(*script_);
    return *script_;
  }

  ModalAnswerer answerer_;

 private:
  std::unique_ptr<ScriptedRuntime> script_;
};

}  // namespace petcalc::testing
