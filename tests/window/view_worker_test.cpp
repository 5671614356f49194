// The viewer's worker: closing the viewer returns at once, whatever its work, and drops the result.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <atomic>
#include <chrono>
#include <future>

#include "window/view_worker.h"

namespace eit {
namespace {

TEST(ViewWorker, GoneOrCancelledItWaitsForNoWorkAndDropsItsResult) {
  for (const bool cancel : {false, true}) {
    SCOPED_TRACE(cancel ? "cancelled" : "gone");
    std::promise<void> started, release;
    std::shared_future<void> released = release.get_future().share();
    std::atomic<bool> ended{false};
    bool delivered = false, failed = false;
    {
      TViewWorker worker([&](const std::string&) { failed = true; });
      worker.Post([&, released]() -> std::function<void()> {
        started.set_value();
        // A large decode: it ends when the test lets it (or, should the worker wait for it, after a while).
        released.wait_for(std::chrono::seconds(20));
        ended = true;
        return [&] { delivered = true; };
      });
      started.get_future().wait();
      if (cancel) {
        worker.Cancel();
        EXPECT_FALSE(worker.Busy());
      }
    }  // the worker goes with its work under way
    EXPECT_FALSE(ended);
    release.set_value();
    TViewWorker::JoinLeftThreads();
    EXPECT_TRUE(ended);
    QCoreApplication::processEvents();
    EXPECT_FALSE(delivered);
    EXPECT_FALSE(failed);
  }
}

}  // namespace
}  // namespace eit
