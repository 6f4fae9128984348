// Writes the page's form from the form's table and grid, when the site is built:
//   page_writer <static folder> <output folder>
// <output>/index.html: the static index.html with its form, its controls and its dialogs filled
// in; <output>/petcalc.css, the page's style, written into the page: base.css and dialogs.css,
// then the form's own layout (form-layout.css and each control's place) where the form fits and a
// mouse points, and the layout for a finger (touch-layout.css, touch-dialogs.css and the grid's
// areas) elsewhere; <output>/book.css, the book's style under the same two conditions. Run under
// Node, with the real file system.
#include <algorithm>
#include <fstream>
#include <iostream>
#include <span>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "form/controls.h"
#include "form/dialog_captions.h"
#include "form/fonts.h"
#include "form/grid.h"
#include "form/layout.h"
#include "form/logo.h"
#include "form/stats.h"
#include "form/tab_order.h"
#include "web/html.h"

namespace petcalc::web {
namespace {

using form::ControlKind;
using form::ControlRow;

// The body's margin around the form, in CSS pixels.
constexpr int kPageMargin = 8;
// The narrowest page on which a stat's four boxes stand on one line in the touch layout, each
// wide enough for the eleven characters of the longest whole number.
constexpr int kOneLinePerStatWidth = 560;

std::string Px(int pixels) { return std::to_string(pixels) + "px"; }

// The page's media conditions: the form's own layout where the form fits at its own size and the
// pointer is fine (or absent), the touch layout where it does not fit or the pointer is coarse.
std::string FitsWidth() {
  return "(min-width: " + Px(form::ClientSize().width + 2 * kPageMargin) + ")";
}
std::string FormLayout() {
  return FitsWidth() + " and (pointer: fine), " + FitsWidth() + " and (pointer: none)";
}
std::string TouchLayout() {
  return "(max-width: " + std::to_string(form::ClientSize().width + 2 * kPageMargin - 1) +
         ".98px), (pointer: coarse)";
}
std::string WideTouchLayout() {
  return "(pointer: coarse) and (min-width: " + Px(kOneLinePerStatWidth) + ")";
}

std::string Attribute(std::string_view name, std::string_view value) {
  return " " + std::string(name) + "=\"" + std::string(value) + "\"";
}

std::string BoxHtml(const ControlRow& row, const std::string& common) {
  const std::string typed =
      row.read_only ? " readonly"
                    // A decimal keypad, whose action key moves on.
                    : Attribute("inputmode", "decimal") + Attribute("enterkeyhint", "next");
  return "<input class=\"box\" type=\"text\"" + common +
         Attribute("aria-label", Escaped(row.accessible_name)) +
         " autocomplete=\"off\" spellcheck=\"false\"" + typed + ">";
}

std::string PictureHtml(const ControlRow& row, const std::string& common) {
  std::string srcset;
  for (std::size_t i = 1; i < form::kLogoRenditions.size(); ++i) {
    srcset += (i > 1 ? ", " : "") + std::string(form::kLogoRenditions[i]) + " " +
              std::to_string(i + 1) + "x";
  }
  return "<img class=\"picture\"" + common + Attribute("src", form::kLogoRenditions[0]) +
         Attribute("srcset", srcset) + Attribute("width", std::to_string(form::kLogoSize.width)) +
         Attribute("height", std::to_string(form::kLogoSize.height)) +
         Attribute("alt", Escaped(row.accessible_name)) + Attribute("elementtiming", "logo") + ">";
}

// The row of the form's grid a box stands in (the four rows, then the sums), for the page to say
// a row's boxes together.
int GridRowOf(form::Control box) {
  int index = 0;
  for (const form::GridRow& row : form::kGridRows) {
    if (std::find(row.cells.begin(), row.cells.end(), box) != row.cells.end()) return index;
    ++index;
  }
  for (const form::SumRow& sum : form::kSumRows) {
    if (sum.box == box) return index;
    ++index;
  }
  return -1;
}

std::string ControlHtml(const form::Control control) {
  const ControlRow& row = control.description();
  std::string common =
      Attribute("id", row.name) + Attribute("data-row", std::to_string(control.row()));
  if (row.kind == ControlKind::kTextBox) {
    common += Attribute("data-grid-row", std::to_string(GridRowOf(control)));
    for (std::size_t stat = 0; stat < form::kStatBoxCount; ++stat) {
      if (form::StatBox(stat) == control) common += Attribute("data-stat", std::to_string(stat));
    }
    if (control == form::kTargetLevelBox) common += " data-target-level";
  }
  if (control == form::kFirstFocus) common += " data-first-focus";
  switch (row.kind) {
    case ControlKind::kLabel:
      return "<span class=\"label\"" + common + ">" + Escaped(row.caption) + "</span>";
    case ControlKind::kTextBox:
      return BoxHtml(row, common);
    case ControlKind::kPushButton:
      // Busy until the calculator is ready: the page's script says when.
      return "<button class=\"button\" type=\"button\"" + common + " aria-disabled=\"true\">" +
             Escaped(row.caption) + "</button>";
    case ControlKind::kPicture:
      return PictureHtml(row, common);
  }
  return {};
}

// The tab stops first, in tab order, so that the document's order is the order Tab walks and a
// screen reader reads; then the labels and the picture, which take no focus.
std::string Controls() {
  std::string html;
  for (const form::Control control : form::TabOrder()) html += "    " + ControlHtml(control) + "\n";
  for (const form::Control control : form::Control::All()) {
    const ControlKind kind = control.description().kind;
    if (kind == ControlKind::kLabel || kind == ControlKind::kPicture) {
      html += "    " + ControlHtml(control) + "\n";
    }
  }
  return html;
}

std::string FacesCss(std::span<const std::u16string_view> faces) {
  std::string css;
  for (const std::u16string_view face : faces)
    css += (css.empty() ? "\"" : ", \"") + ToUtf8(face) + "\"";
  return css;
}

// The form's fonts, for every rule to use.
std::string FontsCss() {
  return ":root {\n  --ui-faces: " + FacesCss(form::kInterfaceFaces) +
         ";\n  --ui-size: " + Px(form::PointsToPixels(form::kInterfacePointSize)) +
         ";\n  --button-faces: " + FacesCss(form::kButtonFaces) +
         ";\n  --button-size: " + Px(form::PointsToPixels(form::kButtonPointSize)) + ";\n}\n";
}

// Each control's place in the form's own layout, and its grid area, named after it, in the
// touch layout.
std::string ControlsCss() {
  const form::PixelSize client = form::ClientSize();
  std::string css = ".form { --form-width: " + Px(client.width) +
                    "; --form-height: " + Px(client.height) + "; }\n";
  for (const form::Control control : form::Control::All()) {
    const form::PixelRect r = form::PixelsOf(control);
    css += "#" + std::string(control.name()) + " { --left: " + Px(r.left) +
           "; --top: " + Px(r.top) + ";";
    if (!control.description().auto_size) {
      css += " --width: " + Px(r.width) + "; --height: " + Px(r.height) + ";";
    }
    if (control == form::kStackedBelowAll) css += " --stack: 0;";
    css += " grid-area: " + std::string(control.name()) + "; }\n";
  }
  return css;
}

using Line = std::vector<std::string_view>;

// The touch layout's lines, the grid turned: the logo, the form's rows' headings over their
// columns, then each stat headed by its label with its boxes of the form's rows, `per_line` of
// them a line; then the sums across the value columns, and the buttons under them.
std::vector<Line> TouchLines(std::size_t per_line) {
  const std::size_t columns = per_line + 1;
  std::vector<Line> lines = {Line(columns, form::Image1.name())};
  for (std::size_t first = 0; first < form::kGridRows.size(); first += per_line) {
    Line headings = {"."};
    for (std::size_t row = first; row < first + per_line; ++row) {
      headings.push_back(form::kGridRows[row].heading.name());
    }
    lines.push_back(headings);
  }
  for (std::size_t stat = 0; stat < form::kStatCount; ++stat) {
    for (std::size_t first = 0; first < form::kGridRows.size(); first += per_line) {
      Line line = {form::kColumnHeadings[stat].name()};
      for (std::size_t row = first; row < first + per_line; ++row) {
        line.push_back(form::kGridRows[row].cells[stat].name());
      }
      lines.push_back(line);
    }
  }
  for (const form::SumRow& sum : form::kSumRows) {
    Line line = {sum.heading.name(), sum.box.name(), sum.box.name()};
    line.resize(columns, ".");
    lines.push_back(line);
  }
  Line buttons = {"."};
  for (std::size_t i = 0; i < per_line; ++i) {
    buttons.push_back(form::kButtons[i * form::kButtons.size() / per_line].name());
  }
  lines.push_back(buttons);
  return lines;
}

std::string GridCss(std::size_t per_line) {
  std::string css = ".form {\n  grid-template-columns: max-content repeat(" +
                    std::to_string(per_line) + ", minmax(0, 1fr));\n  grid-template-areas:";
  for (const Line& line : TouchLines(per_line)) {
    css += "\n    \"";
    for (const std::string_view cell : line)
      css += (css.back() == '"' ? "" : " ") + std::string(cell);
    css += "\"";
  }
  return css + ";\n}\n";
}

std::string Read(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

bool Write(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary);
  out << text;
  return static_cast<bool>(out);
}

std::string Media(const std::string& condition, const std::string& rules) {
  return "\n@media " + condition + " {\n" + rules + "}\n";
}

std::string PageStyle(const std::string& static_folder) {
  return FontsCss() + "\n" + Read(static_folder + "/base.css") +
         Read(static_folder + "/dialogs.css") + "\n" + ControlsCss() +
         Media(FormLayout(), Read(static_folder + "/form-layout.css")) +
         Media(TouchLayout(), Read(static_folder + "/touch-layout.css") +
                                  Read(static_folder + "/touch-dialogs.css") + GridCss(2)) +
         Media(WideTouchLayout(), GridCss(form::kGridRows.size()));
}

// The book's style (book.css), then its table where the form's own layout applies and its list
// where the touch layout does.
std::string BookStyle(const std::string& static_folder) {
  return Read(static_folder + "/book.css") +
         Media(FormLayout(), Read(static_folder + "/book-table.css")) +
         Media(TouchLayout(), Read(static_folder + "/book-list.css"));
}

// Replaces each {{NAME}} of the template.
std::string Fill(std::string page) {
  const std::pair<std::string, std::string> values[] = {
      {"{{TITLE}}", Escaped(form::kForm1Title)},
      {"{{FORM}}", std::string(form::kForm1Name)},
      {"{{CONTROLS}}", Controls()},
      {"{{OK}}", Escaped(form::kOkCaption)},
      {"{{CANCEL}}", Escaped(form::kCancelCaption)},
  };
  for (const auto& [key, value] : values) {
    for (std::size_t at; (at = page.find(key)) != std::string::npos;) {
      page.replace(at, key.size(), value);
    }
  }
  return page;
}

}  // namespace
}  // namespace petcalc::web

int main(int argc, char** argv) {
  using namespace petcalc::web;
  if (argc != 3) {
    std::cerr << "usage: page_writer <static folder> <output folder>\n";
    return 2;
  }
  const std::string static_folder = argv[1];
  const std::string out = argv[2];
  const bool written = Write(out + "/index.html", Fill(Read(static_folder + "/index.html"))) &&
                       Write(out + "/petcalc.css", PageStyle(static_folder)) &&
                       Write(out + "/book.css", BookStyle(static_folder));
  if (!written) std::cerr << "page_writer: could not write the page\n";
  return written ? 0 : 1;
}
