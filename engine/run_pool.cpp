// The run's pool: workers run the entries, one or many at once; the run's own thread takes each into the
// run in list order, publishing, reporting and letting the front end process its messages meanwhile.
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>

#include "engine/entry_run.h"
#include "platform/worker_thread.h"

namespace eit {

struct TBatchEngine::TRunPool {
  TRunPool(TBatchEngine& engine, const TRunInputs& inputs, const std::vector<TJobEntry>& entries, std::size_t from,
           int workers)
      : Engine(engine),
        Inputs(inputs),
        Entries(entries),
        Runs(entries.size()),
        Done(entries.size(), false),
        Next(from),
        Shown(from),
        // Finished entries wait with their temporaries until their turn: so many and no more may run
        // ahead of the first one not taken, which bounds the disk space and the temporaries held.
        Ahead(std::max<std::size_t>(32, static_cast<std::size_t>(workers) * 4)) {}

  // Starts the next entry when the run is open and there is room ahead; false when there is none to start.
  std::shared_ptr<TEntryRun> Start(std::unique_lock<std::mutex>& guard, bool wait) {
    if (wait) Changed.wait(guard, [&] { return Closed || Next == Entries.size() || Next < Shown + Ahead; });
    if (Closed || Next == Entries.size() || Next >= Shown + Ahead) return nullptr;
    auto run = std::make_shared<TEntryRun>(Next, Entries[Next]);
    Runs[Next++] = run;
    ++Busy;
    return run;
  }

  void Finish(TEntryRun& run) {
    WorkEntry(Inputs, run);
    Mark([&] {
      Done[run.Index] = true;
      --Busy;
    });
  }

  // A worker: takes the next entry while the run is open and there is room ahead.
  void Work() {
    try {
      for (;;) {
        std::shared_ptr<TEntryRun> run;
        {
          std::unique_lock<std::mutex> guard(Lock);
          run = Start(guard, true);
        }
        if (!run) break;
        Finish(*run);
      }
    } catch (...) {
      // No memory left for this worker's own bookkeeping: the others, or the run's thread, go on.
    }
    Mark([&] { --Running; });
  }

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

  // The run's thread: takes each entry in list order. Returns the outcome; raises what taking one raises.
  TRunOutcome TakeInOrder();
  // Waits for the entry in turn, showing where it stands; false when the run ends before it started.
  bool AwaitTurn(std::unique_lock<std::mutex>& guard, bool& stopped);
  // Ends the workers' part of the run at the first entry not taken: the entries under way finish, and
  // what they and those after them wrote ahead is dropped with their names, to run again alone.
  void HandOver(std::unique_lock<std::mutex>& guard);

