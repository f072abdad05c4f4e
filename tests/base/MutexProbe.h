#pragma once
// Whether a mutex is free, seen from another thread, for the lock tests.

#include <thread>

namespace mutex_test {

// TryLock from a second thread; releases at once when it got the mutex.
template <typename Mutex>
bool FreeForOtherThread(Mutex& mutex)
{
    bool taken = false;
    std::thread other([&] {
        taken = mutex.TryLock() != 0;
        if (taken) {
            mutex.Unlock();
        }
    });
    other.join();
    return taken;
}

} // namespace mutex_test
