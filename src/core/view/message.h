#pragma once
// A message box as a plain value: its title, its text and its icon.

#include <cstdint>
#include <string>

namespace tollandra {

enum class MessageIcon : std::uint8_t { Warning, Error };

struct Message {
  std::string caption;
  std::string text;
  MessageIcon icon = MessageIcon::Warning;
  bool operator==(const Message&) const = default;
};

}  // namespace tollandra
