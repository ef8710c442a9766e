// The modal responder's state: the answers tests gave, the log of modals, the beeps and the unexpected-modal
// handler. One lock guards it; the handler and dialog answers run outside the lock, so they may cause modals.
#include <windows.h>

#include <cstdio>
#include <deque>
#include <mutex>

#include "modal_responder_internal.h"

using winsim::FileDialogKind;
using winsim::ModalKind;
using winsim::ModalMatch;
using winsim::Repeat;

namespace {

struct StoredAnswer {
  StoredAnswer(ModalKind kind, const ModalMatch& match = {}) : kind(kind), match(match) {}
  ModalKind kind;
  FileDialogKind fileKind = FileDialogKind::Any;
  ModalMatch match;
  int templateId = 0;  // 0: any dialog
  win32_internal::ModalAnswer answer;
};

struct LoggedModal {
  win32_internal::ModalId id;
  winsim::ModalRecord record;
};

struct Responder {
  std::mutex mutex;
  std::deque<StoredAnswer> queued;
  std::vector<StoredAnswer> standing;
  std::vector<LoggedModal> log;
  win32_internal::ModalId nextId = 1;
  std::vector<UINT> beeps;
  winsim::UnexpectedModalHandler handler;
};

Responder& TheResponder() {
  static Responder responder;
  return responder;
}

bool IsFileDialog(ModalKind kind) { return kind == ModalKind::OpenFileDialog || kind == ModalKind::SaveFileDialog; }

bool TextMatches(const std::wstring& wanted, const std::wstring& actual, bool substring) {
  if (wanted.empty()) return true;
  return substring ? actual.find(wanted) != std::wstring::npos : actual == wanted;
}

bool Matches(const StoredAnswer& stored, const win32_internal::ModalQuery& query) {
  if (IsFileDialog(stored.kind)) {
    if (!IsFileDialog(query.kind)) return false;
    if (stored.fileKind == FileDialogKind::Open && query.kind != ModalKind::OpenFileDialog) return false;
    if (stored.fileKind == FileDialogKind::Save && query.kind != ModalKind::SaveFileDialog) return false;
  } else if (stored.kind != query.kind) {
    return false;
  }
  if (stored.templateId != 0 && stored.templateId != query.templateId) return false;
  return TextMatches(stored.match.text, query.text, stored.match.substring) &&
         TextMatches(stored.match.caption, query.caption, stored.match.substring);
}

void Store(StoredAnswer answer, Repeat repeat) {
  Responder& responder = TheResponder();
  std::lock_guard lock(responder.mutex);
  if (repeat == Repeat::Once)
    responder.queued.push_back(std::move(answer));
  else
    responder.standing.push_back(std::move(answer));
}

StoredAnswer FileAnswer(FileDialogKind kind, const ModalMatch& match, bool cancel, const std::wstring& path) {
  StoredAnswer stored(ModalKind::OpenFileDialog, match);
  stored.fileKind = kind;
  stored.answer.cancel = cancel;
  stored.answer.path = path;
  return stored;
}

void PrintToStderr(const std::wstring& description) {
  std::string text = win32_internal::Utf8Text(description);
  std::fprintf(stderr, "Unexpected modal: %s\n", text.c_str());
}

}  // namespace

namespace win32_internal {

std::optional<ModalAnswer> TakeModalAnswer(const ModalQuery& query) {
  Responder& responder = TheResponder();
  std::lock_guard lock(responder.mutex);
  for (auto it = responder.queued.begin(); it != responder.queued.end(); ++it) {
    if (Matches(*it, query)) {
      ModalAnswer answer = std::move(it->answer);
      responder.queued.erase(it);
      return answer;
    }
  }
  for (auto& stored : responder.standing)
    if (Matches(stored, query)) return stored.answer;
  return std::nullopt;
}

ModalId LogModal(const winsim::ModalRecord& record) {
  Responder& responder = TheResponder();
  std::lock_guard lock(responder.mutex);
  ModalId id = responder.nextId++;
  responder.log.push_back({id, record});
  return id;
}

void CompleteModal(ModalId id, bool answered, int result, const std::wstring& path) {
  Responder& responder = TheResponder();
  std::lock_guard lock(responder.mutex);
  for (auto& logged : responder.log) {
    if (logged.id != id) continue;
    logged.record.answered = answered;
    logged.record.result = result;
    logged.record.path = path;
  }
}

void ReportUnexpectedModal(const std::wstring& description) {
  winsim::UnexpectedModalHandler handler;
  {
    Responder& responder = TheResponder();
    std::lock_guard lock(responder.mutex);
    handler = responder.handler;
  }
  if (handler)
    handler(description);
  else
    PrintToStderr(description);
}

void LogMessageBeep(UINT type) {
  Responder& responder = TheResponder();
  std::lock_guard lock(responder.mutex);
  responder.beeps.push_back(type);
}

}  // namespace win32_internal

namespace winsim {

void AnswerMessageBox(int button, const ModalMatch& match, Repeat repeat) {
  StoredAnswer stored(ModalKind::MessageBox, match);
  stored.answer.button = button;
  Store(std::move(stored), repeat);
}

void AnswerFileDialog(const std::wstring& path, FileDialogKind kind, const ModalMatch& match, Repeat repeat) {
  Store(FileAnswer(kind, match, false, path), repeat);
}

void CancelFileDialog(FileDialogKind kind, const ModalMatch& match, Repeat repeat) {
  Store(FileAnswer(kind, match, true, {}), repeat);
}

void AnswerPopupMenu(UINT command, Repeat repeat) {
  StoredAnswer stored(ModalKind::PopupMenu);
  stored.answer.command = command;
  Store(std::move(stored), repeat);
}

void AnswerPopupMenuItem(const std::wstring& itemText, Repeat repeat) {
  StoredAnswer stored(ModalKind::PopupMenu);
  stored.answer.itemText = itemText;
  Store(std::move(stored), repeat);
}

void AnswerModalDialog(int templateId, DialogAnswer fill, Repeat repeat) {
  StoredAnswer stored(ModalKind::Dialog);
  stored.templateId = templateId;
  stored.answer.fill = std::move(fill);
  Store(std::move(stored), repeat);
}

void AnswerModalDialog(const ModalMatch& caption, DialogAnswer fill, Repeat repeat) {
  StoredAnswer stored(ModalKind::Dialog, caption);
  stored.answer.fill = std::move(fill);
  Store(std::move(stored), repeat);
}

std::vector<ModalRecord> ModalLog() {
  Responder& responder = TheResponder();
  std::lock_guard lock(responder.mutex);
  std::vector<ModalRecord> records;
  for (auto& logged : responder.log) records.push_back(logged.record);
  return records;
}

void ClearModalLog() {
  Responder& responder = TheResponder();
  std::lock_guard lock(responder.mutex);
  responder.log.clear();
}

std::size_t PendingModalAnswers() {
  Responder& responder = TheResponder();
  std::lock_guard lock(responder.mutex);
  return responder.queued.size();
}

void ResetModalResponder() {
  Responder& responder = TheResponder();
  std::lock_guard lock(responder.mutex);
  responder.queued.clear();
  responder.standing.clear();
  responder.log.clear();
  responder.beeps.clear();
}

UnexpectedModalHandler SetUnexpectedModalHandler(UnexpectedModalHandler handler) {
  Responder& responder = TheResponder();
  std::lock_guard lock(responder.mutex);
  std::swap(responder.handler, handler);
  return handler;
}

std::vector<UINT> MessageBeeps() {
  Responder& responder = TheResponder();
  std::lock_guard lock(responder.mutex);
  return responder.beeps;
}

}  // namespace winsim
