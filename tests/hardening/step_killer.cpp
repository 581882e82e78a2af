#include "step_killer.h"

#include <csignal>
#include <sys/ptrace.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Whether the traced child stands at the entry of a system call.
bool at_syscall_entry(pid_t child) {
    __ptrace_syscall_info info{};
    const long size = ptrace(PTRACE_GET_SYSCALL_INFO, child, sizeof(info), &info);
    return size > 0 && info.op == PTRACE_SYSCALL_INFO_ENTRY;
}

} // namespace

bool STEP_KILLER::run_killed_at(int step) {
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
    int entries = 0;
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
        if (at_syscall_entry(child) && ++entries == step) {
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
            return true;
        }
    }
}

int STEP_KILLER::run_every_step(const std::function<void(int step)>& check, int step_limit) {
    int step = 1;
    for (; step <= step_limit && run_killed_at(step); ++step) {
        check(step);
    }
    check(0);
    return step - 1;
}
