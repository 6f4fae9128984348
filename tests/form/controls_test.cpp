#include "form/controls.h"

#include <gtest/gtest.h>

#include <string>

#include "form/layout.h"
#include "form/logo.h"
#include "form/tab_order.h"
#include "tests/support/boxes.h"

namespace petcalc::form {
namespace {

TEST(TabOrder, WalksTheButtonsAndBoxesByTabIndexFromTheFirstButton) {
  std::string order;
  for (const Control control : TabOrder()) order += std::string(control.name()) + " ";
  EXPECT_EQ(order, std::string(testing::kExpectedTabOrder) + " ");
  EXPECT_EQ(kFirstFocus, Command1);
}

TEST(Controls, EachConstantIsItsOwnRowAndEveryRowHasOne) {
  EXPECT_EQ(Text14.name(), "Text14");
  EXPECT_EQ(Command2.description().caption, u"预 测");
  EXPECT_EQ(Image1.description().kind, ControlKind::kPicture);
  const auto all = Control::All();
  for (std::size_t row = 0; row < all.size(); ++row) {
    EXPECT_EQ(all[row].row(), row);
    EXPECT_EQ(Control::AtRow(row), all[row]);
  }
}

TEST(Layout, ScalesEachMeasureOnItsOwn) {
  const struct {
    Control control;
    int dpi;
    PixelRect pixels;
  } cases[] = {
      {Text1, 96, {64, 32, 57, 18}},     {Text1, 192, {128, 64, 114, 36}},
      {Text1, 144, {96, 48, 85, 27}},    {Text26, 120, {80, 200, 91, 22}},
      {Image1, 96, {144, 120, 113, 57}}, {Command2, 144, {504, 192, 97, 85}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.control.name() << " at " << c.dpi);
    EXPECT_EQ(PixelsOf(c.control, c.dpi), c.pixels);
  }
  EXPECT_EQ(ClientSize(), (PixelSize{409, 188}));
  EXPECT_EQ(ClientSize(192), (PixelSize{818, 376}));
}

TEST(Logo, TheNextLargerRenditionServesEachDensity) {
  EXPECT_EQ(kLogoSize, (PixelSize{113, 57}));
  const struct {
    int dpi, density;
  } cases[] = {{72, 1},  {96, 1},  {97, 2},  {120, 2}, {144, 2},
               {192, 2}, {193, 3}, {288, 3}, {480, 3}};
  for (const auto& c : cases) EXPECT_EQ(LogoDensity(c.dpi), c.density) << c.dpi;
}

}  // namespace
}  // namespace petcalc::form
