// One whole calculation, as a click makes it, and each number-text operation
// on its own, under both separators. Run with --benchmark_repetitions=10
// --benchmark_report_aggregates_only=true for medians.
#include <benchmark/benchmark.h>

#include <string>

#include "sizing/format_by_pattern.h"
#include "sizing/normalize_pressure_text.h"
#include "sizing/parse_leading_number.h"
#include "sizing/size_receiver.h"

namespace {

void RunWholeCalculation(benchmark::State& state, velmora::sizing::CompressorKind kind,
                         const char* separator, const char* pressure) {
  const velmora::sizing::SizingInputs inputs{velmora::sizing::PowerClass::Class4, "4", pressure};
  for (auto _ : state) {
    const velmora::sizing::SizingState sized =
        velmora::sizing::SizeReceiver(kind, inputs, separator);
    std::string shown = velmora::sizing::FormatByPattern(*sized.StorageVolume, "#0.0#", separator);
    benchmark::DoNotOptimize(shown);
  }
}

void BM_SizeReceiverScrew(benchmark::State& state) {
  RunWholeCalculation(state, velmora::sizing::CompressorKind::Screw, ".", "0.9");
}
void BM_SizeReceiverPiston(benchmark::State& state) {
  RunWholeCalculation(state, velmora::sizing::CompressorKind::Piston, ".", "0.9");
}
void BM_SizeReceiverScrewComma(benchmark::State& state) {
  RunWholeCalculation(state, velmora::sizing::CompressorKind::Screw, ",", "0,9");
}
void BM_SizeReceiverPistonComma(benchmark::State& state) {
  RunWholeCalculation(state, velmora::sizing::CompressorKind::Piston, ",", "0,9");
}

void BM_ParseLeadingNumber(benchmark::State& state) {
  for (auto _ : state)
    benchmark::DoNotOptimize(velmora::sizing::ParseLeadingNumber("12.5 m3", "."));
}
void BM_ParseLeadingNumberComma(benchmark::State& state) {
  for (auto _ : state)
    benchmark::DoNotOptimize(velmora::sizing::ParseLeadingNumber("12,5 m3", ","));
}
void BM_NormalizePressureText(benchmark::State& state) {
  for (auto _ : state)
    benchmark::DoNotOptimize(velmora::sizing::NormalizePressureText("0.76", "."));
}
void BM_FormatByPattern(benchmark::State& state) {
  for (auto _ : state) {
    std::string shown = velmora::sizing::FormatByPattern(1.4814816F, "#0.0#", ",");
    benchmark::DoNotOptimize(shown);
  }
}

}  // namespace

BENCHMARK(BM_SizeReceiverScrew);
BENCHMARK(BM_SizeReceiverPiston);
BENCHMARK(BM_SizeReceiverScrewComma);
BENCHMARK(BM_SizeReceiverPistonComma);
BENCHMARK(BM_ParseLeadingNumber);
BENCHMARK(BM_ParseLeadingNumberComma);
BENCHMARK(BM_NormalizePressureText);
BENCHMARK(BM_FormatByPattern);
