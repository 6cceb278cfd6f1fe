#include "realtime/RealtimeWatch.h"

#include <dlfcn.h>
#include <poll.h>
#include <pthread.h>
#include <semaphore.h>
#include <sys/select.h>
#include <unistd.h>

#include <atomic>
#include <cstdarg>
#include <cstdlib>
#include <ctime>
#include <new>

// ThreadSanitizer must see every lock itself: nothing is replaced in its builds. With
// AddressSanitizer, whose allocator is its own, the C++ operators are counted; elsewhere the C
// allocator, which the operators and any C code of a plug-in reach.
#if defined(__SANITIZE_THREAD__)
#define ORL_REALTIME_WATCH 0
#elif defined(__SANITIZE_ADDRESS__)
#define ORL_REALTIME_WATCH 1
#define ORL_COUNT_C_ALLOCATOR 0
#else
#define ORL_REALTIME_WATCH 1
#define ORL_COUNT_C_ALLOCATOR 1
extern "C" void* __libc_malloc(size_t);
extern "C" void* __libc_calloc(size_t, size_t);
extern "C" void* __libc_realloc(void*, size_t);
extern "C" void __libc_free(void*);
#endif

namespace
{
thread_local bool armed = false;
std::atomic<uint64_t> allocationCount{0};
std::atomic<uint64_t> lockCount{0};
std::atomic<uint64_t> systemCallCount{0};

inline void note(std::atomic<uint64_t>& count)
{
    if (armed)
        count.fetch_add(1, std::memory_order_relaxed);
}

template <typename F> F next(const char* name)
{
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}
} // namespace

namespace realtime
{
void watch(bool on)
{
    armed = on;
}

Counts counted()
{
    return {allocationCount.load(), lockCount.load(), systemCallCount.load()};
}

bool available()
{
    return ORL_REALTIME_WATCH != 0;
}

const char* unavailableReason()
{
    return available() ? "" : "a sanitizer owns allocation and locking in this build";
}
} // namespace realtime

#if ORL_REALTIME_WATCH
#if ORL_COUNT_C_ALLOCATOR
extern "C"
{
    void* malloc(size_t size)
    {
        note(allocationCount);
        return __libc_malloc(size);
    }
    void* calloc(size_t n, size_t size)
    {
        note(allocationCount);
        return __libc_calloc(n, size);
    }
    void* realloc(void* p, size_t size)
    {
        note(allocationCount);
        return __libc_realloc(p, size);
    }
    void free(void* p)
    {
        if (p != nullptr)
            note(allocationCount);
        __libc_free(p);
    }
}
#else
// The replaced operators pair malloc with free on purpose.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

void* operator new(std::size_t size)
{
    note(allocationCount);
    if (void* p = std::malloc(size == 0 ? 1 : size))
        return p;
    throw std::bad_alloc();
}
void* operator new[](std::size_t size)
{
    return operator new(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    note(allocationCount);
    return std::malloc(size == 0 ? 1 : size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept
{
    return operator new(size, std::nothrow);
}
void operator delete(void* p) noexcept
{
    if (p != nullptr)
        note(allocationCount);
    std::free(p);
}
void operator delete[](void* p) noexcept
{
    operator delete(p);
}
void operator delete(void* p, std::size_t) noexcept
{
    operator delete(p);
}
void operator delete[](void* p, std::size_t) noexcept
{
    operator delete(p);
}
#endif

extern "C"
{
    int pthread_mutex_lock(pthread_mutex_t* mutex)
    {
        static const auto real = next<int (*)(pthread_mutex_t*)>("pthread_mutex_lock");
        note(lockCount);
        return real(mutex);
    }
    int pthread_mutex_trylock(pthread_mutex_t* mutex)
    {
        static const auto real = next<int (*)(pthread_mutex_t*)>("pthread_mutex_trylock");
        note(lockCount);
        return real(mutex);
    }
    int pthread_rwlock_rdlock(pthread_rwlock_t* lock)
    {
        static const auto real = next<int (*)(pthread_rwlock_t*)>("pthread_rwlock_rdlock");
        note(lockCount);
        return real(lock);
    }
    int pthread_rwlock_wrlock(pthread_rwlock_t* lock)
    {
        static const auto real = next<int (*)(pthread_rwlock_t*)>("pthread_rwlock_wrlock");
        note(lockCount);
        return real(lock);
    }
    int sem_wait(sem_t* semaphore)
    {
        static const auto real = next<int (*)(sem_t*)>("sem_wait");
        note(lockCount);
        return real(semaphore);
    }
    ssize_t read(int fd, void* buffer, size_t size)
    {
        static const auto real = next<ssize_t (*)(int, void*, size_t)>("read");
        note(systemCallCount);
        return real(fd, buffer, size);
    }
    ssize_t write(int fd, const void* buffer, size_t size)
    {
        static const auto real = next<ssize_t (*)(int, const void*, size_t)>("write");
        note(systemCallCount);
        return real(fd, buffer, size);
    }
    int close(int fd)
    {
        static const auto real = next<int (*)(int)>("close");
        note(systemCallCount);
        return real(fd);
    }
    int nanosleep(const timespec* wanted, timespec* left)
    {
        static const auto real = next<int (*)(const timespec*, timespec*)>("nanosleep");
        note(systemCallCount);
        return real(wanted, left);
    }
    int usleep(useconds_t micro)
    {
        static const auto real = next<int (*)(useconds_t)>("usleep");
        note(systemCallCount);
        return real(micro);
    }
    int sched_yield()
    {
        static const auto real = next<int (*)()>("sched_yield");
        note(systemCallCount);
        return real();
    }
    int poll(pollfd* fds, nfds_t count, int timeout)
    {
        static const auto real = next<int (*)(pollfd*, nfds_t, int)>("poll");
        note(systemCallCount);
        return real(fds, count, timeout);
    }
}
#endif
