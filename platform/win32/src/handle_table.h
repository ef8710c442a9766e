// Handles as values: a table from never-reused handle numbers to the objects they name, so that a stale or
// made-up handle is recognised instead of being dereferenced.
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <unordered_map>
#include <vector>

namespace win32_internal {

template <typename Object>
class HandleTable {
 public:
  // `first` and `step` shape the handle numbers (the platform's handles are small even numbers).
  HandleTable(std::uintptr_t first, std::uintptr_t step) : next_(first), step_(step) {}

  std::uintptr_t Add(std::unique_ptr<Object> object) {
    std::lock_guard lock(mutex_);
    std::uintptr_t value = next_;
    next_ += step_;
    objects_.emplace(value, std::move(object));
    return value;
  }

  // The object, or null for an unknown handle. Only the owning thread may use the object afterwards.
  Object* Find(std::uintptr_t value) const {
    std::lock_guard lock(mutex_);
    auto it = objects_.find(value);
    return it == objects_.end() ? nullptr : it->second.get();
  }

  // Reads a field under the table's lock, for callers on other threads (posting needs the owner thread).
  template <typename Reader>
  bool Read(std::uintptr_t value, Reader reader) const {
    std::lock_guard lock(mutex_);
    auto it = objects_.find(value);
    if (it == objects_.end()) return false;
    reader(*it->second);
    return true;
  }

  void Remove(std::uintptr_t value) {
    std::unique_ptr<Object> doomed;
    {
      std::lock_guard lock(mutex_);
      auto it = objects_.find(value);
      if (it == objects_.end()) return;
      doomed = std::move(it->second);
      objects_.erase(it);
    }
  }

  std::vector<std::uintptr_t> Handles() const {
    std::lock_guard lock(mutex_);
    std::vector<std::uintptr_t> values;
    for (const auto& entry : objects_) values.push_back(entry.first);
    return values;
  }

 private:
  mutable std::mutex mutex_;
  std::unordered_map<std::uintptr_t, std::unique_ptr<Object>> objects_;
  std::uintptr_t next_;
  std::uintptr_t step_;
};

}  // namespace win32_internal
