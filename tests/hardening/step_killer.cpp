#include "step_killer.h"

#include <csignal>
#include <optional>
#include <sys/ptrace.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// The system call the traced child stands at the entry of, if it does.
std::optional<STEP_KILLER::SYSTEM_CALL> entered_call(pid_t child) {
    __ptrace_syscall_info info{};
    const long size = ptrace(PTRACE_GET_SYSCALL_INFO, child, sizeof(info), &info);
    if (size <= 0 || info.op != PTRACE_SYSCALL_INFO_ENTRY) {
        return std::nullopt;
    }
    return STEP_KILLER::SYSTEM_CALL{static_cast<int64_t>(info.entry.nr), info.entry.args[0]};
}

} // namespace

bool STEP_KILLER::run_traced(const std::function<bool(const SYSTEM_CALL&)>& on_entry) {
    const pid_t child = fork();
    if (child < 0) {
        return false;
    }
    if (child == 0) {
        ptrace(PTRACE_TRACEME, 0, nullptr, nullptr);
        raise(SIGSTOP);
        work_();
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ptrace(PTRACE_SETOPTIONS, child, nullptr, PTRACE_O_TRACESYSGOOD | PTRACE_O_EXITKILL);
    long signal_to_deliver = 0;
    while (true) {
        ptrace(PTRACE_SYSCALL, child, nullptr, signal_to_deliver);
        signal_to_deliver = 0;
        if (waitpid(child, &status, 0) < 0 || WIFEXITED(status) || WIFSIGNALED(status)) {
            return false;
        }
        const int stop = WSTOPSIG(status);
        if (stop != (SIGTRAP | 0x80)) {
            signal_to_deliver = stop == SIGSTOP || stop == SIGTRAP ? 0 : stop;
            continue;
        }
        const std::optional<SYSTEM_CALL> call = entered_call(child);
        if (call && on_entry(*call)) {
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
            return true;
        }
    }
}

bool STEP_KILLER::run_killed_at(int step) {
    int entries = 0;
    return run_traced([&](const SYSTEM_CALL&) { return ++entries == step; });
}

int STEP_KILLER::run_every_step(const std::function<void(int step)>& check, int step_limit) {
    int step = 1;
    for (; step <= step_limit && run_killed_at(step); ++step) {
        check(step);
    }
    check(0);
    return step - 1;
}

std::vector<STEP_KILLER::SYSTEM_CALL> STEP_KILLER::system_calls() {
    std::vector<SYSTEM_CALL> calls;
    run_traced([&](const SYSTEM_CALL& call) {
        calls.push_back(call);
        return false;
    });
    return calls;
}
