// A window that owns a grid in tests and records its notifications, handing each to a function, so that a
// test can look at the grid while the notification runs.
#pragma once

#include <functional>
#include <vector>

#include "grid_fixture.h"

namespace Talvo::testing {

class NotifyHook : public CWnd {
 public:
  // The answer to one notification; the grid is inside its own handler while this runs.
  std::function<LRESULT(const NM_GRIDVIEW&)> answer;
  std::vector<NM_GRIDVIEW> received;

  bool Make() {
    return CreateEx(0, AfxRegisterWndClass(0), L"Owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr) != FALSE;
  }
  // The codes received, in order.
  std::vector<int> Codes() const {
    std::vector<int> codes;
    for (const NM_GRIDVIEW& record : received) codes.push_back(static_cast<int>(record.hdr.code));
    return codes;
  }

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message != WM_NOTIFY) return CWnd::WindowProc(message, wParam, lParam);
    const NM_GRIDVIEW record = *reinterpret_cast<const NM_GRIDVIEW*>(lParam);
    received.push_back(record);
    return answer ? answer(record) : 0;
  }
};

}  // namespace Talvo::testing
