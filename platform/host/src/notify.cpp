#include "host/notify.h"

#include <algorithm>
#include <vector>

#include "host/simulation.h"
#include "reset.h"

namespace {

struct Registration {
  NOTIFYPROC proc;
  void* param;
  int code;
  bool operator==(const Registration&) const = default;
};

std::vector<Registration>& Registrations() {
  static std::vector<Registration> registrations;
  return registrations;
}

bool IsRegistered(const Registration& r) {
  const auto& all = Registrations();
  return std::find(all.begin(), all.end(), r) != all.end();
}

}  // namespace

int RegisterNotification(NOTIFYPROC proc, void* param, int code) {
  const Registration r{proc, param, code};
  if (!proc || IsRegistered(r)) return 0;
  Registrations().push_back(r);
  return 1;
}

int UnRegisterNotification(NOTIFYPROC proc, void* param, int code) {
  auto& all = Registrations();
  const auto it = std::find(all.begin(), all.end(), Registration{proc, param, code});
  if (it == all.end()) return 0;
  all.erase(it);
  return 1;
}

int UnRegisterNotification(NOTIFYPROC proc, void* param) {
  const auto removed =
      std::erase_if(Registrations(), [&](const Registration& r) { return r.proc == proc && r.param == param; });
  return removed > 0 ? 1 : 0;
}

void BroadcastNotification(int code, void* callParam) {
  // Work on a copy: procedures may register or unregister while they run.
  const std::vector<Registration> snapshot = Registrations();
  for (const Registration& r : snapshot) {
    if (r.code != code || !IsRegistered(r)) continue;
    NotifyInfo info{code, callParam};
    r.proc(r.param, &info);
  }
}

namespace hostsim {

int NotificationCount(int code) {
  const auto& all = Registrations();
  return static_cast<int>(std::count_if(all.begin(), all.end(), [&](const Registration& r) { return r.code == code; }));
}

}  // namespace hostsim

namespace host_internal {
void ResetNotifications() { Registrations().clear(); }
}  // namespace host_internal
