#include "window/view_worker.h"

#include <QCoreApplication>
#include <exception>
#include <string>
#include <vector>

namespace eit {

struct TViewWorker::TShared {
  std::function<void(const std::string&)> failed;
  std::mutex lock;
  std::condition_variable wake;
  TWork asked;
  std::uint64_t ticket = 0;  // of the latest work asked for, or of a cancel
  bool quit = false;
  bool busy = false;  // the window's thread only
};

namespace {

// The threads of workers gone, which end on their own: joined at the program's end, and the ended ones
// let go of whenever another is left.
struct TLeftThreads {
  std::vector<std::unique_ptr<QThread>> threads;
  void Prune() {
    std::erase_if(threads, [](const std::unique_ptr<QThread>& t) { return t->isFinished(); });
  }
  void JoinAll() {
    for (const auto& t : threads) t->wait();
    threads.clear();
  }
  ~TLeftThreads() { JoinAll(); }
};

TLeftThreads& LeftThreads() {
  static TLeftThreads left;
  return left;
}

}  // namespace

TViewWorker::TViewWorker(std::function<void(const std::string&)> failed)
    : shared_(std::make_shared<TShared>()), thread_(QThread::create([shared = shared_] { Run(shared); })) {
  shared_->failed = std::move(failed);
  thread_->start();
}

TViewWorker::~TViewWorker() {
  {
    std::lock_guard<std::mutex> guard(shared_->lock);
    shared_->quit = true;
    shared_->asked = nullptr;
  }
  shared_->wake.notify_all();
  LeftThreads().Prune();
  LeftThreads().threads.push_back(std::move(thread_));
}

void TViewWorker::JoinLeftThreads() { LeftThreads().JoinAll(); }

void TViewWorker::Post(TWork work) {
  {
    std::lock_guard<std::mutex> guard(shared_->lock);
    shared_->asked = std::move(work);
    ++shared_->ticket;
  }
  shared_->busy = true;
  shared_->wake.notify_all();
}

void TViewWorker::Cancel() {
  {
    std::lock_guard<std::mutex> guard(shared_->lock);
    shared_->asked = nullptr;
    ++shared_->ticket;  // the result of the work under way is another ticket's: dropped
  }
  shared_->busy = false;
}

bool TViewWorker::Busy() const { return shared_->busy; }

void TViewWorker::Run(const std::shared_ptr<TShared>& shared) {
  for (;;) {
    TWork work;
    std::uint64_t ticket = 0;
    {
      std::unique_lock<std::mutex> guard(shared->lock);
      shared->wake.wait(guard, [&] { return shared->quit || shared->asked != nullptr; });
      if (shared->quit) return;
      work = std::move(shared->asked);
      shared->asked = nullptr;
      ticket = shared->ticket;
    }
    std::function<void()> done;
    try {
      done = work();
    } catch (const std::exception& e) {  // out of memory, say: shown, not thrown across the thread
      done = [shared, what = std::string(e.what())] { shared->failed(what); };
    }
    work = nullptr;
    // Delivered on the window's thread, unless later work was asked for or the worker is gone.
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [shared, ticket, done = std::move(done)] {
          {
            std::lock_guard<std::mutex> guard(shared->lock);
            if (shared->quit || ticket != shared->ticket) return;
          }
          shared->busy = false;
          done();
        },
        Qt::QueuedConnection);
  }
}

}  // namespace eit
