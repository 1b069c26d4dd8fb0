#pragma once

#include <QList>
#include <QString>

class BatchProgress;
class Settings;

// What a batch start hands to the worker: an immutable record built afresh for every batch.
// The receiver takes the roles of the progress bar, the progress text, the progress panel and
// the main window; the worker reaches it only through calls queued to its thread.
//
// Lifetime: the caller keeps the receiver and the settings store alive until the worker has
// ended (BatchResizer::wait, or the closing report has arrived).
class BatchArguments
{
public:
    BatchArguments(BatchProgress* progress, const Settings* settings, const QString& startNumber)
        : mProgress(progress)
        , mSettings(settings)
        , mStartNumber(startNumber)
    {
    }

    // Receives the progress and the closing report on its own (the main) thread; may be null.
    BatchProgress* progress() const { return mProgress; }
    // The live settings store, read by the worker and passed to every resize.
    const Settings* settings() const { return mSettings; }
    // The text of the start-number field at the moment of the start, read once as a number.
    QString startNumber() const { return mStartNumber; }

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
    const Settings* mSettings;
    QString mStartNumber;
    QList<int> mNumberPositions;
};
