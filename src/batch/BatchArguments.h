#pragma once

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

private:
    BatchProgress* mProgress;
    const Settings* mSettings;
    QString mStartNumber;
};
