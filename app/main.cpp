// The stand-in host program: it starts the host stand-in on a data root, loads the plug-in through its
// entry functions, starts the global utility and tours what the plug-in offers so far.
#include <windows.h>
#include <afxwin.h>
#include <host/simulation.h>
#include <max.h>
#include <mfc/simulation.h>
#include <win32/modal_responder.h>
#include <win32/simulation.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <optional>
#include <utility>

#include "command_line.h"
#include "data_folder.h"
#include "engine/module.h"
#include "model/file_names.h"
#include "model/talvo.h"
#include "model/text.h"
#include "tour.h"
#include "tour_editor.h"
#include "tour_windows.h"
#include "user_story.h"

namespace {

// The first modal nobody expected: a document that failed to load reports itself in a message box.
std::string firstUnexpectedModal;

std::string OneLine(const std::wstring& text) {
  std::string line = Talvo::WideToUtf8(text);
  for (char& c : line)
    if (c == '\n' || c == '\r' || c == '\t') c = ' ';
  return line;
}

int Fail(const std::string& message) {
  std::fprintf(stderr, "quillon-host: %s\n", message.c_str());
  return 1;
}

// The host closes: shutdown notifications (unsaved documents are not saved: the tour changes nothing
// it keeps), then the global utility stops and the module unloads.
void CloseHost(GUP* utility) {
  winsim::AnswerMessageBox(IDNO, {}, winsim::Repeat::Always);
  hostsim::Shutdown();
  if (utility) {
    utility->Stop();
    utility->DeleteThis();
  }
  mfcsim::UnloadModule();
  Talvo::GetTalvo().Clear();
}

int RunTour(const CommandLine& line) {
  // A folder the program cannot use is named first, before the host or the story try to write in it.
  for (const auto& [folder, role] :
       {std::pair{&line.shots, "screenshot folder"}, std::pair{&line.data, "data folder"}}) {
    if (const std::optional<std::string> problem = PrepareWritableFolder(*folder, role)) return Fail(*problem);
  }
  const std::optional<std::wstring> root = Talvo::WideFromPath(std::filesystem::absolute(line.data));
  if (!root)
    return Fail("the data folder's full path " + std::filesystem::absolute(line.data).string() + " is not valid UTF-8");

  winsim::SetUnexpectedModalHandler([](const std::wstring& description) {
    if (firstUnexpectedModal.empty()) firstUnexpectedModal = OneLine(description);
  });
  hostsim::Start(*root);
  // The program's icons, where an installed plug-in would have put them in the host's icon folder.
  hostsim::SetDirectory(APP_ICONS_DIR, Talvo::Utf8ToWide(TALVO_SOURCE_ICONS));
  if (!mfcsim::LoadModule()) {
    CloseHost(nullptr);
    return Fail("cannot load or create the documents below " + line.data.string());
  }
  // A document that cannot be read was named to the user in the listener and left out, untouched: the
  // rest goes on. The listener's lines of the start are shown here.
  if (const std::wstring listener = hostsim::ListenerText(); !listener.empty()) {
    std::printf("Listener at start-up:\n%s", Talvo::WideToUtf8(listener).c_str());
  }
  firstUnexpectedModal.clear();

  GUP* utility = static_cast<GUP*>(LibClassDesc(1)->Create(FALSE));
  utility->Start();
  PrintLoaded();
  const bool pressed = PressLearningKey(line.shots, line.themes);
  const bool toured = TourEditor(line.shots, line.themes) && tour::TourWindows(line.shots, line.data, line.themes);
  const bool saved = SaveScreenshots(line.shots, line.themes) && pressed && toured;
  CloseHost(utility);
  if (!saved) return 1;
  if (!firstUnexpectedModal.empty()) return Fail("unexpected message: " + firstUnexpectedModal);
  if (!Talvo::RunUserStory(line)) return 1;
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::optional<CommandLine> line = ParseCommandLine(argc, argv);
  if (!line) return 1;
  if (line->help) {
    PrintHelp();
    return 0;
  }
  return RunTour(*line);
}
