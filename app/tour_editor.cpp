#include "tour_editor.h"

#include <windows.h>
#include <host/simulation.h>
#include <max.h>
#include <win32/modal_responder.h>
#include <win32/simulation.h>

#include <cstdio>

#include "editing/functions_tab.h"
#include "editing/wheel_events_tab.h"
#include "editor/assignment_tab.h"
#include "editor/profile_tab.h"
#include "frame/frame.h"
#include "engine/restore_obj.h"
#include "model/talvo.h"
#include "model/vocabulary.h"
#include "tour_shots.h"

namespace {

using Talvo::AssignmentTab;
using Talvo::FunctionsTab;
using Talvo::ProfileTab;
using Talvo::WheelEventsTab;

const char* const kMenuNames[] = {"file", "edit", "options", "help"};

// The page's part of its picture's name.
std::string PageName(Talvo::WindowTab* page) {
  if (page->IsKindOf(RUNTIME_CLASS(ProfileTab))) return "profiles";
  if (page->IsKindOf(RUNTIME_CLASS(FunctionsTab))) return "functions";
  if (page->IsKindOf(RUNTIME_CLASS(WheelEventsTab))) return "wheel-events";
  if (auto* assignment = DYNAMIC_DOWNCAST(AssignmentTab, page))
    return "key-" + std::to_string(assignment->GetKeyNumber());
  return "page";
}

// One undo step that gives the strip a key-assignment page: a new function on the first free letter key,
// whose page is open. The tour undoes it afterwards, so the data stay as they were.
void OpenTourKeyPage() {
  Talvo::Talvo& root = Talvo::GetTalvo();
  Talvo::XmlProfile* profile = root.GetCurrentProfile();
  Talvo::XmlKeyboard* layout = root.GetCurrentKeyboard();
  if (profile == nullptr || layout == nullptr) return;
  for (int letter = 'A'; letter <= 'Z'; ++letter) {
    const int key = layout->GetKeyOfVirt(letter);
    if (key < 0 || profile->HasAssignment(key)) continue;
    theHold.Begin();
    theHold.Put(new Talvo::TalvoDataRestoreObj(0, 65535));
    Talvo::XmlFunction* function = root.CreateFunction(Talvo::kKindContextSensitive);
    if (function != nullptr) function->SetName(L"Editor Tour");
    profile->Assign(key, letter, function != nullptr ? function->GetId() : L"", true, false);
    theHold.Accept(L"Editor Tour");
    return;
  }
}

bool SavePages(Talvo::Frame& frame, const std::filesystem::path& folder, const std::string& theme) {
  Talvo::WindowTabs& tabs = frame.GetTabs();
  for (int i = 0; i < tabs.GetPageCount(); ++i) {
    tabs.SetActiveTab(i);
    frame.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    winsim::PumpMessages();
    const std::filesystem::path file = folder / ("editor-" + PageName(tabs.GetPageAt(i)) + "-" + theme + ".png");
    if (!tour::Report(winsim::SaveWindowPng(frame.m_hWnd, file.string()), file)) return false;
  }
  tabs.SetActiveTab(0);
  return true;
}

// Opens each menu of the bar with a click and saves the screen around the frame while it is open.
bool SaveMenus(Talvo::Frame& frame, const std::filesystem::path& folder, const std::string& theme) {
  CMFCMenuBar& bar = frame.GetMenuBar();
  RECT area{};
  frame.GetWindowRect(&area);
  area.bottom = area.top + 420;
  area.right = area.left + 640;
  for (int i = 0; i < bar.GetCount() && i < 4; ++i) {
    const std::filesystem::path file = folder / ("editor-menu-" + std::string(kMenuNames[i]) + "-" + theme + ".png");
    bool written = false;
    winsim::ObserveNextPopupMenu([&](HWND, HMENU) { written = winsim::SaveScreenRectPng(area, file.string()); });
    winsim::AnswerPopupMenu(0);
    CRect button = bar.GetMenuItem(i)->Rect();
    bar.ClientToScreen(&button);
    winsim::Click(button.CenterPoint().x, button.CenterPoint().y);
    if (!tour::Report(written, file)) return false;
  }
  // The mouse leaves the bar, so that no button stays highlighted in later pictures.
  winsim::MouseMove(area.right + 200, area.bottom + 200);
  return true;
}

}  // namespace

bool TourEditor(const std::filesystem::path& folder, const std::vector<std::string>& themes) {
  OpenTourKeyPage();
  Talvo::Frame** global = Talvo::GetFrame();
  if (Talvo::ShowFrame(global) != 1) {
    std::fprintf(stderr, "quillon-host: the editor window could not be opened\n");
    return false;
  }
  winsim::PumpMessages();
  Talvo::Frame& frame = **global;
  std::printf("Editor: %d pages\n", frame.GetTabs().GetPageCount());
  bool saved = true;
  for (const std::string& theme : themes) {
    hostsim::SetTheme(theme == "dark" ? kDarkTheme : kLightTheme);
    winsim::PumpMessages();
    saved = saved && SavePages(frame, folder, theme) && SaveMenus(frame, folder, theme);
  }
  ::SendMessageW(frame.m_hWnd, WM_CLOSE, 0, 0);
  winsim::PumpMessages();
  hostsim::Undo();
  return saved;
}
