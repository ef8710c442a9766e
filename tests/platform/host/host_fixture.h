// A fresh window system and host, on its own temporary root folder, for every test.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "host/simulation.h"
#include "win32/simulation.h"

class HostTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    root_ = std::filesystem::temp_directory_path() /
            ("talvo-host-" + std::to_string(getpid()) + "-" + info->test_suite_name() + "-" + info->name());
    std::filesystem::remove_all(root_);
    winsim::Reset();
    hostsim::Start(root_.wstring());
  }
  void TearDown() override {
    hostsim::Shutdown();
    winsim::Reset();
    std::filesystem::remove_all(root_);
  }
  std::filesystem::path root_;
};
