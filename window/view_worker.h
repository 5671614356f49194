// One thread that reads what the viewer shows: the latest work asked for runs, and its result is handed to
// the window's thread; a result overtaken by later work is dropped.
#pragma once

#include <QObject>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <memory>

#include <QThread>

namespace eit {

class TViewWorker {
 public:
  // Work runs on the worker; what it returns runs on owner's thread (not at all once owner is gone).
  using TWork = std::function<std::function<void()>()>;
  // failed: what runs on owner's thread when work raised (its message).
  TViewWorker(QObject* owner, std::function<void(const std::string&)> failed);
  ~TViewWorker();
  TViewWorker(const TViewWorker&) = delete;
  TViewWorker& operator=(const TViewWorker&) = delete;

  void Post(TWork work);
  // True from a Post until its result (or a later one's) has run.
  bool Busy() const { return busy_; }

 private:
  void Run();
  QObject* owner_;
  std::function<void(const std::string&)> failed_;
  bool busy_ = false;
  std::mutex lock_;
  std::condition_variable wake_;
  TWork asked_;
  std::uint64_t ticket_ = 0;
  bool quit_ = false;
  // A QThread, not a std::thread: Qt ends what the thread's drawing kept (its font caches) on the thread
  // itself, where a thread Qt did not start has it ended later from another, which crashed under wine.
  std::unique_ptr<QThread> thread_;
};

}  // namespace eit
