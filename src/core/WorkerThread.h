#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

// The one way Ostrel works off the main thread: a thread of the object that needs it, which
// runs the tasks posted to it one after the other, in order. A task sees only what it was
// given (values, or state its owner guards with a std::mutex) and answers the owner with
// QMetaObject::invokeMethod(owner, ..., Qt::QueuedConnection); it never waits for the owner.
// (The batch's renders, several images at once, are a pool of such threads of its own.)
//
// Why std::thread and std::mutex rather than QThreadPool or QThread: ThreadSanitizer sees
// their hand-offs, not those of Qt's futex-based locks, so the tests under it check ours; a
// thread of our own knows when it ends, which is when libvips' per-thread state must be freed;
// and the owner's destructor joins it, so that no task outlives the data it reads.
//
// Threads: post(), clear() and the destructor on the owner's thread.
class WorkerThread
{
public:
    WorkerThread() = default;
    // Lets the task in progress finish, drops those not begun, and joins the thread.
    ~WorkerThread();
    WorkerThread(const WorkerThread&) = delete;
    WorkerThread& operator=(const WorkerThread&) = delete;

    // Queues a task; the thread starts with the first one.
    void post(std::function<void()> task);
    // Drops the tasks not begun.
    void clear();

private:
    void run();

    std::mutex mMutex; // guards mTasks and mStopping
    std::condition_variable mWake;
    std::deque<std::function<void()>> mTasks;
    bool mStopping = false;
    std::thread mThread; // owner's thread only
};
