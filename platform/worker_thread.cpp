#include "platform/worker_thread.h"

#include <system_error>

#ifdef _WIN32
#include <thread>
#else
#include <cerrno>
#include <pthread.h>
#include <sys/mman.h>
#endif

namespace eit {

#ifdef _WIN32

// Windows frees a thread's stack when the thread ends.
struct TWorkerThread::TNative {
  std::thread thread;
};

TWorkerThread::TWorkerThread(std::function<void()> work) : work_(std::move(work)) {
  native_ = new TNative;
  try {
    native_->thread = std::thread([this] { Run(this); });
  } catch (...) {
    delete native_;
    throw;
  }
}

void TWorkerThread::Join() {
  if (native_ == nullptr) return;
  native_->thread.join();
  delete native_;
  native_ = nullptr;
}

#else

namespace {
constexpr std::size_t kStackSize = 8u << 20;  // as the system's default
constexpr std::size_t kGuardSize = 64u << 10;

extern "C" void* StartWorker(void* start) {
  (*static_cast<std::function<void()>*>(start))();
  return nullptr;
}
}  // namespace

struct TWorkerThread::TNative {
  pthread_t thread{};
  void* stack = nullptr;
  std::function<void()> start;
};

TWorkerThread::TWorkerThread(std::function<void()> work) : work_(std::move(work)) {
  auto* native = new TNative;
  native->start = [this] { Run(this); };
  // The stack is ours, so that joining gives it back; a guard page below it stops an overflow.
  native->stack = mmap(nullptr, kStackSize + kGuardSize, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (native->stack == MAP_FAILED) {
    const int error = errno;
    delete native;
    throw std::system_error(error, std::generic_category(), "no memory for a thread's stack");
  }
  mprotect(native->stack, kGuardSize, PROT_NONE);
  pthread_attr_t attributes;
  int error = pthread_attr_init(&attributes);
  if (error == 0) {
    error = pthread_attr_setstack(&attributes, static_cast<char*>(native->stack) + kGuardSize, kStackSize);
    if (error == 0) error = pthread_create(&native->thread, &attributes, StartWorker, &native->start);
    pthread_attr_destroy(&attributes);
  }
  if (error != 0) {
    munmap(native->stack, kStackSize + kGuardSize);
    delete native;
    throw std::system_error(error, std::generic_category(), "cannot start a thread");
  }
  native_ = native;
}

void TWorkerThread::Join() {
  if (native_ == nullptr) return;
  pthread_join(native_->thread, nullptr);
  munmap(native_->stack, kStackSize + kGuardSize);
  delete native_;
  native_ = nullptr;
}

#endif

TWorkerThread::~TWorkerThread() { Join(); }

}  // namespace eit
