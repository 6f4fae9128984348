#include "book/share_link.h"

#include <charconv>

namespace petcalc::book {
namespace {

constexpr std::string_view kPrefix = "pet1=";

// A plain integer: an optional minus sign and digits, no leading zero; nothing otherwise.
std::optional<std::int32_t> Integer(std::string_view text) {
  const std::string_view digits = text.starts_with('-') ? text.substr(1) : text;
  if (digits.empty() || (digits[0] == '0' && text.size() > 1)) return std::nullopt;
  std::int32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

}  // namespace

std::string ShareFragment(const SharedPet& pet) {
  std::string fragment(kPrefix);
  for (std::size_t i = 0; i < pet.stats.size(); ++i) {
    if (i > 0) fragment += ',';
    fragment += std::to_string(pet.stats[i]);
  }
  if (pet.target_level) {
    fragment += ';';
    fragment += std::to_string(*pet.target_level);
  }
  return fragment;
}

std::optional<SharedPet> ReadShareFragment(std::string_view fragment) {
  if (!fragment.starts_with(kPrefix)) return std::nullopt;
  fragment.remove_prefix(kPrefix.size());
  SharedPet pet;
  const std::size_t target = fragment.find(';');
  if (target != std::string_view::npos) {
    pet.target_level = Integer(fragment.substr(target + 1));
    if (!pet.target_level) return std::nullopt;
    fragment = fragment.substr(0, target);
  }
  std::size_t count = 0;
  for (std::size_t start = 0;;) {
    const std::size_t end = fragment.find(',', start);
    if (count == pet.stats.size()) return std::nullopt;  // a number too many
    const std::optional<std::int32_t> value = Integer(fragment.substr(start, end - start));
    if (!value) return std::nullopt;
    pet.stats[count++] = *value;
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  if (count != pet.stats.size()) return std::nullopt;
  return pet;
}

}  // namespace petcalc::book
