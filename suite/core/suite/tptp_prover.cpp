#include "suite/tptp_prover.h"

#include "suite/latin1.h"
#include "suite/system_reason.h"
#include "suite/validity_verdict.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>

extern char** environ;

namespace suite {

namespace {

using Clock = std::chrono::steady_clock;

// How often a run looks whether it was asked to stop.
constexpr std::chrono::milliseconds kStopCheckInterval{10};
// A prover's output beyond this is read and dropped: the status line comes before any proof.
constexpr std::size_t kMaxOutputKept = 1 << 20;

class Descriptor {
  public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() { reset(); }
    int get() const { return fd_; }
    void reset() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
        fd_ = -1;
    }

  private:
    int fd_;
};

std::string spawnReason(int error, std::string_view proverName) {
    if (error == ENOENT) {
        return "el demostrador " + std::string(proverName) + " no está instalado";
    }
    return "no puedo poner en marcha el demostrador " + std::string(proverName) + ": " +
           utf8FromLatin1(spanishSystemReason(error));
}

// The running prover: its process group is killed and the process reaped when this goes.
class ProverProcess {
  public:
    explicit ProverProcess(pid_t pid) : pid_(pid) {}
    ProverProcess(const ProverProcess&) = delete;
    ProverProcess& operator=(const ProverProcess&) = delete;
    ~ProverProcess() {
        if (!reaped_) {
            ::kill(-pid_, SIGKILL);
            ::kill(pid_, SIGKILL);
            wait();
        }
    }
    void wait() {
        int status = 0;
        while (::waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
        }
        reaped_ = true;
    }

  private:
    pid_t pid_;
    bool reaped_ = false;
};

struct Spawned {
    pid_t pid = -1;
    int error = 0;
};

// The prover in a process group of its own, reading `input` and writing to `output`, its errors
// to /dev/null.
Spawned spawn(const std::vector<std::string>& command, int input, int output) {
    std::vector<char*> arguments;
    for (const std::string& argument : command) {
        arguments.push_back(const_cast<char*>(argument.c_str()));
    }
    arguments.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawnattr_t attributes;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, input, STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, output, STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawnattr_init(&attributes);
    sigset_t defaults;
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGPIPE);
    sigset_t none;
    sigemptyset(&none);
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setpgroup(&attributes, 0);
    posix_spawnattr_setflags(&attributes,
                             POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);
    Spawned spawned;
    spawned.error =
        posix_spawnp(&spawned.pid, arguments[0], &actions, &attributes, arguments.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    return spawned;
}

// The word after the output's last "SZS status", or nothing.
std::string_view statusWord(std::string_view output) {
    const std::size_t at = output.rfind("SZS status ");
    if (at == std::string_view::npos) {
        return {};
    }
    const std::string_view rest = output.substr(at + 11);
    return rest.substr(0, rest.find_first_of(" \n"));
}

std::string noAnswerReason(std::string_view output, std::string_view proverName) {
    const std::string_view status = statusWord(output);
    if (status == "ResourceOut" || status == "Timeout") {
        return proverStopReason(proverName, ProverStop::TimeLimit);
    }
    return proverStopReason(proverName,
                            status == "MemoryOut" ? ProverStop::OutOfMemory : ProverStop::NoAnswer);
}

} // namespace

std::vector<std::string> eproverCommand(std::chrono::milliseconds timeLimit, int memoryMegabytes) {
    const auto seconds = static_cast<long>(std::ceil(static_cast<double>(timeLimit.count()) / 1000.0));
    return {"eprover",
            "--auto",
            "--silent",
            "--tstp-format",
            "--cpu-limit=" + std::to_string(std::max(1L, seconds)),
            "--memory-limit=" + std::to_string(memoryMegabytes)};
}

SzsStatus szsStatusOf(std::string_view output) {
    const std::string_view status = statusWord(output);
    if (status == "Theorem") {
        return SzsStatus::Theorem;
    }
    if (status == "CounterSatisfiable") {
        return SzsStatus::CounterSatisfiable;
    }
    return SzsStatus::NoAnswer;
}

TptpProverAnswer askTptpProver(const std::vector<std::string>& command, std::string_view proverName,
                               std::string_view problem, Clock::time_point deadline, std::stop_token stop) {
    // The problem goes through a socket, so that writing to a prover that has ended is an error
    // (MSG_NOSIGNAL) instead of a SIGPIPE that would end the program.
    int sockets[2];
    int outputPipe[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, sockets) != 0) {
        return {SzsStatus::NoAnswer, spawnReason(errno, proverName)};
    }
    Descriptor ours(sockets[0]), theirs(sockets[1]);
    if (::pipe2(outputPipe, O_CLOEXEC) != 0) {
        return {SzsStatus::NoAnswer, spawnReason(errno, proverName)};
    }
    Descriptor output(outputPipe[0]), proverOutput(outputPipe[1]);
    const Spawned spawned = spawn(command, theirs.get(), proverOutput.get());
    if (spawned.error != 0) {
        return {SzsStatus::NoAnswer, spawnReason(spawned.error, proverName)};
    }
    ProverProcess process(spawned.pid);
    theirs.reset();
    proverOutput.reset();
    ::fcntl(ours.get(), F_SETFL, O_NONBLOCK);

    std::string text;
    std::size_t written = 0;
    if (problem.empty()) {
        ours.reset();
    }
    while (!stop.stop_requested() && Clock::now() < deadline) {
        pollfd fds[2] = {{output.get(), POLLIN, 0}, {ours.get(), POLLOUT, 0}};
        const auto wait =
            std::min(kStopCheckInterval,
                     std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()) +
                         std::chrono::milliseconds(1));
        if (::poll(fds, ours.get() >= 0 ? 2 : 1, static_cast<int>(wait.count())) < 0 && errno != EINTR) {
            break;
        }
        if ((fds[1].revents & (POLLOUT | POLLERR | POLLHUP)) != 0) {
            const ssize_t sent =
                ::send(ours.get(), problem.data() + written, problem.size() - written, MSG_NOSIGNAL);
            if (sent > 0) {
                written += static_cast<std::size_t>(sent);
            }
            if (written == problem.size() || (sent < 0 && errno != EAGAIN && errno != EINTR)) {
                ours.reset();
            }
        }
        if ((fds[0].revents & (POLLIN | POLLHUP | POLLERR)) != 0) {
            char buffer[4096];
            const ssize_t got = ::read(output.get(), buffer, sizeof buffer);
            if (got > 0) {
                text.append(buffer, std::min(static_cast<std::size_t>(got),
                                             kMaxOutputKept - std::min(kMaxOutputKept, text.size())));
                continue;
            }
            if (got == 0 || errno != EINTR) {
                process.wait();
                const SzsStatus status = szsStatusOf(text);
                return {status, status == SzsStatus::NoAnswer ? noAnswerReason(text, proverName) : "", true};
            }
        }
    }
    if (stop.stop_requested()) {
        return {SzsStatus::NoAnswer, proverStopReason(proverName, ProverStop::Cancelled), true};
    }
    return {SzsStatus::NoAnswer, proverStopReason(proverName, ProverStop::TimeLimit), true};
}

} // namespace suite
