#include "WorkerThread.h"

#include "codec/ImageCodec.h"

WorkerThread::~WorkerThread()
{
    {
        std::lock_guard lock(mMutex);
        mStopping = true;
        mTasks.clear();
    }
    mWake.notify_all();
    if (mThread.joinable())
        mThread.join();
}

void WorkerThread::post(std::function<void()> task)
{
    {
        std::lock_guard lock(mMutex);
        mTasks.push_back(std::move(task));
    }
    if (!mThread.joinable())
        mThread = std::thread([this] { run(); });
    mWake.notify_one();
}

void WorkerThread::clear()
{
    std::lock_guard lock(mMutex);
    mTasks.clear();
}

void WorkerThread::run()
{
    for (;;) {
        std::function<void()> task;
        {
            std::unique_lock lock(mMutex);
            mWake.wait(lock, [this] { return mStopping || !mTasks.empty(); });
            if (mStopping)
                break;
            task = std::move(mTasks.front());
            mTasks.pop_front();
        }
        task();
    }
    ImageCodec::threadShutdown();
}
