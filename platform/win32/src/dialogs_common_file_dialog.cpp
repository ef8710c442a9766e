// The open and save file dialogs: the responder chooses the path; the dialog checks it as the real one would
// (folder and file must exist, overwrite prompt, default extension, buffer size) and fills OPENFILENAMEW.
#include <windows.h>

#include <cstddef>
#include <string>

#include "modal_responder_internal.h"

namespace {

thread_local DWORD lastDialogError = 0;

BOOL FailDialog(DWORD error) {
  lastDialogError = error;
  return FALSE;
}

bool IsSeparator(wchar_t c) { return c == L'/' || c == L'\\'; }

size_t NameStart(const std::wstring& path) {
  size_t slash = path.find_last_of(L"/\\");
  return slash == std::wstring::npos ? 0 : slash + 1;
}

// The pairs of a filter: name, pattern, name, pattern, ..., ended by an empty text.
std::vector<std::pair<std::wstring, std::wstring>> ParseFilter(LPCWSTR filter) {
  std::vector<std::pair<std::wstring, std::wstring>> pairs;
  while (filter && *filter) {
    std::wstring name = filter;
    filter += name.size() + 1;
    std::wstring pattern = filter;
    filter += pattern.size() + 1;
    pairs.emplace_back(name, pattern);
    if (pattern.empty()) break;
  }
  return pairs;
}

// The path the user's answer stands for: a bare name lies in the dialog's folder, and a name without an
// extension gets the default one.
std::wstring ResolveAnswer(std::wstring path, const OPENFILENAMEW& ofn) {
  std::wstring folder = ofn.lpstrInitialDir ? ofn.lpstrInitialDir : L"";
  if (NameStart(path) == 0 && !folder.empty()) path = folder + (IsSeparator(folder.back()) ? L"" : L"/") + path;
  if (ofn.lpstrDefExt && *ofn.lpstrDefExt && path.find(L'.', NameStart(path)) == std::wstring::npos)
    path += std::wstring(L".") + ofn.lpstrDefExt;
  return path;
}

// Why the dialog would refuse this path, or empty when it takes it.
std::wstring Refusal(const std::wstring& path, const OPENFILENAMEW& ofn, bool save) {
  std::wstring folder = path.substr(0, NameStart(path));
  DWORD attributes = folder.empty() ? FILE_ATTRIBUTE_DIRECTORY : GetFileAttributesW(folder.c_str());
  bool folderExists = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
  if ((ofn.Flags & (OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST)) && !folderExists)
    return L"the folder of \"" + path + L"\" does not exist";
  if (!save && (ofn.Flags & OFN_FILEMUSTEXIST) && !PathFileExistsW(path.c_str()))
    return L"the file \"" + path + L"\" does not exist";
  if (NameStart(path) == path.size()) return L"\"" + path + L"\" names no file";
  return {};
}

void Deliver(const std::wstring& path, OPENFILENAMEW& ofn) {
  lstrcpynW(ofn.lpstrFile, path.c_str(), static_cast<int>(ofn.nMaxFile));
  size_t nameStart = NameStart(path);
  size_t dot = path.rfind(L'.');
  ofn.nFileOffset = static_cast<WORD>(nameStart);
  ofn.nFileExtension = static_cast<WORD>(dot != std::wstring::npos && dot >= nameStart ? dot + 1 : path.size());
  if (ofn.lpstrFileTitle && ofn.nMaxFileTitle > 0)
    lstrcpynW(ofn.lpstrFileTitle, path.c_str() + nameStart, static_cast<int>(ofn.nMaxFileTitle));
}

BOOL RunFileDialog(LPOPENFILENAMEW ofn, bool save) {
  using namespace win32_internal;
  lastDialogError = 0;
  if (!ofn || ofn->lStructSize < offsetof(OPENFILENAMEW, pvReserved)) return FailDialog(CDERR_STRUCTSIZE);
  if (!ofn->lpstrFile || ofn->nMaxFile == 0) return FailDialog(CDERR_INITIALIZATION);

  winsim::ModalRecord record;
  record.kind = save ? winsim::ModalKind::SaveFileDialog : winsim::ModalKind::OpenFileDialog;
  record.window = ofn->hwndOwner;
  record.text = ofn->lpstrFile;
  record.caption = ofn->lpstrTitle ? ofn->lpstrTitle : save ? L"Save As" : L"Open";
  record.flags = ofn->Flags;
  record.initialDir = ofn->lpstrInitialDir ? ofn->lpstrInitialDir : L"";
  record.filter = ParseFilter(ofn->lpstrFilter);
  record.defaultExtension = ofn->lpstrDefExt ? ofn->lpstrDefExt : L"";
  record.filterIndex = ofn->nFilterIndex;
  ModalId id = LogModal(record);

  auto answer = TakeModalAnswer({record.kind, record.text, record.caption});
  if (!answer) {
    ReportUnexpectedModal(L"Unexpected " + DescribeModal(record));
    CompleteModal(id, false, 0);
    return FALSE;
  }
  if (answer->cancel) {
    CompleteModal(id, true, 0);
    return FALSE;
  }
  std::wstring path = ResolveAnswer(answer->path, *ofn);
  if (std::wstring refusal = Refusal(path, *ofn, save); !refusal.empty()) {
    ReportUnexpectedModal(L"The " + DescribeModal(record) + L" refused the answer: " + refusal);
    CompleteModal(id, false, 0, path);
    return FALSE;
  }
  // Declining to replace the file ends the dialog as cancelled.
  if (save && (ofn->Flags & OFN_OVERWRITEPROMPT) && PathFileExistsW(path.c_str()) &&
      MessageBoxW(ofn->hwndOwner, (path + L" already exists.\nDo you want to replace it?").c_str(),
                  record.caption.c_str(), MB_YESNO | MB_ICONWARNING) != IDYES) {
    CompleteModal(id, true, 0, path);
    return FALSE;
  }
  if (path.size() > ofn->nMaxFile - 1) {
    // The size needed (terminator included) goes into the buffer's first character.
    ofn->lpstrFile[0] = static_cast<WCHAR>(path.size() + 1);
    CompleteModal(id, true, 0, path);
    return FailDialog(FNERR_BUFFERTOOSMALL);
  }
  Deliver(path, *ofn);
  CompleteModal(id, true, 1, path);
  return TRUE;
}

}  // namespace

BOOL GetOpenFileNameW(LPOPENFILENAMEW lpofn) { return RunFileDialog(lpofn, false); }
BOOL GetSaveFileNameW(LPOPENFILENAMEW lpofn) { return RunFileDialog(lpofn, true); }
DWORD CommDlgExtendedError() { return lastDialogError; }
