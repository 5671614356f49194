// A run with several workers: entries run at once, and are taken into the run in list order.
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "engine/entry_run.h"

namespace eit {

struct TBatchEngine::TParallelRun {
  TParallelRun(TBatchEngine& engine, const std::vector<TJobEntry>& entries, int workers)
      : Engine(engine),
        Entries(entries),
        Runs(entries.size()),
        Done(entries.size(), false),
        // Finished entries wait with their temporaries until their turn: so many and no more may run
        // ahead of the first one not taken, which bounds the disk space and the temporaries held.
        Ahead(std::max<std::size_t>(32, static_cast<std::size_t>(workers) * 4)) {}

  // A worker: takes the next entry while the run is open and there is room ahead.
  void Work() {
    for (;;) {
      std::size_t i;
      {
        std::unique_lock<std::mutex> guard(Lock);
        Changed.wait(guard, [&] { return Closed || Next == Entries.size() || Next < Shown + Ahead; });
        if (Closed || Next == Entries.size()) break;
        i = Next++;
        Runs[i] = std::make_unique<TEntryRun>(Engine, i, Entries[i], false);
      }
      Engine.ExecuteEntry(*Runs[i]);
      Mark([&] { Done[i] = true; });
    }
    Mark([&] { --Running; });
  }

  // Closes the run: no new entry starts; the workers finish the entries under way.
  void Close() {
    Mark([&] { Closed = true; });
  }

  template <typename Change>
  void Mark(Change change) {
    {
      std::lock_guard<std::mutex> guard(Lock);
      change();
    }
    Changed.notify_all();
  }

  // The calling thread: shows each finished entry in list order, letting the front end process its
  // messages while it waits. Returns the outcome; raises what taking an entry raises.
  TRunOutcome TakeInOrder();

  TBatchEngine& Engine;
  const std::vector<TJobEntry>& Entries;
  std::mutex Lock;
  std::condition_variable Changed;
  std::vector<std::unique_ptr<TEntryRun>> Runs;
  std::vector<bool> Done;
  std::size_t Next = 0;     // the next entry to start
  bool Closed = false;      // no new entry starts: stopped, failed, or all started
  std::size_t Running = 0;  // workers still working
  std::size_t Shown = 0;    // entries taken into the run
  const std::size_t Ahead;
};

TRunOutcome TBatchEngine::TParallelRun::TakeInOrder() {
  const std::size_t n = Entries.size();
  bool stopped = false;
  while (Shown < n) {
    std::unique_lock<std::mutex> guard(Lock);
    Changed.wait_for(guard, std::chrono::milliseconds(50), [&] { return Done[Shown] || Running == 0; });
    if (Engine.stop_ != 0 && !Closed) {
      Closed = true;
      stopped = Next < n;
      Changed.notify_all();
    }
    if (!Done[Shown]) {
      if (Running == 0) break;  // stopped before this entry started
      guard.unlock();
      Engine.frontEnd_.ProcessMessages();
      continue;
    }
    std::unique_ptr<TEntryRun> run = std::move(Runs[Shown]);
    guard.unlock();
    try {
      Engine.TakeEntry(*run, n);
    } catch (...) {
      Close();
      throw;
    }
    Mark([&] { ++Shown; });
    Engine.frontEnd_.SetTotal(static_cast<int>(Shown * 100 / n));
    Engine.frontEnd_.ProcessMessages();
    // One worker would have stopped in this log; what later entries wrote is dropped.
    if (run->ReplayStopped) break;
  }
  return stopped || Engine.replayStopped_ ? TRunOutcome::Stopped : TRunOutcome::Completed;
}

TRunOutcome TBatchEngine::RunParallel(const std::vector<TJobEntry>& entries, int workers) {
  TParallelRun run(*this, entries, workers);
  std::vector<std::thread> pool;
  run.Running = static_cast<std::size_t>(workers);
  for (int w = 0; w < workers; ++w) pool.emplace_back([&run] { run.Work(); });
  // Whatever ends the run, the workers finish the entries under way and are joined.
  struct Join {
    TParallelRun& run;
    std::vector<std::thread>& pool;
    ~Join() {
      run.Close();  // also wakes the workers waiting for room ahead
      for (std::thread& t : pool) t.join();
    }
  } join{run, pool};
  return run.TakeInOrder();
}

}  // namespace eit
