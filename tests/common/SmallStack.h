// Runs a piece of a test on a thread with a small stack, so that a reader whose stack use grows with its
// input fails the test (by crashing) instead of passing on the main thread's large stack.
#pragma once

#include <pthread.h>

#include <functional>

// Runs `body` on a new thread with `bytes` of stack and waits for it; false when the thread cannot start.
inline bool runOnSmallStack(const std::function<void()>& body, size_t bytes = 256 * 1024) {
    pthread_attr_t attr;
    if (pthread_attr_init(&attr) != 0) return false;
    pthread_attr_setstacksize(&attr, bytes);
    pthread_t thread;
    auto start = [](void* arg) -> void* {
        (*static_cast<const std::function<void()>*>(arg))();
        return nullptr;
    };
    const bool started =
        pthread_create(&thread, &attr, start, const_cast<std::function<void()>*>(&body)) == 0;
    pthread_attr_destroy(&attr);
    if (started) pthread_join(thread, nullptr);
    return started;
}
