// A thread whose stack goes back to the system when it is joined. The C library keeps the stacks of
// ended threads for reuse, and under an address-space limit those stacks are memory that a run going on
// with fewer threads needs.
#pragma once

#include <cstdint>
#include <functional>

namespace eit {

class TWorkerThread {
 public:
  // Starts work on a new thread; raises std::system_error when the system cannot start one (no memory
  // for its stack, a limit on threads). work must not raise.
  explicit TWorkerThread(std::function<void()> work);
  ~TWorkerThread();  // joins
  TWorkerThread(const TWorkerThread&) = delete;
  TWorkerThread& operator=(const TWorkerThread&) = delete;
  void Join();

 private:
  static void Run(TWorkerThread* self) { self->work_(); }
  std::function<void()> work_;
  struct TNative;
  TNative* native_ = nullptr;
};

}  // namespace eit
