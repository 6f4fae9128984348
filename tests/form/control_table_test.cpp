#include "form/control_table.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace petcalc::form {
namespace {

TEST(ControlIndex, FindsAControlAndRefusesAMisspeltName) {
  EXPECT_EQ(kForm1Controls[ControlIndex("Command2")].caption, u"预 测");
  EXPECT_THROW(ControlIndex("Text99"), std::out_of_range);
  EXPECT_THROW(ControlIndex("text1"), std::out_of_range);
}

}  // namespace
}  // namespace petcalc::form
