#pragma once
// The lock that tells a second instance that another one runs: a lock file
// in the program's folder, held by the first instance for its whole life.

#include <memory>
#include <string>

class QLockFile;

namespace lumetta::platform {

class InstanceLock {
 public:
  explicit InstanceLock(const std::string& lock_file);
  ~InstanceLock();
  InstanceLock(const InstanceLock&) = delete;
  InstanceLock& operator=(const InstanceLock&) = delete;

  // Tries to take the lock at once. False when another instance holds it.
  // An instance that holds the lock keeps getting true.
  bool TryAcquire();

 private:
  std::unique_ptr<QLockFile> lock_;
  bool held_ = false;
};

}  // namespace lumetta::platform
