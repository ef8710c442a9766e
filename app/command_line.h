// The stand-in host program's command line.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

struct CommandLine {
  std::filesystem::path data = "quillon-data";
  std::filesystem::path shots = "quillon-shots";
  std::vector<std::string> themes = {"light", "dark"};
  bool help = false;
};

// The parsed command line, or nothing after printing one line that says what is wrong.
std::optional<CommandLine> ParseCommandLine(int argc, char** argv);
void PrintHelp();
