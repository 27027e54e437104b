// Where work that may wait on the disk runs: away from the window's thread,
// what it finds handed back to it. The program gives each job a thread that
// nothing ever waits for; the tests run the jobs in order when they say.
#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <utility>

namespace vantiro {

// The one way work handed to an executor learns that what it serves is
// gone: the owner keeps a Lifetime, which ends when it is destroyed or told
// to. A job asks its flag as it goes; work wrapped by Guard does nothing
// once the lifetime ended. Safe on any thread.
class Lifetime {
 public:
  using Flag = std::shared_ptr<const std::atomic<bool>>;

  Lifetime() = default;
  Lifetime(const Lifetime&) = delete;
  Lifetime& operator=(const Lifetime&) = delete;
  ~Lifetime() { End(); }

  void End() { *ended_ = true; }
  // True once ended; the flag outlives the owner.
  Flag ended() const { return ended_; }
  template <typename Work>
  static std::function<void()> Guard(Flag ended, Work work) {
    return [ended = std::move(ended), work = std::move(work)]() mutable {
      if (!*ended) work();
    };
  }
  template <typename Work>
  std::function<void()> Guard(Work work) const {
    return Guard(ended(), std::move(work));
  }

 private:
  std::shared_ptr<std::atomic<bool>> ended_ = std::make_shared<std::atomic<bool>>(false);
};

class Executor {
 public:
  virtual ~Executor() = default;
  // Starts a job away from the window's thread.
  virtual void Run(std::function<void()> job) = 0;
  // Runs work on the window's thread once the event being handled, and any
  // message or input box it shows, is over. Safe on any thread.
  virtual void Post(std::function<void()> work) = 0;
  // The same, once so many milliseconds have passed. Safe on any thread.
  virtual void PostAfter(int milliseconds, std::function<void()> work) = 0;

  // The one way to work away from the window's thread: job runs there, and
  // done then takes what it returned on the window's thread, unless the
  // owner's lifetime ended meanwhile (a job may ask the flag as it goes). The
  // job holds values, never a window; the executor outlives it.
  template <typename Job, typename Done>
  void RunThenPost(Lifetime::Flag ended, Job job, Done done) {
    Run([this, ended = std::move(ended), job = std::move(job), done = std::move(done)]() mutable {
      Post(Lifetime::Guard(std::move(ended), [result = job(), done = std::move(done)]() mutable {
        done(std::move(result));
      }));
    });
  }
  template <typename Job, typename Done>
  void RunThenPost(const Lifetime& owner, Job job, Done done) {
    RunThenPost(owner.ended(), std::move(job), std::move(done));
  }
};

}  // namespace vantiro
