#include "shell/pause.h"

#include <cmath>

namespace quimbly::shell {
namespace {

constexpr double kDay = 86400;

// Seconds since start; a clock that has passed midnight is read a day on.
double Since(float clock, std::int32_t start) {
  double elapsed = static_cast<double>(clock) - start;
  if (elapsed < -kDay / 2) elapsed += kDay;
  return elapsed;
}

}  // namespace

void Pause(platform::Toolkit& toolkit, std::int32_t seconds) {
  // nearbyint rounds a half to the even neighbour in the default rounding mode.
  const auto start = static_cast<std::int32_t>(std::nearbyint(toolkit.Clock()));
  const double wanted = seconds;
  if (!(Since(toolkit.Clock(), start) < wanted)) return;
  for (;;) {
    toolkit.DoEvents();
    const double elapsed = Since(toolkit.Clock(), start);
    if (!(elapsed < wanted)) return;
    toolkit.WaitForEvents(wanted - elapsed);
  }
}

}  // namespace quimbly::shell
