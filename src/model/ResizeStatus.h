#pragma once

#include <QString>

// Why a single-image resize did not write its file (a skipped image did not fail). Travels beside
// the plain bool result so that the closing report can tell the user what went wrong.
enum class ResizeError
{
    None,
    OutputExists, // something already exists at the output path
    SourceMissing, // the source was moved or deleted after it was listed
    DecodeFailed, // the source is not a readable image (or is truncated)
    InvalidSettings, // the settings give no usable size, resolution, name or format
    WriteFailed, // the output could not be encoded or written
    Skipped, // not written by choice: the output name exists (ExistingFile::Skip)
    // Not written by choice: the output would not be smaller than its source (skipLarger).
    // Counted with the skipped images.
    NotSmaller,
};

struct ResizeStatus
{
    ResizeError error = ResizeError::None;
    // Detail for the user, already in their words; may be empty. With no error, a note on
    // what was written ("first frame of 12").
    QString message;

    bool ok() const { return error == ResizeError::None; }
    // Left alone by choice: neither written nor failed.
    bool isSkipped() const
    {
        return error == ResizeError::Skipped || error == ResizeError::NotSmaller;
    }
};

// A short description of the error kind, for reports.
QString resizeErrorText(ResizeError error);
