// Every class-library test starts and ends with no windows, no queued messages and no temporaries.
#pragma once

#include <gtest/gtest.h>

#include "mfc/simulation.h"

class MfcTest : public ::testing::Test {
 protected:
  void SetUp() override { mfcsim::Reset(); }
  void TearDown() override { mfcsim::Reset(); }
};
