#pragma once
// Whether the program is moving the keyboard focus, window by window. A radio
// button that gains the focus may report a click (Windows does, for an
// unchecked one); such a click is no answer in the window the focus moves
// in, while a click in another window still is. Focus moves nest: a move may
// set off another inside it, so each window counts how deep it is. A modal
// message waits until no window is moving its focus.

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

namespace tollandra {

class FocusGuard {
 public:
  // Any value that names a top-level window for as long as it lives.
  using Window = std::uintptr_t;

  // Held for the length of one focus move in one window.
  class Move {
   public:
    Move(FocusGuard& guard, Window window) : guard_(guard), window_(window) { ++guard_.depth(window_); }
    ~Move() { --guard_.depth(window_); }
    Move(const Move&) = delete;
    Move& operator=(const Move&) = delete;
    Move(Move&&) = delete;
    Move& operator=(Move&&) = delete;

   private:
    FocusGuard& guard_;
    Window window_;
  };

  [[nodiscard]] bool moving(Window window) const {
    return std::ranges::any_of(depths_,
                               [&](const auto& entry) { return entry.first == window && entry.second > 0; });
  }
  [[nodiscard]] bool anyMoving() const {
    return std::ranges::any_of(depths_, [](const auto& entry) { return entry.second > 0; });
  }

 private:
  int& depth(Window window) {
    const auto found = std::ranges::find(depths_, window, &std::pair<Window, int>::first);
    return found != depths_.end() ? found->second : depths_.emplace_back(window, 0).second;
  }

  std::vector<std::pair<Window, int>> depths_;
};

}  // namespace tollandra
