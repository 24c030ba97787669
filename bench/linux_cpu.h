// Processor time of Linux processes as the kernel counts it (nanoseconds,
// every thread), read through Wine's Z: drive. Wine reports no processor
// times of other processes and counts its own in 10 ms ticks, and the Wine
// server's share shows nowhere else.
#pragma once
#include <string>

namespace klvbench {

// "Z:\proc\<pid>" of the Linux process whose command line contains the
// text, the busiest one so far when several do (a launcher that waits for
// the program names it too); empty when none does.
std::string LinuxProcessDirectory(const std::string& commandLinePart);
// The Wine server's directory. The server opens files for Wine processes,
// so its "self" is the server.
std::string WineServerDirectory();
// Processor time of every thread of the process so far, in ms.
double LinuxCpuMs(const std::string& processDirectory);
// The machine's load average over the last minute, as Linux gives it ("?"
// when it cannot be read).
std::string LoadAverage();

}  // namespace klvbench
