#pragma once

#include <QList>
#include <QString>

#include "model/ResizeStatus.h"

// One image that a batch did not write, with the reason the resize gave.
struct BatchFailure
{
    int position = 0; // in the list, from 0
    QString name; // nameOfImage, as in the log line
    QString path; // pathOfImage
    ResizeStatus status;

    // The reason in the user's language ("the output file already exists").
    QString reasonText() const;
    // "name: reason (detail)", one line of the closing report.
    QString describe() const;
    // The log's message for this image: its name, the reason and the source's full path, so
    // that two sources of the same name can be told apart.
    QString logMessage() const;
};

// An image written with something to know about it: "first frame of 12" of an animation
// written into a format that does not animate, "first page of 3" of a document.
struct BatchNote
{
    QString name; // name(), as in the report's other lines
    QString text;
};

// One image of a batch as it was committed, in list order: what the render knew of it.
struct BatchImageReport
{
    int position = 0; // in the list, from 0
    QString source; // the source's path
    QString output; // the file written; empty when none was
    ResizeStatus status; // Skipped for an image left alone by choice
    int sourceWidth = 0; // the source's pixel size; 0 when it was not read
    int sourceHeight = 0;
    int outputWidth = 0; // the pixel size asked of the render; 0 when it was not reached
    int outputHeight = 0;
    qint64 bytes = 0; // the size of the file written
    qint64 milliseconds = 0; // how long the render took
};

// What one batch did, counted by the worker.
struct BatchResult
{
    int processed = 0; // images whose resize was called
    int written = 0; // of those, images whose file was written
    int skipped = 0; // of those, images left alone by choice (a file of their name exists...)
    int notSmaller = 0; // of the skipped, those whose output was not smaller than their source
    int listCount = 0; // entries in the list when the worker ended
    bool stopped = false; // the run flag ended the batch with images left
    bool logWritten = true; // false once a failure's log line could not be written
    QList<BatchFailure> failures;
    QList<BatchNote> notes; // in list order

    int errorCount() const { return static_cast<int>(failures.size()); }
    int notProcessed() const { return listCount > processed ? listCount - processed : 0; }
};
