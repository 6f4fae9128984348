#include "web/web_runtime.h"

#include <emscripten/emscripten.h>

#include <string>

// The page's side (app.js, Module.page). Texts cross as UTF-16 code units in the module's memory,
// a pointer and a length each way (module_text.js). The bodies are JavaScript, laid out as such.
// clang-format off
EM_JS(int, petcalc_text_length, (int row), { return Module.page.text(row).length; });

EM_JS(void, petcalc_copy_text, (int row, char16_t* out), {
  petcalcCopy(Module.page.text(row), out);
});

EM_JS(void, petcalc_set_text, (int row, const char16_t* text, int length, int caret), {
  Module.page.setText(row, petcalcRead(text, length), caret);
});

EM_ASYNC_JS(int, petcalc_ask,
            (const char16_t* prompt, int prompt_length, const char16_t* title, int title_length), {
  const page = Module.page;
  page.answer = await page.ask(petcalcRead(prompt, prompt_length), petcalcRead(title, title_length));
  return page.answer.length;
});

EM_JS(void, petcalc_take_answer, (char16_t* out), { petcalcCopy(Module.page.answer, out); });

EM_ASYNC_JS(void, petcalc_message,
            (const char16_t* text, int text_length, const char16_t* title, int title_length), {
  const page = Module.page;
  await page.message(petcalcRead(text, text_length), petcalcRead(title, title_length));
});

EM_ASYNC_JS(void, petcalc_error,
            (const char16_t* text, int text_length, const char16_t* title, int title_length), {
  const page = Module.page;
  await page.error(petcalcRead(text, text_length), petcalcRead(title, title_length));
});
// clang-format on

namespace petcalc::web {
namespace {

int Length(std::u16string_view text) { return static_cast<int>(text.size()); }

}  // namespace

std::u16string WebRuntime::GetText(form::TextBox box) {
  const int row = static_cast<int>(box.row());
  std::u16string text(static_cast<std::size_t>(petcalc_text_length(row)), u'\0');
  petcalc_copy_text(row, text.data());
  return text;
}

void WebRuntime::SetText(form::TextBox box, std::u16string_view text) {
  petcalc_set_text(static_cast<int>(box.row()), text.data(), Length(text), form::kCaretAfterWrite);
}

std::u16string WebRuntime::InputBox(std::u16string_view prompt, std::u16string_view title) {
  std::u16string answer(static_cast<std::size_t>(petcalc_ask(prompt.data(), Length(prompt),
                                                             title.data(), Length(title))),
                        u'\0');
  petcalc_take_answer(answer.data());
  return answer;
}

void WebRuntime::MsgBox(std::u16string_view prompt, std::u16string_view title) {
  petcalc_message(prompt.data(), Length(prompt), title.data(), Length(title));
}

void WebRuntime::ReportError(std::u16string_view text) {
  petcalc_error(text.data(), Length(text), form::kForm1Title.data(), Length(form::kForm1Title));
}

}  // namespace petcalc::web
