#pragma once
// Whether the program is moving the keyboard focus. A radio button that gains
// the focus may report a click (Windows does, for an unchecked one); such a
// click is no answer. Focus moves nest: a refusal's message, raised while
// the focus leaves a box, gives the focus back to the box inside the move
// that set it off, so the guard counts how deep it is.

namespace tollandra {

class FocusGuard {
 public:
  // Held for the length of one focus move.
  class Move {
   public:
    explicit Move(FocusGuard& guard) : guard_(guard) { ++guard_.depth_; }
    ~Move() { --guard_.depth_; }
    Move(const Move&) = delete;
    Move& operator=(const Move&) = delete;
    Move(Move&&) = delete;
    Move& operator=(Move&&) = delete;

   private:
    FocusGuard& guard_;
  };

  [[nodiscard]] bool moving() const { return depth_ > 0; }

 private:
  int depth_ = 0;
};

}  // namespace tollandra
