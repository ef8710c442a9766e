// Global (and local) memory blocks. Moveable blocks are known by a handle value that is not an address; fixed
// blocks by their own address. Every block is in one table, so foreign or freed handles fail cleanly.
#include <windows.h>

#include <cstring>
#include <map>
#include <memory>
#include <mutex>

namespace {

struct Block {
  std::unique_ptr<std::byte[]> data;
  SIZE_T size = 0;
  bool moveable = false;
  int locks = 0;
};

struct Heap {
  std::mutex mutex;
  std::map<UINT_PTR, Block> blocks;
  // Moveable handles come from a range that no heap address uses here.
  UINT_PTR nextHandle = 0x100000000ull;
};

// Never destroyed: threads that outlive main may still free their blocks.
Heap& TheHeap() {
  static auto* heap = new Heap;
  return *heap;
}

std::unique_ptr<std::byte[]> NewStorage(SIZE_T size, bool zero) {
  // One byte at least, so that even an empty block has an address of its own.
  std::unique_ptr<std::byte[]> data(new (std::nothrow) std::byte[size == 0 ? 1 : size]);
  if (data && zero) std::memset(data.get(), 0, size == 0 ? 1 : size);
  return data;
}

Block* Find(Heap& heap, HGLOBAL handle) {
  auto it = heap.blocks.find(reinterpret_cast<UINT_PTR>(handle));
  if (it == heap.blocks.end()) {
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  return &it->second;
}

}  // namespace

HGLOBAL GlobalAlloc(UINT uFlags, SIZE_T dwBytes) {
  Block block;
  block.data = NewStorage(dwBytes, (uFlags & GMEM_ZEROINIT) != 0);
  if (!block.data) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
  block.size = dwBytes;
  block.moveable = (uFlags & GMEM_MOVEABLE) != 0;
  Heap& heap = TheHeap();
  std::lock_guard lock(heap.mutex);
  UINT_PTR key = block.moveable ? (heap.nextHandle += 16) : reinterpret_cast<UINT_PTR>(block.data.get());
  heap.blocks.emplace(key, std::move(block));
  return reinterpret_cast<HGLOBAL>(key);
}

LPVOID GlobalLock(HGLOBAL hMem) {
  Heap& heap = TheHeap();
  std::lock_guard lock(heap.mutex);
  Block* block = Find(heap, hMem);
  if (!block) return nullptr;
  if (block->moveable && block->locks < GMEM_LOCKCOUNT) ++block->locks;
  return block->data.get();
}

BOOL GlobalUnlock(HGLOBAL hMem) {
  Heap& heap = TheHeap();
  std::lock_guard lock(heap.mutex);
  Block* block = Find(heap, hMem);
  if (!block) return FALSE;
  if (!block->moveable) return FALSE;  // fixed blocks have no lock count
  if (block->locks == 0) {
    SetLastError(ERROR_NOT_LOCKED);
    return FALSE;
  }
  --block->locks;
  if (block->locks == 0) SetLastError(NO_ERROR);
  return block->locks > 0;
}

SIZE_T GlobalSize(HGLOBAL hMem) {
  Heap& heap = TheHeap();
  std::lock_guard lock(heap.mutex);
  Block* block = Find(heap, hMem);
  return block ? block->size : 0;
}

HGLOBAL GlobalFree(HGLOBAL hMem) {
  if (!hMem) return nullptr;
  Heap& heap = TheHeap();
  std::lock_guard lock(heap.mutex);
  if (!Find(heap, hMem)) return hMem;  // the platform returns the handle when freeing fails
  heap.blocks.erase(reinterpret_cast<UINT_PTR>(hMem));
  return nullptr;
}

HLOCAL LocalAlloc(UINT uFlags, SIZE_T uBytes) { return GlobalAlloc(uFlags, uBytes); }
HLOCAL LocalFree(HLOCAL hMem) { return GlobalFree(hMem); }
