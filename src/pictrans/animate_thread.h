// The worker of a threaded transition: it only keeps time. Each step runs on the
// user-interface thread through the owner's MainThreadCalls, and so does its end, which
// calls the owner's AnimationComplete.
#pragma once

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace saverkit {

class TCustomPic_Trans;

class TAnimateThread {
 public:
  explicit TAnimateThread(TCustomPic_Trans& owner);
  ~TAnimateThread();  // terminates and joins; the owner waits for Finished() first
  TAnimateThread(const TAnimateThread&) = delete;
  TAnimateThread& operator=(const TAnimateThread&) = delete;

  // Asks the worker to end after its current step; also cuts its wait between frames short.
  void Terminate();
  // True once the worker's last call (the owner's AnimationComplete) has run.
  bool Finished() const { return finished_; }

 private:
  void Execute();

  TCustomPic_Trans& owner_;
  std::atomic<bool> terminated_{false};
  std::atomic<bool> finished_{false};
  std::mutex sleepMutex_;
  std::condition_variable wakeUp_;
  std::thread thread_;
};

}  // namespace saverkit