  TBatchEngine& Engine;
  const TRunInputs& Inputs;
  const std::vector<TJobEntry>& Entries;
  std::mutex Lock;
  std::condition_variable Changed;
  std::vector<std::shared_ptr<TEntryRun>> Runs;
  std::vector<bool> Done;
  std::size_t Next;         // the next entry to start
  bool Closed = false;      // no new entry starts: stopped, failed, or all started
  std::size_t Running = 0;  // workers still working
  std::size_t Busy = 0;     // entries under way
  bool HandedOver = false;  // the rest of the run is for a pool of one, from Shown on
  std::size_t Shown;        // entries taken into the run
  const std::size_t Ahead;
  std::exception_ptr Unpublished;  // an output of the entry in turn that could not take its name
};

void TBatchEngine::TRunPool::HandOver(std::unique_lock<std::mutex>& guard) {
  Closed = true;
  HandedOver = true;
  Changed.notify_all();
  while (Busy > 0) {
    guard.unlock();
    Engine.frontEnd_.ProcessMessages();
    guard.lock();
    Changed.wait_for(guard, std::chrono::milliseconds(50), [&] { return Busy == 0; });
  }
  for (std::size_t i = Shown; i < Next; ++i) Runs[i].reset();  // their temporaries go with them
  Inputs.Names.Rollback(Shown);
}

bool TBatchEngine::TRunPool::AwaitTurn(std::unique_lock<std::mutex>& guard, bool& stopped) {
  const std::size_t n = Entries.size();
  for (;;) {
    if (Engine.stop_ != 0 && !Closed) {
      Closed = true;
      stopped = Next < n;
      Changed.notify_all();
    }
    if (Done[Shown]) return true;
    if (Running == 0 && Busy == 0) {
      if (Closed) return false;  // stopped before this entry started
      if (!Inputs.Alone) {
        HandOver(guard);  // no worker could be started, or memory ran out for their own needs
        return false;
      }
      // Not even one worker: this thread is the pool.
      if (std::shared_ptr<TEntryRun> run = Start(guard, false)) {
        guard.unlock();
        Finish(*run);
        guard.lock();
      }
      continue;
    }
    if (const std::shared_ptr<TEntryRun> run = Runs[Shown]) {
      guard.unlock();
      Engine.ShowEntry(*run, Inputs.Alone, Unpublished, Entries.size());
      guard.lock();
      if (Done[Shown]) return true;
    }
    guard.unlock();
    Engine.frontEnd_.ProcessMessages();
    guard.lock();
    Changed.wait_for(guard, std::chrono::milliseconds(50), [&] { return Done[Shown] || (Running == 0 && Busy == 0); });
  }
}

TRunOutcome TBatchEngine::TRunPool::TakeInOrder() {
  const std::size_t n = Entries.size();
  bool stopped = false;
  while (Shown < n) {
    std::shared_ptr<TEntryRun> run;
    {
      std::unique_lock<std::mutex> guard(Lock);
      if (!AwaitTurn(guard, stopped)) break;
      // Memory that ran out beside other workers may not run out for one: the entry runs again, with
      // the rest of the list, in a pool of one, so that only what fails alone fails.
      if (Runs[Shown]->Failure.Kind == TFailureKind::OutOfMemory && !Inputs.Alone) {
        HandOver(guard);
        break;
      }
      run = std::move(Runs[Shown]);
    }
    try {
      Engine.TakeEntry(*run, Unpublished, n);
    } catch (...) {
      Close();
      throw;
    }
    Unpublished = nullptr;
    Mark([&] { ++Shown; });
    Engine.frontEnd_.SetTotal(static_cast<int>(Shown * 100 / n));
    Engine.frontEnd_.ProcessMessages();
    // One worker would have stopped in this log; what later entries wrote is dropped.
    if (run->ReplayStopped) break;
  }
  return stopped || Engine.replayStopped_ ? TRunOutcome::Stopped : TRunOutcome::Completed;
}

TRunOutcome TBatchEngine::RunPool(const std::vector<TJobEntry>& entries, TRunInputs inputs, std::size_t from,
                                  int workers) {
  inputs.Alone = workers == 1;
  TRunPool pool(*this, inputs, entries, from, workers);
  std::vector<std::unique_ptr<TWorkerThread>> threads;
  threads.reserve(static_cast<std::size_t>(workers));
  // Whatever ends the run, the workers finish the entries under way and are joined.
  struct Join {
    TRunPool& pool;
    std::vector<std::unique_ptr<TWorkerThread>>& threads;
    ~Join() {
      pool.Close();  // also wakes the workers waiting for room ahead
      threads.clear();
    }
  } join{pool, threads};
  // A thread the system cannot give (no memory for its stack, a limit on threads) leaves fewer workers.
  for (int w = 0; w < workers; ++w) {
    pool.Mark([&] { ++pool.Running; });
    try {
      threads.push_back(std::make_unique<TWorkerThread>([&pool] { pool.Work(); }));
    } catch (const std::exception&) {
      pool.Mark([&] { --pool.Running; });
      break;
    }
  }
  const TRunOutcome outcome = pool.TakeInOrder();
  if (!pool.HandedOver) return outcome;
  // The workers' stacks and buffers are given back before the rest runs.
  pool.Close();
  threads.clear();
  return RunPool(entries, inputs, pool.Shown, 1);
}

}  // namespace eit
