#include <benchmark/benchmark.h>

#include <charconv>
#include <string>
#include <string_view>

#include "core/val.h"

namespace petcalc {
namespace {

struct BoxText {
  std::u16string_view text;
  std::string_view clean;  // the same number as from_chars reads it, the floor
};

constexpr BoxText kBoxTexts[] = {
    {u"12", "12"},    {u"150", "150"},   {u" 2.5", "2.5"}, {u"1e3", "1e3"},
    {u"12abc", "12"}, {u"&HFFFF", "-1"}, {u"", "0"},
};

void BM_Val(benchmark::State& state) {
  const BoxText& box = kBoxTexts[state.range(0)];
  for (auto _ : state) {
    benchmark::DoNotOptimize(Val(box.text));
  }
}

void BM_FromCharsFloor(benchmark::State& state) {
  const BoxText& box = kBoxTexts[state.range(0)];
  for (auto _ : state) {
    double value = 0;
    std::from_chars(box.clean.data(), box.clean.data() + box.clean.size(), value);
    benchmark::DoNotOptimize(value);
  }
}

void BoxTextArgs(benchmark::internal::Benchmark* b) {
  for (int i = 0; i < static_cast<int>(std::size(kBoxTexts)); ++i) b->Arg(i);
}

BENCHMARK(BM_Val)->Apply(BoxTextArgs);
BENCHMARK(BM_FromCharsFloor)->Apply(BoxTextArgs);

// A pasted megabyte: time must grow linearly with the length.
void BM_ValLongText(benchmark::State& state, char16_t fill) {
  const std::u16string text(static_cast<std::size_t>(state.range(0)), fill);
  for (auto _ : state) {
    benchmark::DoNotOptimize(Val(text));
  }
  state.SetBytesProcessed(state.iterations() * state.range(0) *
                          static_cast<std::int64_t>(sizeof(char16_t)));
  state.SetComplexityN(state.range(0));
}

BENCHMARK_CAPTURE(BM_ValLongText, digits, u'7')
    ->RangeMultiplier(4)
    ->Range(1 << 14, 1 << 20)
    ->Complexity(benchmark::oN);
BENCHMARK_CAPTURE(BM_ValLongText, blanks, u' ')
    ->RangeMultiplier(4)
    ->Range(1 << 14, 1 << 20)
    ->Complexity(benchmark::oN);

}  // namespace
}  // namespace petcalc
