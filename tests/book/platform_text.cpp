#include "tests/book/platform_text.h"

#if defined(__EMSCRIPTEN__)
#include <emscripten/emscripten.h>
#elif defined(_WIN32)
#include <windows.h>
#else
#include <iconv.h>
#endif

#include <vector>

#include "book/utf8_text.h"

#if defined(__EMSCRIPTEN__)
// clang-format off
EM_JS(int, petcalc_test_gb18030, (const char* bytes, int length, char* out, int room), {
  try {
    const text = new TextDecoder('gb18030', { fatal: true }).decode(HEAPU8.subarray(bytes, bytes + length));
    const utf8 = new TextEncoder().encode(text);
    if (utf8.length > room) return -1;
    HEAPU8.set(utf8, out);
    return utf8.length;
  } catch (error) {
    return -1;
  }
});
// clang-format on
#endif

namespace petcalc::book::testing {

std::optional<std::string> Gb18030ToUtf8(std::string_view bytes) {
  // At most three bytes of UTF-8 for each byte of GB18030, which uses two or four for a character
  // beyond ASCII.
  std::string out(bytes.size() * 3 + 4, '\0');
#if defined(__EMSCRIPTEN__)
  const int length = petcalc_test_gb18030(bytes.data(), static_cast<int>(bytes.size()), out.data(),
                                          static_cast<int>(out.size()));
  if (length < 0) return std::nullopt;
  out.resize(static_cast<std::size_t>(length));
  return out;
#elif defined(_WIN32)
  // Wine (8.0) has no GB18030 (54936): there its two-byte part, GBK (936), which the Chinese
  // spreadsheets' files use but for rare characters.
  const UINT page = IsValidCodePage(54936) ? 54936 : 936;
  const int size = static_cast<int>(bytes.size());
  const int units = MultiByteToWideChar(page, MB_ERR_INVALID_CHARS, bytes.data(), size, nullptr, 0);
  if (units == 0 && size != 0) return std::nullopt;
  std::u16string wide(static_cast<std::size_t>(units), u'\0');
  MultiByteToWideChar(page, MB_ERR_INVALID_CHARS, bytes.data(), size,
                      reinterpret_cast<wchar_t*>(wide.data()), units);
  return Utf8Of(wide);
#else
  iconv_t decoder = iconv_open("UTF-8", "GB18030");
  char* in = const_cast<char*>(bytes.data());
  std::size_t in_left = bytes.size();
  char* next = out.data();
  std::size_t out_left = out.size();
  const std::size_t result = iconv(decoder, &in, &in_left, &next, &out_left);
  iconv_close(decoder);
  if (result == static_cast<std::size_t>(-1) || in_left != 0) return std::nullopt;
  out.resize(out.size() - out_left);
  return out;
#endif
}

}  // namespace petcalc::book::testing
