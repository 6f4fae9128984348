// Writes the page's form from the form's table, when the site is built:
//   page_writer <template index.html> <site folder>
// <site>/index.html: the template with its controls and dialogs filled in; <site>/controls.css:
// each control's rectangle in CSS pixels and its stacking. Run under Node, with the real file
// system.
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <string_view>

#include "form/controls.h"
#include "form/dialog_captions.h"
#include "form/layout.h"
#include "form/logo.h"
#include "form/tab_order.h"
#include "web/html.h"

namespace petcalc::web {
namespace {

using form::ControlKind;
using form::ControlRow;

std::string ControlHtml(const form::Control control) {
  const ControlRow& row = control.description();
  const std::string id = std::string(row.name);
  const std::string data = " id=\"" + id + "\" data-row=\"" + std::to_string(control.row()) + "\"";
  const std::string name = Escaped(row.accessible_name);
  switch (row.kind) {
    case ControlKind::kLabel:
      return "<span class=\"label\"" + data + ">" + Escaped(row.caption) + "</span>";
    case ControlKind::kTextBox:
      return "<input class=\"box\" type=\"text\"" + data + " aria-label=\"" + name +
             "\" autocomplete=\"off\" spellcheck=\"false\"" + (row.read_only ? " readonly" : "") +
             ">";
    case ControlKind::kPushButton:
      return "<button class=\"button\" type=\"button\"" + data + " aria-label=\"" + name + "\"" +
             (control == form::kFirstFocus ? " autofocus" : "") + ">" + Escaped(row.caption) +
             "</button>";
    case ControlKind::kPicture: {
      std::string srcset;
      for (std::size_t i = 1; i < form::kLogoRenditions.size(); ++i) {
        srcset += (i > 1 ? ", " : "") + std::string(form::kLogoRenditions[i]) + " " +
                  std::to_string(i + 1) + "x";
      }
      return "<img class=\"picture\"" + data + " src=\"" + std::string(form::kLogoRenditions[0]) +
             "\" srcset=\"" + srcset + "\" width=\"" + std::to_string(form::kLogoSize.width) +
             "\" height=\"" + std::to_string(form::kLogoSize.height) + "\" alt=\"" + name + "\">";
    }
  }
  return {};
}

// The tab stops first, in tab order, so that the document's order is the order Tab walks; then
// the labels and the picture, which take no focus.
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

std::string ControlsCss() {
  std::string css;
  const form::PixelSize client = form::ClientSize();
  css += "#Form1 { width: " + std::to_string(client.width) +
         "px; height: " + std::to_string(client.height) + "px; }\n";
  for (const form::Control control : form::Control::All()) {
    const form::PixelRect r = form::PixelsOf(control);
    css += "#" + std::string(control.name()) + " { left: " + std::to_string(r.left) +
           "px; top: " + std::to_string(r.top) + "px;";
    if (!control.description().auto_size) {
      css +=
          " width: " + std::to_string(r.width) + "px; height: " + std::to_string(r.height) + "px;";
    }
    css += control == form::kStackedBelowAll ? " z-index: 0; }\n" : " }\n";
  }
  return css;
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

// Replaces each {{NAME}} of the template.
std::string Fill(std::string page) {
  const std::pair<std::string, std::string> values[] = {
      {"{{TITLE}}", Escaped(form::kForm1Title)},
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
    std::cerr << "usage: page_writer <template.html> <site folder>\n";
    return 2;
  }
  const std::string site = argv[2];
  const bool written = Write(site + "/index.html", Fill(Read(argv[1]))) &&
                       Write(site + "/controls.css", ControlsCss());
  if (!written) std::cerr << "page_writer: could not write the page\n";
  return written ? 0 : 1;
}
