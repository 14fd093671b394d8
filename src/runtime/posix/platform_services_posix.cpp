// The operating-system services on Linux and other POSIX systems: the user's decimal separator,
// a registry that names the installed system-information program, the regular-file test and
// the start of a program. A program is started from exactly its path: no shell, no PATH
// search, no arguments, and no waiting for it.
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "runtime/absolute_path.h"
#include "runtime/posix/system_tool_registry.h"
#include "runtime/run_time_error.h"
#include "runtime/system_services.h"
#include "runtime/user_locale.h"

namespace quantaro {

namespace {

// stat follows symbolic links, so a link to a file counts as that file. A relative path is
// never looked up: its answer would depend on the current folder.
bool isRegularFile(const std::string& path) {
    struct stat status {};
    return isAbsolutePosixPath(path) && ::stat(path.c_str(), &status) == 0 &&
           S_ISREG(status.st_mode);
}

// A path that names nothing is "file not found" to the user; anything else that keeps the
// program from running (no execute permission, not a program, no memory) is a bad argument.
RunTimeError startError(int error) {
    if (error == ENOENT || error == ENOTDIR) {
        return RunTimeError::fileNotFound();
    }
    return RunTimeError::invalidArgument();
}

// One end of the pipe, closed on every way out of the start, an error passing through included.
class PipeEnd {
  public:
    explicit PipeEnd(int descriptor) : descriptor_(descriptor) {}
    PipeEnd(const PipeEnd&) = delete;
    PipeEnd& operator=(const PipeEnd&) = delete;
    ~PipeEnd() { close(); }

    int get() const { return descriptor_; }
    // A pipe end has no buffered data to lose, so a failed close has nothing to report.
    void close() {
        if (descriptor_ >= 0) {
            ::close(descriptor_);
            descriptor_ = -1;
        }
    }

  private:
    int descriptor_;
};

// While the calling thread forks, no signal handler of ours may run in the children: they are
// copies of one thread of a program whose other threads may hold locks the handler needs.
class SignalsBlocked {
  public:
    SignalsBlocked() {
        sigset_t all;
        sigfillset(&all);
        pthread_sigmask(SIG_SETMASK, &all, &previous_);
    }
    SignalsBlocked(const SignalsBlocked&) = delete;
    SignalsBlocked& operator=(const SignalsBlocked&) = delete;
    ~SignalsBlocked() { pthread_sigmask(SIG_SETMASK, &previous_, nullptr); }

