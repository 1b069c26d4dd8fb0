#pragma once

#include <QList>
#include <QString>

#include "model/ResizeOptions.h"

class BatchProgress;

// What a batch start hands to the worker: an immutable record built afresh for every batch,
// with its own copy of the options, so that nothing the settings do during the batch reaches
// it. The receiver takes the roles of the progress bar, the progress text, the progress panel
// and the main window; the worker reaches it only through calls queued to its thread.
//
// Lifetime: the caller keeps the receiver alive until the worker has ended
// (BatchResizer::wait, or the closing report has arrived).
class BatchArguments
{
public:
    // jobs: how many images are rendered at once, at least 1.
    BatchArguments(BatchProgress* progress, const ResizeOptions& options, int jobs)
        : mProgress(progress)
        , mOptions(options)
        , mJobs(jobs)
    {
    }

    // Receives the progress and the closing report on its own (the main) thread; may be null.
    BatchProgress* progress() const { return mProgress; }
    // What every image is resized with.
    const ResizeOptions& options() const { return mOptions; }
    int jobs() const { return mJobs; }

    // The position each image of the list takes in the running numbers, when it is not its
    // position in the list: the list is one part of a larger one (ostrel-batch --shard) whose
    // numbers it keeps. Empty, or for images past its end: the list position.
    void setNumberPositions(const QList<int>& positions) { mNumberPositions = positions; }
    int numberPosition(int position) const
    {
        return position < mNumberPositions.size() ? mNumberPositions.at(position) : position;
    }

private:
    BatchProgress* mProgress;
    ResizeOptions mOptions;
    int mJobs;
    QList<int> mNumberPositions;
};
