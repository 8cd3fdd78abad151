// Child processes for the robustness tests: memory the parent shares with them, a gate that
// lets several start at the same moment, and how they ended.
#pragma once

#include <functional>
#include <new>
#include <optional>
#include <string>
#include <sys/mman.h>
#include <sys/types.h>

namespace zelkon::robust {

/// One T in anonymous memory that children forked after its making share with the parent; T
/// holds only lock-free atomics and plain bytes, which work across processes.
template<class T>
class SharedMemory
{
public:
    SharedMemory()
    {
        void *memory
            = ::mmap(nullptr, sizeof(T), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
        if (memory == MAP_FAILED)
            throw std::bad_alloc();
        m_value = new (memory) T();
    }
    ~SharedMemory()
    {
        m_value->~T();
        ::munmap(m_value, sizeof(T));
    }
    SharedMemory(const SharedMemory &) = delete;
    SharedMemory &operator=(const SharedMemory &) = delete;

    T &operator*() const { return *m_value; }
    T *operator->() const { return m_value; }

private:
    T *m_value = nullptr;
};

/// Forks a child that runs `body` and leaves with its result through _exit, so it never returns
/// into the test framework nor runs the parent's exit handlers; an exception leaves with 120.
/// The child is killed when the parent dies, so a failed test leaves no process behind. -1 when
/// fork fails.
pid_t StartChild(const std::function<int()> &body);

/// Waits for the child; its wait status, or -1 when waiting fails.
int WaitChild(pid_t child);

/// The wait status of a child that has ended, collected; nullopt while it runs.
std::optional<int> EndedChild(pid_t child);

/// "exit code N", "killed by signal N" or "wait failed".
std::string DescribeEnd(int waitStatus);

/// Pipes that let several children start at the same moment: each tells the parent it is
/// ready and blocks until the parent opens the gate. Make it before forking the children.
class StartGate
{
public:
    StartGate();
    ~StartGate();
    StartGate(const StartGate &) = delete;
    StartGate &operator=(const StartGate &) = delete;

    /// In a child: tells the parent it is ready, then blocks until the gate opens.
    void wait();
    /// In the parent, after forking the children: waits until each of them is ready (or gone),
    /// then lets all of them go at once.
    void open(int children);

private:
    static void closeEnd(int &fd);

    int m_readyRead = -1;
    int m_readyWrite = -1;
    int m_startRead = -1;
    int m_startWrite = -1;
};

} // namespace zelkon::robust
