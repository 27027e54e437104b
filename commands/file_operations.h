// The file operations the user chose (copies, moves, the Recycle Bin,
// deletes), carried out one after another on threads of their own: the
// window answers and browses meanwhile, and an operation chosen while
// another runs waits for it, so that each finds the files as the one before
// left them. The shell's progress and questions are owned by the window
// named in each request.
#pragma once

#include <deque>
#include <functional>
#include <utility>

#include "platform/executor.h"

namespace vantiro {

class FileOperations {
 public:
  explicit FileOperations(Executor& executor) : executor_(executor) {}

  // Runs work away from the window's thread once the operations before it
  // have ended, then done with what work returned on the window's thread.
  template <typename Work, typename Done>
  void Queue(Work work, Done done) {
    waiting_.push_back([this, work = std::move(work), done = std::move(done)]() mutable {
      executor_.RunThenPost(lifetime_, std::move(work),
                            [this, done = std::move(done)](auto result) mutable {
                              done(std::move(result));
                              StartNext();
                            });
    });
    if (!running_) StartNext();
  }
  // True from the moment an operation is queued until the last has ended.
  bool Busy() const { return running_; }
  // Runs once, on the window's thread, as soon as no operation is left.
  void WhenDone(std::function<void()> done);

 private:
  void StartNext();

  Executor& executor_;
  std::deque<std::function<void()>> waiting_;  // each starts one operation
  bool running_ = false;
  std::function<void()> whenDone_;
  Lifetime lifetime_;  // ends first: no result reaches the operations gone
};

}  // namespace vantiro
