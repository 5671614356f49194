#include "window/view_worker.h"

#include <exception>
#include <string>

namespace eit {

TViewWorker::TViewWorker(QObject* owner, std::function<void(const std::string&)> failed)
    : owner_(owner), failed_(std::move(failed)), thread_(QThread::create([this] { Run(); })) {
  thread_->start();
}

TViewWorker::~TViewWorker() {
  {
    std::lock_guard<std::mutex> guard(lock_);
    quit_ = true;
  }
  wake_.notify_all();
  thread_->wait();
}

void TViewWorker::Post(TWork work) {
  {
    std::lock_guard<std::mutex> guard(lock_);
    asked_ = std::move(work);
    ++ticket_;
  }
  busy_ = true;
  wake_.notify_all();
}

void TViewWorker::Run() {
  for (;;) {
    TWork work;
    std::uint64_t ticket = 0;
    {
      std::unique_lock<std::mutex> guard(lock_);
      wake_.wait(guard, [this] { return quit_ || asked_ != nullptr; });
      if (quit_) return;
      work = std::move(asked_);
      asked_ = nullptr;
      ticket = ticket_;
    }
    std::function<void()> done;
    try {
      done = work();
    } catch (const std::exception& e) {  // out of memory, say: shown, not thrown across the thread
      done = [this, what = std::string(e.what())] { failed_(what); };
    }
    // Delivered on the owner's thread, unless later work was asked for; dropped when the owner is gone.
    QMetaObject::invokeMethod(
        owner_,
        [this, ticket, done] {
          {
            std::lock_guard<std::mutex> guard(lock_);
            if (ticket != ticket_) return;
          }
          busy_ = false;
          done();
        },
        Qt::QueuedConnection);
  }
}

}  // namespace eit
