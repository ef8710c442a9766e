// The table behind every GDI handle: handles are numbers looked up here, never raw pointers, so a
// stale or made-up handle fails cleanly instead of touching freed memory.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "win32/error.h"
#include "win32/types.h"

namespace win32_internal {

enum class GdiKind { Pen, Brush, Font, Bitmap, Region, DC, Icon, ImageList };

struct GdiObject {
  explicit GdiObject(GdiKind k) : kind(k) {}
  virtual ~GdiObject() = default;
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;

  const GdiKind kind;
  bool stock = false;  // stock objects and system-colour brushes are shared and never deleted
};

// Adds an object and returns its new handle value; handle values are never reused.
void* AddGdiObject(std::unique_ptr<GdiObject> object);
// The object of a handle, or null (with ERROR_INVALID_HANDLE) when there is none of that kind.
GdiObject* FindGdiObject(const void* handle);
// Takes an object out of the table; the caller destroys it.
std::unique_ptr<GdiObject> RemoveGdiObject(const void* handle);
// Visits every object of one kind (used to find the DCs an object is selected into).
void ForEachGdiObject(GdiKind kind, const std::function<void(void* handle, GdiObject&)>& visit);

template <typename T>
T* LookupGdi(const void* handle) {
  GdiObject* object = FindGdiObject(handle);
  if (object == nullptr || object->kind != T::kKind) {
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  return static_cast<T*>(object);
}

template <typename Handle, typename T>
Handle AddGdi(std::unique_ptr<T> object) {
  return static_cast<Handle>(AddGdiObject(std::move(object)));
}

}  // namespace win32_internal
