#include "PendingOutput.h"

#include <cerrno>

#include <QFileInfo>

#include "NoReplaceFile.h"

struct PendingOutput::File
{
    NoReplaceFile::NewFile file;
    QString outputPath;
    ExistingFile existing = ExistingFile::Fail;
};

PendingOutput::PendingOutput() = default;
PendingOutput::~PendingOutput() = default;
PendingOutput::PendingOutput(PendingOutput&& other) noexcept = default;
PendingOutput& PendingOutput::operator=(PendingOutput&& other) noexcept = default;

ResizeStatus PendingOutput::create(
    const QString& outputPath, const QString& subfolder, ExistingFile existing)
{
    mFile.reset();
    mCommittedPath.clear();
    const QFileInfo output(outputPath);
    QString folder = output.absolutePath();
    if (!subfolder.isEmpty()) {
        const QString below = QLatin1Char('/') + subfolder;
        if (!folder.endsWith(below))
            return { ResizeError::InvalidSettings, subfolder };
        folder.chop(below.size());
    }
    auto made = std::make_unique<File>();
    made->outputPath = outputPath;
    made->existing = existing;
    if (!made->file.create(folder, subfolder, output.fileName()))
        return { ResizeError::WriteFailed, made->file.errorString() };
    mFile = std::move(made);
    return {};
}

int PendingOutput::descriptor() const
{
    return mFile ? mFile->file.descriptor() : -1;
}

bool PendingOutput::isPending() const
{
    return mFile != nullptr;
}

void PendingOutput::discard()
{
    mFile.reset();
}

ResizeStatus PendingOutput::commit()
{
    if (!mFile)
        return { ResizeError::WriteFailed, QStringLiteral("nothing was rendered") };
    // The file goes with this object whatever happens: committed, or discarded.
    const std::unique_ptr<File> pending = std::move(mFile);
    // A name taken in the meantime is an existing output, a skipped image, or passed over for
    // a numbered one, as the choice for an existing file says.
    using WhenTaken = NoReplaceFile::NewFile::WhenTaken;
    const ExistingFile existing = pending->existing;
    if (pending->file.commit(
            existing == ExistingFile::Number ? WhenTaken::Number : WhenTaken::Fail)) {
        mCommittedPath = QFileInfo(pending->outputPath).absolutePath() + QLatin1Char('/')
            + pending->file.committedName();
        return {};
    }
    if (pending->file.errorCode() == EEXIST)
        return { existing == ExistingFile::Skip ? ResizeError::Skipped : ResizeError::OutputExists,
            pending->outputPath };
    return { ResizeError::WriteFailed, pending->file.errorString() };
}
