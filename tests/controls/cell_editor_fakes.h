// Stand-ins for what sits above the cell editors: a grid that records what its editors send it and the
// context menus they ask for, a wheel-events page (by run-time class name) holding it, and a drop-down cell.
#pragma once

#include <afxwin.h>

#include <vector>

#include "controls/cell_editor_links.h"
#include "controls_fixture.h"

namespace Talvo::testing {

// A class-library window that records every message from WM_USER up (registered ones included).
class RecordingWnd : public CWnd {
 public:
  std::vector<ParentMessage> received;

  bool Make(CWnd* parent, const CRect& rect) {
    return Create(AfxRegisterWndClass(0), L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, rect, parent, 77) != FALSE;
  }
  int Count(UINT message) const {
    int count = 0;
    for (const ParentMessage& record : received) count += record.message == message ? 1 : 0;
    return count;
  }
  const ParentMessage* Last(UINT message) const {
    for (auto it = received.rbegin(); it != received.rend(); ++it) {
      if (it->message == message) return &*it;
    }
    return nullptr;
  }

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message >= WM_USER) received.push_back({message, wParam, lParam});
    return CWnd::WindowProc(message, wParam, lParam);
  }
};

// The grid as the editors see it.
class FakeGrid : public RecordingWnd, public iCellEditorGrid {
 public:
  std::vector<CPoint> menuPoints;
  void ShowContextMenu(UINT, CPoint point) override { menuPoints.push_back(point); }
};

// Carries the wheel-events page's run-time class name, which is all the editors look at.
class WheelEventsEditorTab : public RecordingWnd {
  DECLARE_DYNAMIC(WheelEventsEditorTab)
};

class FakeDropDownCell : public iDropDownCell {
 public:
  int syncs = 0;
  void SyncEditor() override { ++syncs; }
};

// A grid on a wheel-events page, the page on a test parent.
class CellEditorTest : public ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    ASSERT_TRUE(page_.Make(CreateParent(460, 220), CRect(0, 0, 460, 220)));
    ASSERT_TRUE(grid_.Make(&page_, CRect(10, 10, 450, 210)));
  }

  WheelEventsEditorTab page_;
  FakeGrid grid_;
};

}  // namespace Talvo::testing
