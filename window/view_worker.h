// One thread that reads what the viewer shows: the latest work asked for runs, and its result is handed to
// the window's thread; a result overtaken by later work, or asked for by a viewer closed since, is dropped.
#pragma once

#include <QObject>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>

#include <QThread>

namespace eit {

class TViewWorker {
 public:
  // Work runs on the worker and reads only what it holds; what it returns runs on the window's thread
  // (not at all once the worker is cancelled or gone).
  using TWork = std::function<std::function<void()>()>;
  // failed: what runs on the window's thread when work raised (its message).
  explicit TViewWorker(std::function<void(const std::string&)> failed);
  // Returns at once: work under way finishes on its own, and its result is dropped.
  ~TViewWorker();
  TViewWorker(const TViewWorker&) = delete;
  TViewWorker& operator=(const TViewWorker&) = delete;

  void Post(TWork work);
  // Drops the work not started and the result of the work under way.
  void Cancel();
  // True from a Post until its result (or a later one's) has run, or it was cancelled.
  bool Busy() const;
  // Waits for the threads of workers gone whose last work was still under way (at the program's end).
  static void JoinLeftThreads();

 private:
  struct TShared;
  static void Run(const std::shared_ptr<TShared>& shared);
  std::shared_ptr<TShared> shared_;
  // A QThread, not a std::thread: Qt ends what the thread's drawing kept (its font caches) on the thread
  // itself, where a thread Qt did not start has it ended later from another, which crashed under wine.
  std::unique_ptr<QThread> thread_;
};

}  // namespace eit
