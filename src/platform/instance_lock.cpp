#include "platform/instance_lock.h"

#include <QLockFile>
#include <QString>

namespace lumetta::platform {

InstanceLock::InstanceLock(const std::string& lock_file)
    : lock_(std::make_unique<QLockFile>(QString::fromStdString(lock_file))) {
  // The lock lives as long as the instance; only a crashed owner's lock is
  // stale, which QLockFile recognises by its process id.
  lock_->setStaleLockTime(0);
}

InstanceLock::~InstanceLock() {
  if (held_) lock_->unlock();
}

bool InstanceLock::TryAcquire() {
  if (!held_) held_ = lock_->tryLock(0);
  return held_;
}

}  // namespace lumetta::platform
