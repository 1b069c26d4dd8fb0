#pragma once

#include <QList>
#include <QString>

#include "model/ResizeOptions.h"

// What a batch start hands to the batch: an immutable record built afresh for every batch,
// with its own copy of the options, so that nothing the settings do during the batch reaches
// it.
class BatchArguments
{
public:
    // jobs: how many images are rendered at once, at least 1.
    BatchArguments(const ResizeOptions& options, int jobs)
        : mOutputs { options }
        , mJobs(jobs)
    {
    }
    // Every image is written once with each of outputs (at least one), in their order: the
    // same image in several sizes, formats or folders (the presets of a run).
    BatchArguments(const QList<ResizeOptions>& outputs, int jobs)
        : mOutputs(outputs.isEmpty() ? QList<ResizeOptions> { ResizeOptions() } : outputs)
        , mJobs(jobs)
    {
    }

    // What every image is resized with: the first of the outputs.
    const ResizeOptions& options() const { return mOutputs.first(); }
    const QList<ResizeOptions>& outputs() const { return mOutputs; }
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
    QList<ResizeOptions> mOutputs;
    int mJobs;
    QList<int> mNumberPositions;
};
