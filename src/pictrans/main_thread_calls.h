// Runs a worker's calls on the user-interface thread: the worker hands a call over and waits
// until the user-interface thread has run it, so all drawing stays on that thread.
#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>

namespace saverkit {

class MainThreadCalls {
 public:
  // `wake` asks the user-interface thread to call RunPending; it is called from the worker.
  explicit MainThreadCalls(std::function<void()> wake) : wake_(std::move(wake)) {}

  // Worker side: runs `call` on the user-interface thread and returns when it has run.
  void RunOnMainThread(const std::function<void()>& call);
  // User-interface side: runs the call a worker is waiting for, if any; true when one ran.
  bool RunPending();
  // User-interface side: waits until `done()` is true, running the worker's calls meanwhile.
  // `done` is re-checked whenever Notify is called and after every call that ran.
  void WaitServicing(const std::function<bool()>& done);
  // Wakes a WaitServicing to re-check its condition.
  void Notify();

 private:
  std::function<void()> wake_;
  std::mutex mutex_;
  std::condition_variable changed_;
  const std::function<void()>* pending_ = nullptr;
  bool ran_ = false;
  bool notified_ = false;
};

}  // namespace saverkit
