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

// How a written file was encoded, and what the size limit in bytes asked of it.
struct EncodedOutput
{
    int quality = -1; // 0..100 the file was encoded at; -1 for a format that takes none
    double scale = 1.0; // how much smaller each side was made to fit the limit; 1 when it was not
    int width = 0; // the pixel size written (of one frame); 0 when nothing was written
    int height = 0;
};

struct ResizeStatus
{
    ResizeStatus() = default;
    ResizeStatus(ResizeError e, const QString& text = QString())
        : error(e)
        , message(text)
    {
    }

    ResizeError error = ResizeError::None;
    // Detail for the user, already in their words; may be empty. With no error, a note on
    // what was written ("first frame of 12").
    QString message;
    // Of a written file.
    EncodedOutput encoded;

    bool ok() const { return error == ResizeError::None; }
    // Left alone by choice: neither written nor failed.
    bool isSkipped() const
    {
        return error == ResizeError::Skipped || error == ResizeError::NotSmaller;
    }
};

// A short description of the error kind, for reports.
QString resizeErrorText(ResizeError error);
