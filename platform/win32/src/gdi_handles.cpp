#include "gdi_handles.h"

#include <mutex>
#include <unordered_map>

namespace win32_internal {
namespace {

// Handle values start high and step by 16 so that they never look like small integers
// (system-colour brushes are passed as COLOR_xxx + 1 in their place).
constexpr std::uintptr_t kFirstHandle = 0x10000;
constexpr std::uintptr_t kHandleStep = 16;

struct GdiTable {
  std::mutex mutex;
  std::uintptr_t next = kFirstHandle;
  std::unordered_map<std::uintptr_t, std::unique_ptr<GdiObject>> objects;
};

GdiTable& Table() {
  static GdiTable table;
  return table;
}

}  // namespace

void* AddGdiObject(std::unique_ptr<GdiObject> object) {
  GdiTable& table = Table();
  std::lock_guard lock(table.mutex);
  const std::uintptr_t value = table.next;
  table.next += kHandleStep;
  table.objects.emplace(value, std::move(object));
  return reinterpret_cast<void*>(value);
}

GdiObject* FindGdiObject(const void* handle) {
  GdiTable& table = Table();
  std::lock_guard lock(table.mutex);
  auto it = table.objects.find(reinterpret_cast<std::uintptr_t>(handle));
  return it == table.objects.end() ? nullptr : it->second.get();
}

std::unique_ptr<GdiObject> RemoveGdiObject(const void* handle) {
  GdiTable& table = Table();
  std::lock_guard lock(table.mutex);
  auto it = table.objects.find(reinterpret_cast<std::uintptr_t>(handle));
  if (it == table.objects.end()) return nullptr;
  std::unique_ptr<GdiObject> object = std::move(it->second);
  table.objects.erase(it);
  return object;
}

void ForEachGdiObject(GdiKind kind, const std::function<void(void* handle, GdiObject&)>& visit) {
  GdiTable& table = Table();
  std::lock_guard lock(table.mutex);
  for (auto& [value, object] : table.objects) {
    if (object->kind == kind) visit(reinterpret_cast<void*>(value), *object);
  }
}

}  // namespace win32_internal
