// A log that child programs write for the tests that start them: each line
// is appended with its line feed at once, the file opened and closed around
// it, so that the log stays whole however the process ends.
#pragma once
#include <string>

namespace klvtest {

void AppendLogLine(const std::string& path, const std::string& line);

}  // namespace klvtest
