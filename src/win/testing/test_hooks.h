#pragma once
// Built into the test build only (TOLLANDRA_TEST_HOOKS), never into the
// program: what the end-to-end tests cannot see or provoke from another
// process under Wine.

#include <windows.h>

#include <optional>

namespace tollandra::testing {

// Sent to the main window: which of its measurement boxes have an input
// method context (bit k - 1 for box k), and bit 3 for the compute button,
// which keeps the thread's, so the answer shows the probe can see one.
inline constexpr UINT probeInputContexts = WM_APP + 40;

// The answer to a test's message, or none for every other message.
std::optional<LRESULT> answerTest(HWND window, UINT message);

// Makes a radio button report a click when it gains the focus unchecked, as
// Windows does without BM_SETDONTCLICK and Wine 8 never does.
void clickOnFocus(HWND option);

}  // namespace tollandra::testing
