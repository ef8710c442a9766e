#include "host/notify.h"

#include <vector>

#include "host/colors.h"
#include "host_fixture.h"

namespace {

struct Received {
  std::vector<int> codes;
  std::vector<void*> callParams;
};

void Record(void* param, NotifyInfo* info) {
  auto* received = static_cast<Received*>(param);
  received->codes.push_back(info->intcode);
  received->callParams.push_back(info->callParam);
}

using NotifyTest = HostTest;

TEST_F(NotifyTest, DeliveredWithTheirParameterUntilUnregistered) {
  Received first, second;
  EXPECT_EQ(RegisterNotification(Record, &first, NOTIFY_COLOR_CHANGE), 1);
  EXPECT_EQ(RegisterNotification(Record, &second, NOTIFY_COLOR_CHANGE), 1);
  EXPECT_EQ(RegisterNotification(Record, &first, NOTIFY_COLOR_CHANGE), 0) << "duplicate registration";
  EXPECT_EQ(RegisterNotification(nullptr, &first, NOTIFY_COLOR_CHANGE), 0);

  int data = 7;
  BroadcastNotification(NOTIFY_COLOR_CHANGE, &data);
  BroadcastNotification(NOTIFY_SYSTEM_STARTUP);
  EXPECT_EQ(first.codes, std::vector<int>{85});
  EXPECT_EQ(first.callParams, std::vector<void*>{&data});
  EXPECT_EQ(second.codes, std::vector<int>{85});

  EXPECT_EQ(UnRegisterNotification(Record, &first, NOTIFY_COLOR_CHANGE), 1);
  EXPECT_EQ(UnRegisterNotification(Record, &first, NOTIFY_COLOR_CHANGE), 0);
  BroadcastNotification(NOTIFY_COLOR_CHANGE);
  EXPECT_EQ(first.codes.size(), 1u);
  EXPECT_EQ(second.codes.size(), 2u);
}

// Unregisters the other receiver while the broadcast runs.
struct Pair {
  Received received;
  Pair* other = nullptr;
};

void UnregisterOther(void* param, NotifyInfo* info) {
  auto* self = static_cast<Pair*>(param);
  self->received.codes.push_back(info->intcode);
  UnRegisterNotification(UnregisterOther, self->other, info->intcode);
}

TEST_F(NotifyTest, AProcedureUnregisteredDuringABroadcastIsNotCalled) {
  Pair a, b;
  a.other = &b;
  b.other = &a;
  RegisterNotification(UnregisterOther, &a, NOTIFY_SYSTEM_SHUTDOWN);
  RegisterNotification(UnregisterOther, &b, NOTIFY_SYSTEM_SHUTDOWN);
  BroadcastNotification(NOTIFY_SYSTEM_SHUTDOWN);
  EXPECT_EQ(a.received.codes.size(), 1u);
  EXPECT_TRUE(b.received.codes.empty());
  UnRegisterNotification(UnregisterOther, &a);
}

TEST_F(NotifyTest, SwitchingTheThemeBroadcastsTheColourChangeOnce) {
  Received received;
  RegisterNotification(Record, &received, NOTIFY_COLOR_CHANGE);
  EXPECT_EQ(hostsim::NotificationCount(NOTIFY_COLOR_CHANGE), 1);
  hostsim::SetTheme(kDarkTheme);
  hostsim::SetTheme(kDarkTheme);
  EXPECT_EQ(received.codes, std::vector<int>{NOTIFY_COLOR_CHANGE});
  EXPECT_EQ(ColorMan()->GetAppFrameColorTheme(), kDarkTheme);
  hostsim::SetTheme(kLightTheme);
  EXPECT_EQ(received.codes.size(), 2u);
}

TEST_F(NotifyTest, ShutdownBroadcastsPreShutdownThenShutdownAndForgetsRegistrations) {
  Received received;
  RegisterNotification(Record, &received, NOTIFY_SYSTEM_PRE_SHUTDOWN);
  RegisterNotification(Record, &received, NOTIFY_SYSTEM_SHUTDOWN);
  hostsim::Shutdown();
  EXPECT_EQ(received.codes, (std::vector<int>{NOTIFY_SYSTEM_PRE_SHUTDOWN, NOTIFY_SYSTEM_SHUTDOWN}));
  EXPECT_EQ(hostsim::NotificationCount(NOTIFY_SYSTEM_SHUTDOWN), 0);
}

}  // namespace
