#include "commands/file_operations.h"

namespace vantiro {

void FileOperations::WhenDone(std::function<void()> done) {
  if (!running_) {
    done();
    return;
  }
  whenDone_ = std::move(done);
}

void FileOperations::StartNext() {
  running_ = !waiting_.empty();
  if (!running_) {
    if (whenDone_) std::exchange(whenDone_, {})();
    return;
  }
  const std::function<void()> start = std::move(waiting_.front());
  waiting_.pop_front();
  start();
}

}  // namespace vantiro
