#pragma once
// Giving test files the modification times of their stories: a local date
// and time, as a camera would have written them.

#include <chrono>
#include <ctime>
#include <filesystem>
#include <string>

namespace lumetta::testing_support {

inline std::filesystem::file_time_type LocalTime(int year, int month, int day, int hour = 12, int minute = 0) {
  std::tm local{};
  local.tm_year = year - 1900;
  local.tm_mon = month - 1;
  local.tm_mday = day;
  local.tm_hour = hour;
  local.tm_min = minute;
  local.tm_isdst = -1;
  const auto system = std::chrono::system_clock::from_time_t(std::mktime(&local));
  return std::chrono::file_clock::from_sys(system);
}

inline void SetLocalDate(const std::string& path, int year, int month, int day, int hour = 12, int minute = 0) {
  std::filesystem::last_write_time(path, LocalTime(year, month, day, hour, minute));
}

}  // namespace lumetta::testing_support
