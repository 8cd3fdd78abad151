// Forking, waiting for and gating the children of the robustness tests.
#include "child_process.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <stdexcept>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace zelkon::robust {

pid_t StartChild(const std::function<int()> &body)
{
    // Buffered output would otherwise be written twice, once by each process.
    std::fflush(nullptr);
    const pid_t parent = ::getpid();
    const pid_t child = ::fork();
    if (child != 0)
        return child;
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (::getppid() != parent)
        ::_exit(121);
    int code = 120;
    try {
        code = body();
    } catch (...) {
    }
    ::_exit(code);
}

int WaitChild(pid_t child)
{
    int status = 0;
    pid_t waited;
    do
        waited = ::waitpid(child, &status, 0);
    while (waited < 0 && errno == EINTR);
    return waited == child ? status : -1;
}

std::optional<int> EndedChild(pid_t child)
{
    int status = 0;
    pid_t waited;
    do
        waited = ::waitpid(child, &status, WNOHANG);
    while (waited < 0 && errno == EINTR);
    if (waited == 0)
        return std::nullopt;
    return waited == child ? status : -1;
}

std::string DescribeEnd(int waitStatus)
{
    if (waitStatus == -1)
        return "wait failed";
    if (WIFEXITED(waitStatus))
        return "exit code " + std::to_string(WEXITSTATUS(waitStatus));
    if (WIFSIGNALED(waitStatus))
        return "killed by signal " + std::to_string(WTERMSIG(waitStatus));
    return "wait status " + std::to_string(waitStatus);
}

StartGate::StartGate()
{
    int ready[2];
    int start[2];
    if (::pipe(ready) != 0)
        throw std::runtime_error("pipe failed");
    if (::pipe(start) != 0) {
        ::close(ready[0]);
        ::close(ready[1]);
        throw std::runtime_error("pipe failed");
    }
    m_readyRead = ready[0];
    m_readyWrite = ready[1];
    m_startRead = start[0];
    m_startWrite = start[1];
}

StartGate::~StartGate()
{
    closeEnd(m_readyRead);
    closeEnd(m_readyWrite);
    closeEnd(m_startRead);
    closeEnd(m_startWrite);
}

void StartGate::wait()
{
    closeEnd(m_readyRead);
    closeEnd(m_startWrite);
    const char byte = 1;
    while (::write(m_readyWrite, &byte, 1) < 0 && errno == EINTR) {
    }
    closeEnd(m_readyWrite);
    // The read sees the end of the pipe once every copy of its write end is closed: this
    // child's, its siblings' and, last, the parent's.
    char ignored;
    while (::read(m_startRead, &ignored, 1) < 0 && errno == EINTR) {
    }
    closeEnd(m_startRead);
}

void StartGate::open(int children)
{
    // With the parent's own write end closed, a child that died before saying it is ready
    // ends the wait instead of blocking it.
    closeEnd(m_readyWrite);
    for (int ready = 0; ready < children;) {
        char byte;
        const ssize_t n = ::read(m_readyRead, &byte, 1);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        ++ready;
    }
    closeEnd(m_startWrite);
}

void StartGate::closeEnd(int &fd)
{
    if (fd >= 0)
        ::close(fd);
    fd = -1;
}

} // namespace zelkon::robust
