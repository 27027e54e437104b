// Where work that may wait on the disk runs: away from the window's thread,
// what it finds handed back to it. The program gives each job a thread that
// nothing ever waits for; the tests run the jobs in order when they say.
#pragma once

#include <functional>

namespace vantiro {

class Executor {
 public:
  virtual ~Executor() = default;
  // Starts a job away from the window's thread.
  virtual void Run(std::function<void()> job) = 0;
  // Runs work on the window's thread once the event being handled, and any
  // message or input box it shows, is over. Safe on any thread.
  virtual void Post(std::function<void()> work) = 0;
};

}  // namespace vantiro
