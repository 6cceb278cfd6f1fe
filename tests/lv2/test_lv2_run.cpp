// run() as lilv's hosts call it: real-time safe for every layout and any block length, zero
// and unconnected audio included. Every allocation, mutex lock and a set of system calls in
// this process are counted while the plug-in runs (interposed here, as lv2lint does).
#include "LilvHost.h"
#include "Lv2Paths.h"

#include <dlfcn.h>
#include <fcntl.h>
#include <pthread.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <cstdlib>
#include <ctime>
#include <new>

// A sanitizer brings its own allocator: there the operators new and delete are counted
// instead of the C allocator.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define ORL_COUNT_C_ALLOCATOR 0
#else
#define ORL_COUNT_C_ALLOCATOR 1
extern "C" void* __libc_malloc(size_t);
extern "C" void* __libc_calloc(size_t, size_t);
extern "C" void* __libc_realloc(void*, size_t);
extern "C" void __libc_free(void*);
#endif

namespace
{
std::atomic<bool> counting{false};
std::atomic<int> forbidden{0};

void count()
{
    if (counting.load(std::memory_order_relaxed))
        forbidden.fetch_add(1);
}

template <typename F> F next(const char* name)
{
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}
} // namespace

extern "C"
{
#if ORL_COUNT_C_ALLOCATOR
    void* malloc(size_t size)
    {
        count();
        return __libc_malloc(size);
    }
    void* calloc(size_t n, size_t size)
    {
        count();
        return __libc_calloc(n, size);
    }
    void* realloc(void* p, size_t size)
    {
        count();
        return __libc_realloc(p, size);
    }
    void free(void* p)
    {
        count();
        __libc_free(p);
    }
#endif
    int pthread_mutex_lock(pthread_mutex_t* mutex)
    {
        static const auto real = next<int (*)(pthread_mutex_t*)>("pthread_mutex_lock");
        count();
        return real(mutex);
    }
    ssize_t write(int fd, const void* data, size_t size)
    {
        static const auto real = next<ssize_t (*)(int, const void*, size_t)>("write");
        count();
        return real(fd, data, size);
    }
    ssize_t read(int fd, void* data, size_t size)
    {
        static const auto real = next<ssize_t (*)(int, void*, size_t)>("read");
        count();
        return real(fd, data, size);
    }
    int nanosleep(const struct timespec* request, struct timespec* remaining)
    {
        static const auto real =
            next<int (*)(const struct timespec*, struct timespec*)>("nanosleep");
        count();
        return real(request, remaining);
    }
}

#if !ORL_COUNT_C_ALLOCATOR
// The replaced operators pair malloc with free on purpose.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void* operator new(std::size_t size)
{
    count();
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
    count();
    return std::malloc(size == 0 ? 1 : size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept
{
    return operator new(size, std::nothrow);
}
void operator delete(void* p) noexcept
{
    count();
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

TEST(Lv2Run, EveryLayoutRunsAnyBlockLengthWithoutAllocatingLockingOrCallingTheSystem)
{
    // The counters see what they are meant to see.
    counting = true;
#if ORL_COUNT_C_ALLOCATOR
    std::free(std::malloc(16));
#else
    delete new int(1);
#endif
    counting = false;
    ASSERT_EQ(forbidden.exchange(0), 2);

    useBuiltBundle();
    LilvHost host;
    for (const char* layout : kLayoutSuffixes)
    {
        SCOPED_TRACE(layout);
        LilvRunner runner(host, host.plugin(chordwellUri(layout)), 48000.0, 1024);
        ASSERT_TRUE(runner.ok());
        for (size_t c = 0; c < runner.inputCount(); ++c)
            for (size_t f = 0; f < 1024; ++f)
                runner.input(c)[f] = static_cast<float>(std::sin(0.01 * f + c)) * 0.5f;
        const uint32_t lengths[] = {0, 1, 7, 64, 0, 511, 1024, 3, 2};
        int step = 0;
        forbidden = 0;
        counting = true;
        for (int pass = 0; pass < 4; ++pass)
            for (uint32_t frames : lengths)
            {
                // Glides, a retune, a new decay and a bypass while running.
                runner.setControl("tune", 0.1f * static_cast<float>(step % 10));
                runner.setControl("transpose", step % 3 == 0 ? 0.0f : 1.0f);
                runner.setControl("decay", 0.9f);
                runner.setControl("detune", 0.5f);
                runner.setControl("bypass", step == 17 ? 1.0f : 0.0f);
                runner.run(frames);
                ++step;
            }
        counting = false;
        EXPECT_EQ(forbidden.load(), 0);
        for (size_t c = 0; c < runner.outputCount(); ++c)
            for (float v : runner.output(c))
                ASSERT_TRUE(std::isfinite(v));
        EXPECT_EQ(runner.control("latency"), 0.0f);
    }
}

TEST(Lv2Run, ZeroLengthRunsAndRunsWithoutAudioPortsLeaveOutputAndStringsUntouched)
{
    useBuiltBundle();
    LilvHost host;
    const LilvPlugin* plugin = host.plugin(chordwellUri("stereo"));
    LilvRunner plain(host, plugin, 48000.0, 256);
    LilvRunner interrupted(host, plugin, 48000.0, 256);
    ASSERT_TRUE(plain.ok() && interrupted.ok());
    for (LilvRunner* r : {&plain, &interrupted})
        for (size_t c = 0; c < 2; ++c)
            for (size_t f = 0; f < 256; ++f)
                r->input(c)[f] = f == 0 ? 1.0f : 0.0f;

    interrupted.output(0).assign(256, 7.0f);
    interrupted.run(0);
    EXPECT_EQ(interrupted.output(0), std::vector<float>(256, 7.0f));
    interrupted.connectAudio(false);
    interrupted.run(256);
    interrupted.connectAudio(true);

    for (int block = 0; block < 3; ++block)
    {
        plain.run(256);
        interrupted.run(256);
        EXPECT_EQ(plain.output(0), interrupted.output(0));
        EXPECT_EQ(plain.output(1), interrupted.output(1));
    }
}
