#include "host/simulation.h"

#include "debug_log.h"
#include "directories.h"
#include "host/colors.h"
#include "host/listener.h"
#include "host/notify.h"
#include "host/undo.h"
#include "logs.h"
#include "main_window.h"
#include "reset.h"
#include "window_classes.h"
#include "windows.h"

namespace hostsim {
namespace {

std::vector<std::wstring> ToWide(const std::vector<MSTR>& labels) {
  return std::vector<std::wstring>(labels.begin(), labels.end());
}

}  // namespace

void Start(const std::wstring& rootFolder) {
  Reset();
  host_internal::SetRootFolder(rootFolder);
  host_internal::RegisterHostWindowClasses();
  host_internal::CreateMainWindow();
}

void Reset() {
  theHold.Clear();
  host_internal::ResetNotifications();
  host_internal::ResetAccelerators();
  host_internal::ResetMAXScript();
  host_internal::ResetDirectories();
  host_internal::ResetDialogWindows();
  host_internal::ResetStandardActions();
  host_internal::ResetMenus();
  host_internal::ClearRunLogs();
  host_internal::ClearDebugLog();
  ClearScene();
  ColorMan()->Reset();
}

void Shutdown() {
  BroadcastNotification(NOTIFY_SYSTEM_PRE_SHUTDOWN);
  BroadcastNotification(NOTIFY_SYSTEM_SHUTDOWN);
  host_internal::DestroyMainWindow();
  Reset();
}

const std::wstring& RootFolder() { return host_internal::RootFolder(); }

void SetDirectory(int which, const std::wstring& folder) { host_internal::OverrideDirectory(which, folder); }

void SetTheme(AppFrameColorTheme theme) {
  if (ColorMan()->GetAppFrameColorTheme() == theme) return;
  ColorMan()->SetTheme(theme);
  if (HWND main = host_internal::MainWindow()) InvalidateRect(main, nullptr, TRUE);
  BroadcastNotification(NOTIFY_COLOR_CHANGE);
}

std::wstring DebugLog() { return host_internal::DebugLogText(); }
void ClearDebugLog() { host_internal::ClearDebugLog(); }
std::wstring ListenerText() { return the_listener->edit_stream->Text(); }

bool Undo() { return theHold.Undo(); }
bool Redo() { return theHold.Redo(); }
std::vector<std::wstring> UndoLabels() { return ToWide(theHold.UndoLabels()); }
std::vector<std::wstring> RedoLabels() { return ToWide(theHold.RedoLabels()); }

std::vector<HWND> RegisteredDialogWindows() { return host_internal::DialogWindows(); }

}  // namespace hostsim