  private:
    sigset_t previous_;
};

// Why the start failed is told through a close-on-exec pipe rather than by posix_spawn in the
// intermediate child. POSIX promises async-signal-safety in a child of a multi-threaded process
// only for calls like fork, execve, sigaction, sigprocmask, write and _exit; posix_spawn is not
// among them, and whether it reports a failed exec at all (rather than a child that exits 127)
// depends on the C library and its version. With the pipe, a successful execve closes the write
// end and the parent reads end-of-file; a failed one leaves its errno there first.
// The next five functions run in a child and so use only those calls.

[[noreturn]] void reportAndExit(int report, int error) {
    // Four bytes into a pipe are written whole or not at all, and nothing is left to tell
    // should even that fail.
    [[maybe_unused]] const ssize_t written = ::write(report, &error, sizeof error);
    ::_exit(127);
}

// A signal arriving before execve must not run one of our handlers in this copy, so caught
// signals go back to their default actions; ignored ones stay ignored, as after any exec.
// The program is a program of its own: it starts with no signal blocked, whatever the thread
// that pressed the button had blocked.
void resetSignals() {
    struct sigaction defaultAction {};
    defaultAction.sa_handler = SIG_DFL;
    sigemptyset(&defaultAction.sa_mask);
    for (int number = 1; number < NSIG; ++number) {
        struct sigaction current {};
        // Signals the C library keeps for itself cannot be asked about and need no reset.
        if (::sigaction(number, nullptr, &current) == 0 && current.sa_handler != SIG_DFL &&
            current.sa_handler != SIG_IGN) {
            ::sigaction(number, &defaultAction, nullptr);
        }
    }
    sigset_t none;
    sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
}

// Only the standard streams are shared with the program. Descriptors of ours that lack
// close-on-exec (the toolkit's display connection, pipes of libraries) would otherwise stay
// open for as long as it runs. The report pipe closes itself on exec. A kernel without
// close_range leaves them open; that costs descriptors, not the start.
void closeAllBut(int report) {
    const unsigned keep = static_cast<unsigned>(report);
    if (keep > 3) {
        ::close_range(3, keep - 1, 0);
    }
    ::close_range(keep + 1 > 3 ? keep + 1 : 3, ~0U, 0);
}

[[noreturn]] void becomeProgram(char* const argv[], int report) {
    resetSignals();
    closeAllBut(report);
    ::execve(argv[0], argv, environ);
    reportAndExit(report, errno);
}

// The intermediate child ends at once, so the program is handed to init and never becomes a
// zombie of ours, and we never wait for it.
[[noreturn]] void startAndLeave(char* const argv[], int report) {
    const pid_t program = ::fork();
    if (program == 0) {
        becomeProgram(argv, report);
    }
    if (program < 0) {
        reportAndExit(report, errno);
    }
    ::_exit(0);
}

// Blocks until every write end is closed: by the intermediate child's exit and by the
// program's successful exec or its exit after a failed one. Zero means it started.
int failureReported(int report) {
    int error = 0;
    std::size_t received = 0;
    while (received < sizeof error) {
        const ssize_t count =
            ::read(report, reinterpret_cast<char*>(&error) + received, sizeof error - received);
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        if (count == 0) {
            return received == 0 ? 0 : EIO;
        }
        received += static_cast<std::size_t>(count);
    }
    return error != 0 ? error : EIO;
}

// The intermediate child, forked with every signal blocked; it never returns here.
pid_t forkIntermediate(char* const argv[], int reportWriter) {
    const SignalsBlocked blocked;
    const pid_t intermediate = ::fork();
    if (intermediate == 0) {
        startAndLeave(argv, reportWriter);
    }
    if (intermediate < 0) {
        throw startError(errno);
    }
    return intermediate;
}

// A failed waitpid means the toolkit's SIGCHLD handling reaped our child first, and the pipe
// has told all there is. Its exit status adds the one failure the pipe cannot tell: an
// intermediate child killed before it could fork.
bool intermediateFailed(pid_t intermediate) {
    int status = 0;
    pid_t reaped = 0;
    do {
        reaped = ::waitpid(intermediate, &status, 0);
    } while (reaped < 0 && errno == EINTR);
    return reaped == intermediate && !(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

// The file test comes first so a folder is "file not found" like a missing path, not the
// "permission denied" execve gives for it, and so a relative path is refused like a missing
// one; execve's own answer still decides everything else.
void startProgramAt(const std::string& path) {
    if (!isRegularFile(path)) {
        throw RunTimeError::fileNotFound();
    }
    // Made before forking: the children must not allocate.
    std::vector<char> programPath(path.begin(), path.end());
    programPath.push_back('\0');
    char* const argv[] = {programPath.data(), nullptr};

    int ends[2];
    // Close-on-exec from the start, so a program another thread starts meanwhile cannot hold
    // the write end open and keep us waiting.
    if (::pipe2(ends, O_CLOEXEC) != 0) {
        throw startError(errno);
    }
    PipeEnd report(ends[0]);
    PipeEnd reportWriter(ends[1]);
    const pid_t intermediate = forkIntermediate(argv, reportWriter.get());
    reportWriter.close();
    const int failure = failureReported(report.get());
    const bool intermediateBroke = intermediateFailed(intermediate);
    if (failure != 0) {
        throw startError(failure);
    }
    if (intermediateBroke) {
        throw RunTimeError::invalidArgument();
    }
}

}  // namespace

SystemServices platformServices() {
    SystemServices services;
    services.decimalSeparator = userDecimalSeparator();
    services.registry = std::make_shared<SystemToolRegistry>(
        SystemToolRegistry::wellKnownPrograms(),
        SystemToolRegistry::searchFolders(std::getenv("PATH")));
    services.isAbsolutePath = [](const std::string& path) { return isAbsolutePosixPath(path); };
    services.isFile = isRegularFile;
    services.startProgram = startProgramAt;
    return services;
}

}  // namespace quantaro
