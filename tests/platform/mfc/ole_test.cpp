#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "afxole.h"
#include "mfc_fixture.h"
#include "win32/simulation.h"

namespace {

class OleTest : public MfcTest {
 protected:
  void SetUp() override {
    MfcTest::SetUp();
    mfcsim::ResetOle();
    winsim::ResetClipboard();
  }
  void TearDown() override {
    mfcsim::ResetOle();
    winsim::ResetClipboard();
    MfcTest::TearDown();
  }
};

HGLOBAL TextBlock(const char* text) {
  const size_t size = std::strlen(text) + 1;
  HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, size);
  std::memcpy(::GlobalLock(block), text, size);
  ::GlobalUnlock(block);
  return block;
}

std::string TextOf(HGLOBAL block) {
  if (block == nullptr) return "<none>";
  std::string text(static_cast<const char*>(::GlobalLock(block)));
  ::GlobalUnlock(block);
  ::GlobalFree(block);
  return text;
}

class TrackedSource : public COleDataSource {
 public:
  explicit TrackedSource(bool* deleted) : deleted_(deleted) {}
  ~TrackedSource() override { *deleted_ = true; }

 private:
  bool* deleted_;
};

TEST_F(OleTest, ClipboardRoundTripThroughDataSourceAndDataObject) {
  bool firstDeleted = false;
  auto* source = new TrackedSource(&firstDeleted);
  source->CacheGlobalData(CF_TEXT, TextBlock("a\tb\r\nc\td"));
  source->SetClipboard();
  EXPECT_EQ(COleDataSource::GetClipboardOwner(), source);

  COleDataObject data;
  EXPECT_TRUE(data.AttachClipboard());
  EXPECT_TRUE(data.IsDataAvailable(CF_TEXT));
  EXPECT_FALSE(data.IsDataAvailable(CF_HDROP));
  EXPECT_EQ(TextOf(data.GetGlobalData(CF_TEXT)), "a\tb\r\nc\td");
  EXPECT_EQ(data.GetGlobalData(CF_HDROP), nullptr);

  // New data replaces the old source, which the clipboard frees.
  auto* second = new COleDataSource;
  second->CacheGlobalData(CF_TEXT, TextBlock("x"));
  second->SetClipboard();
  EXPECT_TRUE(firstDeleted);
  EXPECT_EQ(TextOf(data.GetGlobalData(CF_TEXT)), "x");

  // While another program holds the clipboard nothing can be read.
  winsim::SetClipboardOpenFails(true);
  EXPECT_EQ(data.GetGlobalData(CF_TEXT), nullptr);
  winsim::SetClipboardOpenFails(false);

  data.Release();
  EXPECT_FALSE(data.IsDataAvailable(CF_TEXT));
}

// A drop target that logs what it sees; it takes text when `accepts`.
class LoggingTarget : public COleDropTarget {
 public:
  explicit LoggingTarget(bool accepts) : accepts_(accepts) {}
  std::vector<std::string> events;
  std::string dropped;
  CPoint lastPoint;

  DROPEFFECT OnDragEnter(CWnd*, COleDataObject* data, DWORD keys, CPoint point) override {
    events.push_back("enter");
    return Effect(data, keys, point);
  }
  DROPEFFECT OnDragOver(CWnd*, COleDataObject* data, DWORD keys, CPoint point) override {
    events.push_back("over");
    return Effect(data, keys, point);
  }
  void OnDragLeave(CWnd*) override { events.push_back("leave"); }
  BOOL OnDrop(CWnd*, COleDataObject* data, DROPEFFECT, CPoint point) override {
    events.push_back("drop");
    lastPoint = point;
    if (!accepts_) return FALSE;
    dropped = TextOf(data->GetGlobalData(CF_TEXT));
    return TRUE;
  }

 private:
  DROPEFFECT Effect(COleDataObject* data, DWORD keys, CPoint point) {
    lastPoint = point;
    if (!accepts_ || !data->IsDataAvailable(CF_TEXT)) return DROPEFFECT_NONE;
    return (keys & MK_CONTROL) ? DROPEFFECT_COPY : DROPEFFECT_MOVE;
  }
  bool accepts_;
};

class DropTest : public OleTest {
 protected:
  void SetUp() override {
    OleTest::SetUp();
    const LPCWSTR cls = AfxRegisterWndClass(0);
    ASSERT_TRUE(left.CreateEx(0, cls, L"left", WS_POPUP | WS_VISIBLE, 0, 0, 200, 200, nullptr, nullptr));
    ASSERT_TRUE(right.CreateEx(0, cls, L"right", WS_POPUP | WS_VISIBLE, 300, 0, 200, 200, nullptr, nullptr));
    source.CacheGlobalData(CF_TEXT, TextBlock("cells"));
  }
  CWnd left, right;
  COleDataSource source;
};

TEST_F(DropTest, RefusedAndAcceptedDrops) {
  LoggingTarget refusing(false), accepting(true);
  ASSERT_TRUE(refusing.Register(&left));
  ASSERT_TRUE(accepting.Register(&right));
  LoggingTarget other(true);
  EXPECT_FALSE(other.Register(&left));  // one target per window

  // Over the refusing window only: enter, over and leave, never a drop.
  EXPECT_EQ(mfcsim::DragAndDrop(source, {20, 20}, {50, 60}), static_cast<DROPEFFECT>(DROPEFFECT_NONE));
  EXPECT_EQ(refusing.events, (std::vector<std::string>{"enter", "over", "leave"}));
  EXPECT_EQ(refusing.lastPoint, CPoint(50, 60));

  // From the refusing window to the accepting one, with Ctrl held: copied there.
  refusing.events.clear();
  EXPECT_EQ(mfcsim::DragAndDrop(source, {20, 20}, {350, 40}, MK_LBUTTON | MK_CONTROL),
            static_cast<DROPEFFECT>(DROPEFFECT_COPY));
  EXPECT_EQ(refusing.events, (std::vector<std::string>{"enter", "leave"}));
  EXPECT_EQ(accepting.events, (std::vector<std::string>{"enter", "drop"}));
  EXPECT_EQ(accepting.lastPoint, CPoint(50, 40));  // client coordinates
  EXPECT_EQ(accepting.dropped, "cells");

  // An effect the source doesn't allow is no drop.
  accepting.events.clear();
  EXPECT_EQ(mfcsim::DragAndDrop(source, {350, 40}, {360, 50}, MK_LBUTTON, DROPEFFECT_COPY),
            static_cast<DROPEFFECT>(DROPEFFECT_NONE));
  EXPECT_EQ(accepting.events, (std::vector<std::string>{"enter", "over", "leave"}));

  // A revoked window takes nothing.
  accepting.Revoke();
  accepting.events.clear();
  EXPECT_EQ(mfcsim::DragAndDrop(source, {350, 40}, {360, 50}), static_cast<DROPEFFECT>(DROPEFFECT_NONE));
  EXPECT_TRUE(accepting.events.empty());
}

}  // namespace
