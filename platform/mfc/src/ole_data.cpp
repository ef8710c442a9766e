// OLE start-up, data sources and data objects over global memory and the clipboard.
#include <cstring>

#include "mfc/ole.h"
#include "ole_internal.h"

IMPLEMENT_DYNAMIC(COleDataSource, CCmdTarget)

namespace {

int oleInitCount = 0;
COleDataSource* clipboardSource = nullptr;  // the data source the clipboard owns

// A new moveable block with the same bytes, or null.
HGLOBAL CopyBlock(HGLOBAL block) {
  const SIZE_T size = ::GlobalSize(block);
  const void* bytes = ::GlobalLock(block);
  if (bytes == nullptr) return nullptr;
  HGLOBAL copy = ::GlobalAlloc(GMEM_MOVEABLE, size);
  if (void* target = copy != nullptr ? ::GlobalLock(copy) : nullptr) {
    std::memcpy(target, bytes, size);
    ::GlobalUnlock(copy);
  }
  ::GlobalUnlock(block);
  return copy;
}

// Opens the clipboard, retrying never: another holder makes the operation fail as on the platform.
class ClipboardScope {
 public:
  ClipboardScope() : open_(::OpenClipboard(nullptr) != FALSE) {}
  ~ClipboardScope() {
    if (open_) ::CloseClipboard();
  }
  ClipboardScope(const ClipboardScope&) = delete;
  ClipboardScope& operator=(const ClipboardScope&) = delete;
  bool IsOpen() const { return open_; }

 private:
  bool open_;
};

}  // namespace

HRESULT OleInitialize(LPVOID) { return oleInitCount++ == 0 ? S_OK : S_FALSE; }

void OleUninitialize() {
  if (oleInitCount > 0) --oleInitCount;
}

// ---- COleDataSource ----

COleDataSource::COleDataSource() = default;

COleDataSource::~COleDataSource() {
  Empty();
  if (clipboardSource == this) clipboardSource = nullptr;
}

void COleDataSource::CacheGlobalData(CLIPFORMAT cfFormat, HGLOBAL hGlobal) {
  if (hGlobal == nullptr) return;
  HGLOBAL& slot = m_data[cfFormat];
  if (slot != nullptr && slot != hGlobal) ::GlobalFree(slot);
  slot = hGlobal;
}

void COleDataSource::Empty() {
  for (auto& [format, block] : m_data) ::GlobalFree(block);
  m_data.clear();
}

BOOL COleDataSource::IsDataAvailable(CLIPFORMAT cfFormat) const { return m_data.count(cfFormat) != 0; }

HGLOBAL COleDataSource::CopyGlobalData(CLIPFORMAT cfFormat) const {
  auto it = m_data.find(cfFormat);
  return it != m_data.end() ? CopyBlock(it->second) : nullptr;
}

void COleDataSource::SetClipboard() {
  {
    ClipboardScope clipboard;
    if (clipboard.IsOpen() && ::EmptyClipboard()) {
      for (const auto& [format, block] : m_data) {
        if (HGLOBAL copy = CopyBlock(block)) {
          if (::SetClipboardData(format, copy) == nullptr) ::GlobalFree(copy);
        }
      }
    }
  }
  // The clipboard owns the source now, whether or not it could take the data.
  if (clipboardSource != this) {
    delete clipboardSource;
    clipboardSource = this;
  }
}

void COleDataSource::FlushClipboard() {
  delete clipboardSource;
  clipboardSource = nullptr;
}

COleDataSource* COleDataSource::GetClipboardOwner() { return clipboardSource; }

// ---- COleDataObject ----

void COleDataObject::Attach(COleDataSource* pDataSource) {
  Release();
  m_pDataSource = pDataSource;
}

BOOL COleDataObject::AttachClipboard() {
  Release();
  m_bClipboard = true;
  return ::CountClipboardFormats() > 0;
}

void COleDataObject::Release() {
  m_pDataSource = nullptr;
  m_bClipboard = false;
}

BOOL COleDataObject::IsDataAvailable(CLIPFORMAT cfFormat) const {
  if (m_pDataSource != nullptr) return m_pDataSource->IsDataAvailable(cfFormat);
  return m_bClipboard && ::IsClipboardFormatAvailable(cfFormat);
}

HGLOBAL COleDataObject::GetGlobalData(CLIPFORMAT cfFormat) const {
  if (m_pDataSource != nullptr) return m_pDataSource->CopyGlobalData(cfFormat);
  if (!m_bClipboard) return nullptr;
  ClipboardScope clipboard;
  if (!clipboard.IsOpen()) return nullptr;
  HGLOBAL block = static_cast<HGLOBAL>(::GetClipboardData(cfFormat));
  return block != nullptr ? CopyBlock(block) : nullptr;
}

namespace mfc_internal {

void ResetOleData() {
  COleDataSource::FlushClipboard();
  oleInitCount = 0;
}

}  // namespace mfc_internal
