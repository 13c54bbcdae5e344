#pragma once
// The results as plain text for the patient's record: what the user has
// answered and what is still open, what was computed and from what, in
// Japanese as the windows show it, CR LF line ends.

#include <string>

namespace tollandra {

class Session;

// When the record was made, in the machine's local time.
struct RecordTime {
  int year = 0;
  int month = 0;
  int day = 0;
  int hour = 0;
  int minute = 0;
};

[[nodiscard]] std::string resultSummary(const Session& session, const RecordTime& when);

}  // namespace tollandra
