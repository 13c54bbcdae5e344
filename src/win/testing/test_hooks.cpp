#include "win/testing/test_hooks.h"

// After windows.h, which it needs.
#include <imm.h>

#include "core/windows/window_tables.h"
#include "win/build/builder.h"

namespace tollandra::testing {
namespace {

bool hasInputContext(HWND control) {
  HIMC context = ImmGetContext(control);
  ImmReleaseContext(control, context);
  return context != nullptr;
}

}  // namespace

std::optional<LRESULT> answerTest(HWND window, UINT message) {
  if (message != probeInputContexts) {
    return std::nullopt;
  }
  LRESULT bits = 0;
  for (int box = 1; box <= 3; ++box) {
    bits |= hasInputContext(controlOf(window, WindowKind::Main, Role::MeasurementBox, box)) ? 1 << (box - 1) : 0;
  }
  return bits | (hasInputContext(controlOf(window, WindowKind::Main, Role::Compute)) ? 8 : 0);
}

}  // namespace tollandra::testing
