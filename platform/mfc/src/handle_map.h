// The per-thread maps from handles to their C++ wrappers (windows, device contexts, GDI objects).
#pragma once

#include <map>
#include <unordered_map>
#include <utility>

#include <windows.h>

class CWnd;
class CDC;
class CGdiObject;
class CImageList;
class CMenu;
struct CRuntimeClass;

namespace mfc_internal {

// Clears a temporary wrapper's handle so that deleting it leaves the handle alone.
void ClearWrapperHandle(CWnd* wrapper);
void ClearWrapperHandle(CDC* wrapper);
void ClearWrapperHandle(CGdiObject* wrapper);
void ClearWrapperHandle(CMenu* wrapper);
void ClearWrapperHandle(CImageList* wrapper);

// Permanent entries belong to their objects (Attach/Detach); temporary wrappers belong to the map,
// which deletes them in DeleteTemporaries after clearing their handle (so nothing is destroyed).
// Temporaries are kept per wrapper class, so that a pen handle asked for as CGdiObject and as CPen
// gets two objects of the right dynamic types.
template <class T, class H>
class HandleMap {
 public:
  HandleMap() = default;
  HandleMap(const HandleMap&) = delete;
  HandleMap& operator=(const HandleMap&) = delete;
  ~HandleMap() { DeleteTemporaries(); }

  T* LookupPermanent(H handle) const {
    auto it = permanent_.find(handle);
    return it != permanent_.end() ? it->second : nullptr;
  }
  void SetPermanent(H handle, T* object) { permanent_[handle] = object; }
  void RemovePermanent(H handle) { permanent_.erase(handle); }
  // The first permanent object that `accept` takes, or null.
  template <class Accept>
  T* FindPermanent(Accept accept) const {
    for (const auto& [handle, object] : permanent_) {
      if (accept(object)) return object;
    }
    return nullptr;
  }

  // The wrapper of class `type` for the handle, made by `make` the first time.
  template <class Make>
  T* Temporary(H handle, const CRuntimeClass* type, Make make) {
    auto [it, inserted] = temporary_.try_emplace({handle, type}, nullptr);
    if (inserted) it->second = make();
    return it->second;
  }
  // FromHandle: the permanent object, else the temporary wrapper; null for null.
  template <class Make>
  T* FromHandle(H handle, Make make) {
    if (handle == nullptr) return nullptr;
    if (T* object = LookupPermanent(handle)) return object;
    return Temporary(handle, nullptr, make);
  }

  // Attach: `object` (whose handle member is `member`) becomes the handle's permanent object;
  // false when the handle is null, the object holds one already or the handle has an object.
  bool Attach(T* object, H& member, H handle) {
    if (handle == nullptr || member != nullptr || LookupPermanent(handle) != nullptr) return false;
    SetPermanent(handle, object);
    member = handle;
    return true;
  }
  // Detach: the object lets go of its handle (and leaves the map when it was the permanent one).
  H Detach(T* object, H& member) {
    H handle = member;
    member = nullptr;
    if (handle != nullptr && LookupPermanent(handle) == object) RemovePermanent(handle);
    return handle;
  }

  void DeleteTemporaries() {
    // Deleting a wrapper must not reach the map again, so empty it first.
    auto temporaries = std::move(temporary_);
    temporary_.clear();
    for (auto& entry : temporaries) {
      ClearWrapperHandle(entry.second);
      delete entry.second;
    }
  }

 private:
  std::unordered_map<H, T*> permanent_;
  std::map<std::pair<H, const CRuntimeClass*>, T*> temporary_;
};

// What the class library keeps per thread.
struct ThreadState {
  HandleMap<CWnd, HWND> windows;
  HandleMap<CDC, HDC> deviceContexts;
  HandleMap<CGdiObject, HGDIOBJ> gdiObjects;
  HandleMap<CMenu, HMENU> menus;
  HandleMap<CImageList, HIMAGELIST> imageLists;
  CWnd* pWndInit = nullptr;  // the object whose window CreateEx is making, until its first message
  MSG lastSentMsg{};         // the message AfxCallWndProc is handling, for Default()
};

// The calling thread's state (made on first use, kept for the life of the thread).
ThreadState& GetThreadState();

}  // namespace mfc_internal
