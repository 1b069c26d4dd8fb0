#pragma once

#include <QList>
#include <QString>

#include "model/ResizeStatus.h"

// An image's name as the report and the log name one of its outputs: "photo.jpg", or with
// the preset it was written with in a run of several, "photo.jpg (Web)".
QString nameWithPreset(const QString& name, const QString& preset);

// One image that a batch did not write, with the reason the resize gave.
struct BatchFailure
{
    int position = 0; // in the list, from 0
    QString name; // nameOfImage, as in the log line
    QString path; // pathOfImage
    ResizeStatus status;
    QString preset; // the preset of the output that failed, in a run of several; else empty

    // The reason in the user's language ("the output file already exists").
    QString reasonText() const;
    // "name: reason (detail)", one line of the closing report.
    QString describe() const;
    // The log's message for this image: its name, the reason and the source's full path, so
    // that two sources of the same name can be told apart.
    QString logMessage() const;
};

// An image written with something to know about it: "first frame of 12" of an animation
// written into a format that does not animate, "first page of 3" of a document, "quality 62 to
// fit 100 kB" of a file that the size limit asked for.
struct BatchNote
{
    QString name; // name(), as in the report's other lines
    QString text;
    QString preset; // as BatchFailure's
};

// One image of a batch as it was committed, in list order: what the render knew of it.
struct BatchImageReport
{
    int position = 0; // in the list, from 0
    QString source; // the source's path
    QString output; // the file written; empty when none was
    // Skipped for an image left alone by choice; for one written, status.encoded holds the
    // quality and the scale it needed to fit the size limit.
    ResizeStatus status;
    int sourceWidth = 0; // the source's pixel size; 0 when it was not read
    int sourceHeight = 0;
    // The pixel size asked of the render, or the one written when the size limit made it
    // smaller; 0 when it was not reached.
    int outputWidth = 0;
    int outputHeight = 0;
    qint64 bytes = 0; // the size of the file written
    qint64 milliseconds = 0; // how long the render took
    QString preset; // the preset it was written with, in a run of several; else empty
};

// What one batch did, counted by the worker.
struct BatchResult
{
    // Every count but listCount counts outputs: an image is written once per preset of a run.
    int processed = 0; // outputs whose resize was called
    int written = 0; // of those, outputs whose file was written
    int skipped = 0; // of those, outputs left alone by choice (a file of their name exists...)
    int notSmaller = 0; // of the skipped, those whose output was not smaller than their source
    int listCount = 0; // entries in the list when the worker ended
    int outputsPerImage = 1; // the presets of the run, or 1
    bool stopped = false; // the run flag ended the batch with images left
    bool logWritten = true; // false once a failure's log line could not be written
    QList<BatchFailure> failures;
    QList<BatchNote> notes; // in list order

    int errorCount() const { return static_cast<int>(failures.size()); }
    int notProcessed() const
    {
        const int outputs = listCount * outputsPerImage;
        return outputs > processed ? outputs - processed : 0;
    }
};
