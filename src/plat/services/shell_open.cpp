#include "plat/services/shell_open.h"

#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <thread>

#include "plat/state/run_state.h"

extern char** environ;

namespace plat {

namespace {

struct ShellOpenRoute {
    ShellOpenHook hook;
};

ShellOpenHook& Hook() { return RunPart<ShellOpenRoute>().hook; }

bool Acceptable(std::string_view target)
{
    if (target.empty() || target.front() == '-') return false;
    for (unsigned char c : target)
        if (c < 0x20 || c == 0x7F) return false;
    return true;
}

bool Spawn(const std::string& target)
{
    std::string program = "xdg-open";
    char* argv[] = {program.data(), const_cast<char*>(target.c_str()), nullptr};
    pid_t pid = 0;
    if (posix_spawnp(&pid, program.c_str(), nullptr, nullptr, argv, environ) != 0) return false;
    // The opener may run a while (a browser start-up): reap it on the side so the program
    // neither blocks nor leaves a zombie behind.
    std::thread([pid] {
        int status = 0;
        while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
    }).detach();
    return true;
}

}  // namespace

BOOL ShellOpen(std::string_view target)
{
    if (!Acceptable(target)) return FALSE;
    std::string t(target);
    if (Hook()) return Hook()(t) ? TRUE : FALSE;
    return Spawn(t) ? TRUE : FALSE;
}

std::intptr_t ShellExecute(HWND, std::string_view verb, std::string_view file, std::string_view, std::string_view, int)
{
    constexpr std::intptr_t kFileNotFound = 2, kNoAssociation = 31, kHandedOn = 42;
    if (!verb.empty() && verb != "open") return kNoAssociation;
    return ShellOpen(file) ? kHandedOn : kFileNotFound;
}

void SetShellOpenHook(ShellOpenHook hook) { Hook() = std::move(hook); }

}  // namespace plat
