#pragma once

#include <memory>

#include <QString>

#include "model/ExistingFile.h"
#include "model/ResizeStatus.h"

// An output on its way into the output folder: a new file that nobody else sees until it is
// complete (NoReplaceFile), then given its name, never replacing anything. Moved, never
// copied; destroyed without a commit, it takes its content with it. Made and written on one
// thread, committed on another: used by one thread at a time.
class PendingOutput
{
public:
    PendingOutput();
    ~PendingOutput();
    PendingOutput(PendingOutput&& other) noexcept;
    PendingOutput& operator=(PendingOutput&& other) noexcept;

    // Makes the file that is to be called outputPath. The end of the path's folder that is
    // subfolder (relative and clean; empty for none) is made below the output folder where
    // missing, its folders real folders, never links. existing says what the commit does when
    // the name is taken by then. Fails as a WriteFailed with the system's reason, or as an
    // InvalidSettings for a subfolder that is not the end of the path's folder.
    ResizeStatus create(const QString& outputPath, const QString& subfolder, ExistingFile existing);
    // The open file to write the content into; -1 when there is none.
    int descriptor() const;

    // Whether there is content waiting for its name.
    bool isPending() const;
    // Gives the content its name. A name that exists now is, as the choice for an existing
    // file says, an OutputExists or a Skipped (with the output path), or passed over for the
    // first free numbered name; a failed flush or link is a WriteFailed. Nothing is pending
    // afterwards.
    ResizeStatus commit();
    // The path the content was given by a successful commit (a numbered name included);
    // empty before that.
    QString committedPath() const { return mCommittedPath; }
    // Drops the content; nothing is pending afterwards.
    void discard();

private:
    struct File;
    std::unique_ptr<File> mFile;
    QString mCommittedPath;
};
