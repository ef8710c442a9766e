#include "command_line.h"

#include <cstdio>
#include <cstring>

#include "model/text.h"

namespace {

bool Fail(const char* what, const char* argument) {
  std::fprintf(stderr, "quillon-host: %s '%s' (try --help)\n", what, argument);
  return false;
}

// The value after an option, or false when it is missing.
bool TakeValue(int argc, char** argv, int& i, std::string& value) {
  if (i + 1 >= argc) return Fail("missing value after", argv[i]);
  value = argv[++i];
  return true;
}

// The bytes of an argument for a message: printable ASCII as it is, every other byte as \xNN, so that the
// line stays one readable line whatever the argument holds.
std::string Escaped(const std::string& argument) {
  std::string shown;
  for (const unsigned char c : argument) {
    char hex[5];
    std::snprintf(hex, sizeof hex, "\\x%02X", c);
    shown += c >= 0x20 && c < 0x7F ? std::string(1, static_cast<char>(c)) : std::string(hex);
  }
  return shown;
}

// The folder after --data or --shots. The program's texts are UTF-16 converted from UTF-8: a name that is
// not UTF-8 would be turned into other letters and the documents would go to another folder than asked.
bool TakeFolder(int argc, char** argv, int& i, std::filesystem::path& folder) {
  std::string value;
  if (!TakeValue(argc, argv, i, value)) return false;
  if (!Talvo::Utf8ToWideStrict(value)) {
    std::fprintf(stderr, "quillon-host: the folder name after %s is not valid UTF-8: '%s'\n", argv[i - 1],
                 Escaped(value).c_str());
    return false;
  }
  folder = value;
  return true;
}

}  // namespace

std::optional<CommandLine> ParseCommandLine(int argc, char** argv) {
  CommandLine line;
  for (int i = 1; i < argc; ++i) {
    std::string value;
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
      line.help = true;
    } else if (std::strcmp(argv[i], "--data") == 0) {
      if (!TakeFolder(argc, argv, i, line.data)) return std::nullopt;
    } else if (std::strcmp(argv[i], "--shots") == 0) {
      if (!TakeFolder(argc, argv, i, line.shots)) return std::nullopt;
    } else if (std::strcmp(argv[i], "--theme") == 0) {
      if (!TakeValue(argc, argv, i, value)) return std::nullopt;
      if (value == "both") {
        line.themes = {"light", "dark"};
      } else if (value == "light" || value == "dark") {
        line.themes = {value};
      } else {
        Fail("unknown theme", value.c_str());
        return std::nullopt;
      }
    } else {
      Fail("unknown argument", argv[i]);
      return std::nullopt;
    }
  }
  return line;
}

void PrintHelp() {
  std::printf(
      "Usage: quillon-host [--data DIR] [--shots DIR] [--theme light|dark|both]\n"
      "\n"
      "Plays the host: starts the stand-in host on the data root DIR, loads the plug-in through its\n"
      "entry functions, starts its global utility (the first start writes the default documents) and\n"
      "runs a tour:\n"
      "  - prints the module's classes and the loaded profiles, layouts, functions and wheel-event sets;\n"
      "  - presses a learning-mode key the way the keyboard hook reports it and shows what the plug-in\n"
      "    does with it (the step is undone afterwards, so the data stays as it was);\n"
      "  - saves screenshots of the windows shown, in each theme asked for.\n"
      "\n"
      "Options:\n"
      "  --data DIR    data root of the host (default ./quillon-data); a UTF-8 name\n"
      "  --shots DIR   folder for the screenshots (default ./quillon-shots); a UTF-8 name\n"
      "  --theme T     light, dark or both (default both)\n"
      "  --help        this text\n"
      "\n"
      "Every failure is reported in one line and ends the program with exit code 1.\n");
}
