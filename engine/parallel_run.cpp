// A run with several workers: entries run at once, and are taken into the run in list order.
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <memory>
#include <new>

#include "engine/entry_run.h"
#include "platform/worker_thread.h"

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
    try {
      for (;;) {
        std::unique_ptr<TEntryRun> run;
        {
          std::unique_lock<std::mutex> guard(Lock);
          Changed.wait(guard, [&] { return Closed || Next == Entries.size() || Next < Shown + Ahead; });
          if (Closed || Next == Entries.size()) break;
          run = std::make_unique<TEntryRun>(Engine, Next, Entries[Next], false);
          ++Next;
          ++Busy;
        }
        Execute(*run);
        const std::size_t i = run->Index;
        Mark([&] {
          Runs[i] = std::move(run);
          Done[i] = true;
          --Busy;
        });
      }
    } catch (...) {
      // No memory left for this worker's own bookkeeping: the others, or the calling thread, go on.
    }
    Mark([&] { --Running; });
  }

  // Runs the entry. ExecuteEntry keeps its failures itself; what escapes it (no memory left to word one)
  // fails the entry as raised, never the process.
  void Execute(TEntryRun& run) {
    try {
      Engine.ExecuteEntry(run);
      return;
    } catch (...) {
      run.Failed = true;
      run.Named = true;
      run.Error = std::current_exception();
    }
    try {
      std::rethrow_exception(run.Error);
    } catch (const std::bad_alloc&) {
      run.OutOfMemory = true;
    } catch (...) {
    }
    Engine.names_->Finish(run.Index);
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
  // Ends the workers' part of the run at the first entry not taken: the entries under way finish, and
  // what they and those after them wrote ahead is dropped with their names; the calling thread runs
  // the rest one at a time.
  void HandOver(std::unique_lock<std::mutex>& guard);

  TBatchEngine& Engine;
  const std::vector<TJobEntry>& Entries;
  std::mutex Lock;
  std::condition_variable Changed;
  std::vector<std::unique_ptr<TEntryRun>> Runs;
  std::vector<bool> Done;
  std::size_t Next = 0;     // the next entry to start
  bool Closed = false;      // no new entry starts: stopped, failed, or all started
  std::size_t Running = 0;  // workers still working
  std::size_t Busy = 0;     // entries under way
  bool OneAtATime = false;  // the rest of the run is the calling thread's, from Shown on
  std::size_t Shown = 0;    // entries taken into the run
  const std::size_t Ahead;
};

void TBatchEngine::TParallelRun::HandOver(std::unique_lock<std::mutex>& guard) {
  Closed = true;
  OneAtATime = true;
  Changed.notify_all();
  while (Busy > 0) {
    guard.unlock();
    Engine.frontEnd_.ProcessMessages();
    guard.lock();
    Changed.wait_for(guard, std::chrono::milliseconds(50), [&] { return Busy == 0; });
  }
  for (std::size_t i = Shown; i < Next; ++i) Runs[i].reset();  // their temporaries go with them
  Engine.names_->Rollback(Shown);
}

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
      if (Running == 0 && Busy == 0) {
        if (Closed) break;  // stopped before this entry started
        // No worker is left: none could be started, or memory ran out for their own needs.
        HandOver(guard);
        break;
      }
      guard.unlock();
      Engine.frontEnd_.ProcessMessages();
      continue;
    }
    // Memory that ran out beside other workers may not run out for one: the entry runs again, with
    // the rest of the list, as one worker runs them, so that only what fails alone fails.
    if (Runs[Shown]->OutOfMemory) {
      HandOver(guard);
      break;
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
  std::vector<std::unique_ptr<TWorkerThread>> pool;
  pool.reserve(static_cast<std::size_t>(workers));
  // Whatever ends the run, the workers finish the entries under way and are joined.
  struct Join {
    TParallelRun& run;
    std::vector<std::unique_ptr<TWorkerThread>>& pool;
    ~Join() {
      run.Close();  // also wakes the workers waiting for room ahead
      pool.clear();
    }
  } join{run, pool};
  // A thread the system cannot give (no memory for its stack, a limit on threads) leaves fewer workers.
  for (int w = 0; w < workers; ++w) {
    run.Mark([&] { ++run.Running; });
    try {
      pool.push_back(std::make_unique<TWorkerThread>([&run] { run.Work(); }));
    } catch (const std::exception&) {
      run.Mark([&] { --run.Running; });
      break;
    }
  }
  const TRunOutcome outcome = run.TakeInOrder();
  if (!run.OneAtATime) return outcome;
  // The workers' stacks and buffers are given back before the rest runs.
  pool.clear();
  return RunSequential(entries, run.Shown);
}

}  // namespace eit
