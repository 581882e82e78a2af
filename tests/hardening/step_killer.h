// Kills a piece of work at every step it takes. The work runs in a child process traced with
// ptrace; a run is stopped with SIGKILL as it enters its n-th system call, for n = 1, 2, ...
// until a run finishes by itself. Every file operation is a system call, so after each run the
// files are in exactly the state a crash at that point leaves them in. The same tracing also
// lists the system calls a finished run makes, in order.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

class STEP_KILLER {
  public:
    // A system call as the child entered it: its number and its first argument.
    struct SYSTEM_CALL {
        int64_t number;
        uint64_t first_argument;
    };

    explicit STEP_KILLER(std::function<void()> work) : work_(std::move(work)) {}

    // Runs the work once, killed on entering system call number step (from 1); answers whether
    // it was killed (false: it finished before that step, or could not be traced).
    bool run_killed_at(int step);
    // Runs killed at step 1, 2, ... calling check(step) after each run, until the work finishes;
    // the final check sees the finished work with step 0. Answers the number of killed runs.
    int run_every_step(const std::function<void(int step)>& check, int step_limit = 10000);
    // Runs the work to its end and answers every system call it entered.
    std::vector<SYSTEM_CALL> system_calls();

  private:
    // Runs the work traced; on_entry sees each system call entered and answers whether to kill
    // the child there. Answers whether it was killed.
    bool run_traced(const std::function<bool(const SYSTEM_CALL&)>& on_entry);

    std::function<void()> work_;
};
