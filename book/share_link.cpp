#include "book/share_link.h"

#include "book/utf8_text.h"

namespace petcalc::book {
namespace {

constexpr std::string_view kPrefix = "pet1=";

}  // namespace

std::string ShareFragment(const SharedPet& pet) {
  std::string fragment(kPrefix);
  for (std::size_t i = 0; i < pet.stats.size(); ++i) {
    if (i > 0) fragment += ',';
    fragment += NumberText(pet.stats[i]);
  }
  if (pet.target_level) {
    fragment += ';';
    fragment += NumberText(*pet.target_level);
  }
  return fragment;
}

std::optional<SharedPet> ReadShareFragment(std::string_view fragment) {
  if (!fragment.starts_with(kPrefix)) return std::nullopt;
  fragment.remove_prefix(kPrefix.size());
  SharedPet pet;
  const std::size_t target = fragment.find(';');
  if (target != std::string_view::npos) {
    pet.target_level = ReadNumber(fragment.substr(target + 1));
    if (!pet.target_level) return std::nullopt;
    fragment = fragment.substr(0, target);
  }
  std::size_t count = 0;
  for (std::size_t start = 0;;) {
    const std::size_t end = fragment.find(',', start);
    if (count == pet.stats.size()) return std::nullopt;  // a number too many
    const std::optional<std::int32_t> value = ReadNumber(fragment.substr(start, end - start));
    if (!value) return std::nullopt;
    pet.stats[count++] = *value;
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  if (count != pet.stats.size()) return std::nullopt;
  return pet;
}

}  // namespace petcalc::book
