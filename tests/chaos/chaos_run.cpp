#include "chaos_run.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>

#include "chaos_game.h"
#include "diagnostics/diagnostic_log.h"
#include "platform/os_native.h"

namespace chaos {

namespace {

// What the child tells the parent, in memory both share.
struct Report {
    enum State : int { running, passed, faulted, fatal };
    volatile int state;
    volatile std::size_t step;
    volatile std::uint64_t calls;
    Coverage coverage;
    char kind[64];
    char message[2048];
};

void copy(char* to, std::size_t size, const std::string& text) {
    std::size_t length = std::min(size - 1, text.size());
    std::memcpy(to, text.data(), length);
    to[length] = '\0';
}

[[noreturn]] void play(const std::vector<Action>& actions, Report& report) {
    d3d8water::effectState = d3d8water::EffectState{};
    os::native::reset();
    std::ostringstream output;
    d3d8water::diagnosticLog.redirect(&output);
    fake::Runtime runtime;
    Game game(runtime, output);
    os::native::doubles().onMessageBox = [&] {
        report.state = Report::fatal;
        report.calls = game.calls();
        copy(report.kind, sizeof report.kind, "fatal box");
        copy(report.message, sizeof report.message, "the library ended the process: " + os::native::doubles().messageBoxes);
    };
    try {
        for (std::size_t i = 0; i < actions.size(); ++i) {
            report.step = i;
            report.calls = game.calls();
            game.play(actions[i]);
        }
        report.step = actions.size();
        game.finish();
        report.calls = game.calls();
        report.coverage = game.coverage();
        report.state = Report::passed;
        _exit(0);
    } catch (const Fault& fault) {
        report.calls = game.calls();
        copy(report.kind, sizeof report.kind, fault.kind);
        copy(report.message, sizeof report.message, fault.message);
        report.state = Report::faulted;
        _exit(1);
    }
}

std::string tail(const std::string& path, std::size_t lines) {
    std::ifstream file(path);
    std::vector<std::string> all;
    for (std::string line; std::getline(file, line);) all.push_back(line);
    std::string text;
    for (std::size_t i = all.size() > lines ? all.size() - lines : 0; i < all.size(); ++i) text += all[i] + "\n";
    return text;
}

}  // namespace

Outcome runInChild(const std::vector<Action>& actions) {
    void* shared = mmap(nullptr, sizeof(Report), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    if (shared == MAP_FAILED) {
        Outcome failed;
        failed.failed = true;
        failed.kind = "harness";
        failed.message = "no shared memory for the child's report";
        return failed;
    }
    auto* report = new (shared) Report{};
    char path[] = "/tmp/d3d8water-chaos-XXXXXX";
    int errors = mkstemp(path);
    std::fflush(stdout);
    std::fflush(stderr);
    pid_t child = fork();
    if (child == 0) {
        dup2(errors, STDOUT_FILENO);
        dup2(errors, STDERR_FILENO);
        play(actions, *report);
    }
    int status = 0;
    waitpid(child, &status, 0);
    close(errors);

    Outcome outcome;
    outcome.step = report->step;
    outcome.calls = report->calls;
    outcome.coverage = report->coverage;
    if (report->state == Report::passed && WIFEXITED(status) && WEXITSTATUS(status) == 0) {
        outcome.failed = false;
    } else {
        outcome.failed = true;
        if (report->state == Report::faulted || report->state == Report::fatal) {
            outcome.kind = report->kind;
            outcome.message = report->message;
        } else {
            outcome.kind = "crash";
            outcome.message = WIFSIGNALED(status) ? "the process died of signal " + std::to_string(WTERMSIG(status))
                                                  : "the process exited with status " + std::to_string(WEXITSTATUS(status));
        }
        outcome.output = tail(path, 40);
    }
    unlink(path);
    munmap(shared, sizeof(Report));
    return outcome;
}

std::vector<Action> shrink(std::vector<Action> actions, const FailsAt& failsAt, std::size_t runs) {
    auto keepUpTo = [](std::vector<Action>& list, std::size_t step) {
        if (step + 1 < list.size()) list.resize(step + 1);
    };
    if (auto step = failsAt(actions)) keepUpTo(actions, *step);
    std::size_t parts = 2;
    while (actions.size() > 1 && runs > 0) {
        const std::size_t chunk = (actions.size() + parts - 1) / parts;
        bool reduced = false;
        for (std::size_t start = 0; start < actions.size() && runs > 0; start += chunk) {
            std::vector<Action> candidate(actions.begin(), actions.begin() + static_cast<std::ptrdiff_t>(start));
            candidate.insert(candidate.end(),
                             actions.begin() + static_cast<std::ptrdiff_t>(std::min(actions.size(), start + chunk)),
                             actions.end());
            --runs;
            if (auto step = failsAt(candidate)) {
                keepUpTo(candidate, *step);
                actions = std::move(candidate);
                parts = std::max<std::size_t>(parts - 1, 2);
                reduced = true;
                break;
            }
        }
        if (!reduced) {
            if (chunk == 1) break;
            parts = std::min(parts * 2, actions.size());
        }
    }
    // Then the runtime's scripted answers and faults that the failure does not need.
    for (std::size_t i = 0; i < actions.size() && runs > 0; ++i) {
        for (std::uint32_t Action::*detail : {&Action::scripted, &Action::fault}) {
            if (actions[i].*detail == 0 || runs == 0) continue;
            std::vector<Action> candidate = actions;
            candidate[i].*detail = 0;
            --runs;
            if (auto step = failsAt(candidate)) {
                keepUpTo(candidate, *step);
                actions = std::move(candidate);
            }
        }
    }
    return actions;
}

}  // namespace chaos
