#pragma once
// A temporary folder for a test, removed with everything in it afterwards.

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <string_view>

namespace lumetta::testing_support {

class TempDir {
 public:
  TempDir() {
    static int counter = 0;
    path_ = std::filesystem::temp_directory_path() /
            ("lumetta-test-" + std::to_string(std::random_device{}()) + "-" + std::to_string(++counter));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~TempDir() {
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  std::string Path() const { return path_.string(); }
  std::string operator/(std::string_view name) const { return (path_ / std::string(name)).string(); }

  // Creates a file (and its folders) with the given bytes; returns its path.
  std::string Write(std::string_view relative, std::string_view bytes = "") const {
    const std::filesystem::path p = path_ / std::string(relative);
    std::filesystem::create_directories(p.parent_path());
    std::ofstream out(p, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return p.string();
  }
  std::string MakeDir(std::string_view relative) const {
    const std::filesystem::path p = path_ / std::string(relative);
    std::filesystem::create_directories(p);
    return p.string();
  }

 private:
  std::filesystem::path path_;
};

inline std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

}  // namespace lumetta::testing_support
