// Kills a piece of work at every step it takes. The work runs in a child process traced with
// ptrace; a run is stopped with SIGKILL as it enters its n-th system call, for n = 1, 2, ...
// until a run finishes by itself. Every file operation is a system call, so after each run the
// files are in exactly the state a crash at that point leaves them in.
#pragma once

#include <functional>

class STEP_KILLER {
  public:
    explicit STEP_KILLER(std::function<void()> work) : work_(std::move(work)) {}

    // Runs the work once, killed on entering system call number step (from 1); answers whether
    // it was killed (false: it finished before that step, or could not be traced).
    bool run_killed_at(int step);
    // Runs killed at step 1, 2, ... calling check(step) after each run, until the work finishes;
    // the final check sees the finished work with step 0. Answers the number of killed runs.
    int run_every_step(const std::function<void(int step)>& check, int step_limit = 10000);

  private:
    std::function<void()> work_;
};
