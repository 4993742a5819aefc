#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

// An empty folder of the running test's own, under the test temp folder: <room>/<test name>.
inline std::filesystem::path FreshTestFolder(const std::string& room) {
    const auto* info = testing::UnitTest::GetInstance()->current_test_info();
    const auto folder = std::filesystem::path(testing::TempDir()) / room / info->name();
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}
