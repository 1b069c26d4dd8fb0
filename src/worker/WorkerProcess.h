#pragma once

#include <QString>

#include <atomic>

#include <sys/types.h>

#include "codec/FileDescriptor.h"
#include "codec/ImageCodec.h"
#include "core/ImageWork.h"

// A worker process that decodes, resizes and encodes images for this one, so that a decoder
// that crashes, takes more memory than its ceiling or loops for ever costs one image, never
// the program. This process opens the files and hands the worker their descriptors; the
// worker (the ostrel-worker program) runs without the right to open files for writing, make
// sockets or start programs (see its main.cpp) and answers with values.
//
// The process starts with the first task and serves every task after it; one that has ended
// (crashed, over a ceiling, killed) is started again with the next task. Its memory ceiling is
// set as it starts, its processor time is counted per task.
//
// Threads: one object is used by one thread at a time; several objects work at once.
class WorkerProcess final : public ImageWorker
{
public:
    struct Limits
    {
        int memoryMiB = ResizeOptions::kDefaultDecoderMemoryMiB;
        int seconds = ResizeOptions::kDefaultDecoderSeconds; // of processor time, per task
        int imagesAtOnce = 1; // how many workers share the processor cores
    };

    WorkerProcess();
    explicit WorkerProcess(const Limits& limits);
    // Ends the process, also in the middle of a task.
    ~WorkerProcess() override;
    WorkerProcess(const WorkerProcess&) = delete;
    WorkerProcess& operator=(const WorkerProcess&) = delete;

    ImageWork::Plan plan(int source, const QString& sourcePath, const ResizeOptions& options,
        const std::atomic<bool>* abandon) override;
    ResizeStatus render(int source, const QString& sourcePath, const ImageWork::Plan& plan,
        const ResizeOptions& options, int output, const std::atomic<bool>* abandon) override;
    // ImageCodec::probe and ImageCodec::decodePreview of a source opened by
    // ImageCodec::openSourceFile.
    ImageCodec::SourceInfo probe(int source, const QString& sourcePath, qint64 maxPixels);
    ImageCodec::PreviewResult preview(
        int source, const QString& sourcePath, int boxPixels, qint64 maxPixels);

    // The libvips threads of the renders from now on; 0 (the default) leaves the share the
    // process started with (Limits::imagesAtOnce).
    void setThreadsPerImage(int threads) { mThreadsPerImage = threads; }

    // The process's id while it runs; -1 before the first task and after it ended.
    pid_t processId() const { return mPid; }

    // The worker program: installed beside the programs' library folder, or in the build
    // tree.
    static QString programPath();

private:
    struct Answer
    {
        bool ok = false;
        QByteArray message;
        std::vector<FileDescriptor> descriptors;
        QString failure; // why there is no answer
    };
    Answer ask(const QByteArray& request, std::initializer_list<int> descriptors,
        const std::atomic<bool>* abandon);
    bool start(QString* error);
    void limitProcessorTime();
    // Ends the process (killing it unless it is ending already) and says how it ended.
    QString end(bool killNow);

    Limits mLimits;
    int mThreadsPerImage = 0;
    pid_t mPid = -1;
    FileDescriptor mSocket;
};
