#include "bench/linux_cpu.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace klvbench {
namespace {

std::string ReadSmallFile(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                            nullptr);
  if (file == INVALID_HANDLE_VALUE) return "";
  char buffer[4096];
  DWORD read = 0;
  ReadFile(file, buffer, sizeof buffer, &read, nullptr);
  CloseHandle(file);
  return std::string(buffer, read);
}

std::vector<std::string> Entries(const std::string& directory) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((directory + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    if (found.cFileName[0] != '.') names.push_back(found.cFileName);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return names;
}

}  // namespace

std::string LinuxProcessDirectory(const std::string& commandLinePart) {
  std::string busiest;
  double most = -1;
  for (const std::string& name : Entries("Z:\\proc")) {
    if (name.find_first_not_of("0123456789") != std::string::npos) continue;
    std::string directory = "Z:\\proc\\" + name;
    std::string commandLine = ReadSmallFile(directory + "\\cmdline");
    for (char& c : commandLine) c = c == '\0' ? ' ' : c;
    if (commandLine.find(commandLinePart) == std::string::npos) continue;
    double used = LinuxCpuMs(directory);
    if (used > most) {
      most = used;
      busiest = directory;
    }
  }
  return busiest;
}

std::string WineServerDirectory() {
  // "self" read by the server names the server; its number makes the
  // directory stable for later reads.
  std::string stat = ReadSmallFile("Z:\\proc\\self\\stat");
  return "Z:\\proc\\" + stat.substr(0, stat.find(' '));
}

double LinuxCpuMs(const std::string& processDirectory) {
  double total = 0;
  for (const std::string& task : Entries(processDirectory + "\\task")) {
    // schedstat: time on the processor, time waiting to run, slices (ns).
    total += std::strtod(ReadSmallFile(processDirectory + "\\task\\" + task + "\\schedstat").c_str(), nullptr) / 1e6;
  }
  return total;
}

std::string LoadAverage() {
  std::FILE* file = std::fopen("Z:\\proc\\loadavg", "r");
  char text[16] = "?";
  if (file) {
    if (std::fscanf(file, "%15s", text) != 1) text[0] = '?', text[1] = 0;
    std::fclose(file);
  }
  return text;
}

}  // namespace klvbench
