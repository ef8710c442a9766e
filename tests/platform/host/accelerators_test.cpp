#include "host/accelerators.h"

#include "host_fixture.h"

namespace {

using AcceleratorsTest = HostTest;

TEST_F(AcceleratorsTest, OneGlobalSwitchWithCallCounts) {
  EXPECT_TRUE(AcceleratorsEnabled());
  DisableAccelerators();
  DisableAccelerators();
  EXPECT_FALSE(AcceleratorsEnabled());
  EnableAccelerators();
  EXPECT_TRUE(AcceleratorsEnabled());
  const hostsim::AcceleratorCalls calls = hostsim::GetAcceleratorCalls();
  EXPECT_EQ(calls.disables, 2);
  EXPECT_EQ(calls.enables, 1);

  DisableAccelerators();
  hostsim::Reset();
  EXPECT_TRUE(AcceleratorsEnabled());
  EXPECT_EQ(hostsim::GetAcceleratorCalls().disables, 0);
}

}  // namespace
