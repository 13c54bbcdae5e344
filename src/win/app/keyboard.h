#pragma once
// The keyboard in the main window and the windows the menu shows, taken in
// the message loop before the keys are translated, so none of them types a
// character or beeps: Ctrl+C and Ctrl+N, Tab and Shift+Tab round the stops,
// the arrows on the options, Enter and Esc.

#include <windows.h>

namespace tollandra {

class App;

class Keyboard {
 public:
  Keyboard();
  ~Keyboard();
  Keyboard(const Keyboard&) = delete;
  Keyboard& operator=(const Keyboard&) = delete;
  Keyboard(Keyboard&&) = delete;
  Keyboard& operator=(Keyboard&&) = delete;

  // Whether the message was a key the program has acted on.
  bool translate(App& app, MSG& message);

 private:
  HACCEL accelerators_;
};

}  // namespace tollandra
