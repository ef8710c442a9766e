#include "model/ids.h"

#include <chrono>
#include <cstdio>
#include <ctime>
#include <mutex>
#include <random>

#include "model/md5.h"
#include "model/text.h"

namespace Talvo {

namespace {

uint64_t DrawRandom() {
  static std::mutex mutex;
  static std::mt19937_64 generator{[] {
    std::random_device device;
    std::seed_seq seed{device(), device(), device(), device()};
    return std::mt19937_64(seed);
  }()};
  std::lock_guard lock(mutex);
  return generator();
}

}  // namespace

std::wstring MakeUniqueId() {
  const auto seconds = static_cast<unsigned>(std::time(nullptr));
  const auto counter = static_cast<long long>(std::chrono::steady_clock::now().time_since_epoch().count());
  char text[64];
  std::snprintf(text, sizeof text, "%u%lld", seconds, counter);
  return Utf8ToWide(text);
}

std::wstring NewDocumentId(int number, const std::function<bool(const std::wstring&)>& isTaken) {
  for (;;) {
    char text[64];
    const int length = std::snprintf(text, sizeof text, "%llu %i", static_cast<unsigned long long>(DrawRandom()), number);
    MD5 md5;
    md5.Update(text, static_cast<size_t>(length));
    std::wstring id = Utf8ToWide(md5.HexDigest());
    if (!isTaken || !isTaken(id)) return id;
  }
}

bool IsDocumentId(const std::wstring& text) {
  if (text.size() != 32) return false;
  for (wchar_t c : text) {
    if (!((c >= L'0' && c <= L'9') || (c >= L'a' && c <= L'f'))) return false;
  }
  return true;
}

}  // namespace Talvo
