#pragma once

#include <gtest/gtest.h>

#include "tests/qt/modal_answerer.h"
#include "tests/qt/qt_form.h"

namespace petcalc::testing {

// The fixture of every Qt window test: a fresh real window whose real dialogs the answerer
// answers, or, made with kScripted, whose dialogs a script stands in for.
class QtFormTest : public ::testing::Test, public QtForm {
 protected:
  explicit QtFormTest(Dialogs dialogs = Dialogs::kReal) : QtForm(dialogs) {}

  ModalAnswerer answerer_;
};

}  // namespace petcalc::testing
