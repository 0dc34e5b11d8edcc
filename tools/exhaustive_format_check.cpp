// Sends every one of the 2^32 single bit patterns through FormatByPattern,
// for each pattern and both separators, and checks each text against the
// value's shortest decimal with exact integer and digit-string arithmetic.
// Infinities and NaNs must give the empty text. Not run by CI: it takes
// about a quarter of an hour on two cores.
//   exhaustive_format_check [FIRST_BITS COUNT]   (hexadecimal or decimal)
#include <algorithm>
#include <atomic>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "pattern_shape.h"
#include "sizing/format_by_pattern.h"

namespace {

// The shortest decimal of a single as digits × 10^exponent.
struct Shortest {
  bool negative = false;
  std::uint64_t digits = 0;
  int exponent = 0;
};

Shortest ShortestOf(float value) {
  char buffer[32];
  const char* const end =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific).ptr;
  std::string_view text(buffer, static_cast<std::size_t>(end - buffer));
  Shortest shortest;
  shortest.negative = text.starts_with('-');
  if (shortest.negative) text.remove_prefix(1);
  const std::size_t e = text.find('e');
  int fractionDigits = 0;
  for (const char c : text.substr(0, e)) {
    if (c == '.') {
      fractionDigits = static_cast<int>(e - 2);
      continue;
    }
    shortest.digits = shortest.digits * 10 + static_cast<std::uint64_t>(c - '0');
  }
  std::string_view exponentText = text.substr(e + 1);
  if (exponentText.starts_with('+')) exponentText.remove_prefix(1);
  int exponent = 0;
  std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);
  shortest.exponent = exponent - fractionDigits;
  return shortest;
}

struct Shown {
  bool negative = false;
  std::string scaled;  // the digits with the fraction padded to `places`, no separator
};

Shown ParseShown(std::string_view text, std::string_view separator, std::size_t places) {
  Shown shown;
  shown.negative = text.starts_with('-');
  if (shown.negative) text.remove_prefix(1);
  const std::size_t at = text.find(separator);
  std::string_view fraction;
  if (at != std::string_view::npos) fraction = text.substr(at + separator.size());
  shown.scaled.assign(text.substr(0, at));
  shown.scaled.append(fraction);
  shown.scaled.append(places - fraction.size(), '0');
  const std::size_t first = shown.scaled.find_first_not_of('0');
  shown.scaled.erase(0, first == std::string::npos ? shown.scaled.size() : first);
  return shown;
}

std::uint64_t PowerOfTen(int n) {
  std::uint64_t power = 1;
  while (n-- > 0) power *= 10;
  return power;
}

// Whether `text` is the shortest decimal rounded half away from zero to
// `places` decimals: within half a unit of the last place, ties going away.
bool IsCorrectlyRounded(const Shortest& value, const Shown& shown, int places) {
  const bool zeroShown = shown.scaled.empty();
  if (shown.negative && (zeroShown || !value.negative)) return false;
  if (!shown.negative && !zeroShown && value.negative) return false;
  const int scale = value.exponent + places;  // value × 10^places = digits × 10^scale
  if (scale >= 0) {
    // Exact: no digit is dropped, so the text must be the value itself.
    if (value.digits == 0) return zeroShown;
    return shown.scaled ==
           std::to_string(value.digits) + std::string(static_cast<std::size_t>(scale), '0');
  }
  const int dropped = -scale;
  if (dropped > 19) return zeroShown;  // the value is below 10^-(places+10)
  const std::uint64_t unit = PowerOfTen(dropped);
  if (shown.scaled.size() > 19) return false;
  const std::uint64_t n = zeroShown ? 0 : std::stoull(shown.scaled);
  // Anything further off is wrong, and the products below then fit 64 bits.
  if (n > value.digits / unit + 1) return false;
  // |value - shown| × 2 ≤ unit, in units of 10^-(places + dropped).
  const std::uint64_t shownScaled = n * unit;
  const std::uint64_t distance =
      shownScaled > value.digits ? shownScaled - value.digits : value.digits - shownScaled;
  if (distance > unit) return false;
  if (distance < unit - distance) return true;
  return distance == unit - distance && shownScaled > value.digits;
}

struct Tally {
  std::atomic<std::uint64_t> checked{0};
  std::atomic<std::uint64_t> mismatches{0};
  std::mutex printing;
};

void Report(Tally& tally, std::uint32_t bits, const char* pattern, std::string_view separator,
            const std::string& text) {
  if (tally.mismatches.fetch_add(1) >= 20) return;
  std::lock_guard lock(tally.printing);
  std::printf("mismatch: bits 0x%08x pattern %s separator '%.*s' text \"%s\"\n", bits, pattern,
              static_cast<int>(separator.size()), separator.data(), text.c_str());
}

void CheckOne(Tally& tally, std::uint32_t bits, float value, const char* name,
              velmora::sizing::NumberPattern pattern, std::string_view separator) {
  const std::string text = velmora::sizing::FormatByPattern(value, pattern, separator);
  bool good = false;
  if (!std::isfinite(value)) {
    good = text.empty();
  } else {
    good = velmora::testing::HasPatternShape(text, pattern, separator) &&
           IsCorrectlyRounded(ShortestOf(value), ParseShown(text, separator, pattern.maxDecimals()),
                              static_cast<int>(pattern.maxDecimals()));
  }
  if (!good) Report(tally, bits, name, separator, text);
}

void CheckRange(Tally& tally, std::uint64_t first, std::uint64_t last) {
  for (std::uint64_t i = first; i < last; ++i) {
    const auto bits = static_cast<std::uint32_t>(i);
    float value = 0;
    std::memcpy(&value, &bits, sizeof value);
    for (const std::string_view separator : {".", ","}) {
      CheckOne(tally, bits, value, "#0.0#", "#0.0#", separator);
      CheckOne(tally, bits, value, "#0.0", "#0.0", separator);
      CheckOne(tally, bits, value, "0.0", "0.0", separator);
    }
    tally.checked.fetch_add(1, std::memory_order_relaxed);
  }
}

}  // namespace

int main(int argc, char* argv[]) {
  std::uint64_t first = 0;
  std::uint64_t count = std::uint64_t{1} << 32;
  if (argc == 3) {
    first = std::strtoull(argv[1], nullptr, 0);
    count = std::strtoull(argv[2], nullptr, 0);
  }
  const std::uint64_t last = std::min(first + count, std::uint64_t{1} << 32);
  const unsigned threads = std::max(1U, std::thread::hardware_concurrency());
  Tally tally;
  const auto start = std::chrono::steady_clock::now();
  std::vector<std::thread> workers;
  // Interleaved slices, so each core sees every magnitude.
  constexpr std::uint64_t kSlice = 1 << 20;
  std::atomic<std::uint64_t> next{first};
  for (unsigned t = 0; t < threads; ++t) {
    workers.emplace_back([&] {
      for (std::uint64_t from = next.fetch_add(kSlice); from < last;
           from = next.fetch_add(kSlice)) {
        CheckRange(tally, from, std::min(from + kSlice, last));
      }
    });
  }
  for (auto& worker : workers) worker.join();
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf(
      "checked %llu bit patterns × 3 patterns × 2 separators on %u threads in %.0f s: %llu "
      "mismatches\n",
      static_cast<unsigned long long>(tally.checked.load()), threads, seconds,
      static_cast<unsigned long long>(tally.mismatches.load()));
  return tally.mismatches.load() == 0 ? 0 : 1;
}
