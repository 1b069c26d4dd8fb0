#include "ImageEntry.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>

#include <cerrno>
#include <cmath>
#include <cstring>
#include <optional>
#include <utility>

#include <sys/stat.h>

#include "codec/FileNames.h"
#include "codec/ImageCodec.h"
#include "ImageWork.h"
#include "ResizeRules.h"

#if defined(__APPLE__)
#include <sys/xattr.h>
#elif defined(__linux__)
#include <sys/xattr.h>
#endif

namespace {

// The resource fork, where the file system keeps one, is an extended attribute of the file.
qint64 resourceForkSize(const QString& path)
{
#if defined(__APPLE__)
    const ssize_t n = ::getxattr(
        FileNames::encode(path).constData(), "com.apple.ResourceFork", nullptr, 0, 0, 0);
    return n > 0 ? n : 0;
#elif defined(__linux__)
    // Linux keeps foreign attributes in the user namespace (as copied from a Mac volume).
    const ssize_t n = ::getxattr(
        FileNames::encode(path).constData(), "user.com.apple.ResourceFork", nullptr, 0);
    return n > 0 ? n : 0;
#else
    Q_UNUSED(path);
    return 0;
#endif
}

// What the options ask of a written output before it is named: not written when it is not
// smaller than its source (a NotSmaller), the source's modification time. output: the open,
// written file; source: the source's status when it was opened.
ResizeStatus finishOutput(const ResizeOptions& options, const struct stat& source, int output)
{
    if (options.skipLarger) {
        struct stat written = {};
        if (::fstat(output, &written) != 0)
            return { ResizeError::WriteFailed, QString::fromLocal8Bit(std::strerror(errno)) };
        if (written.st_size >= source.st_size)
            return { ResizeError::NotSmaller, QString() };
    }
    if (options.keepDates) {
        // The access time is now: the output was just written.
        const struct timespec times[2] = { { 0, UTIME_NOW }, source.st_mtim };
        if (::futimens(output, times) != 0)
            return { ResizeError::WriteFailed, QString::fromLocal8Bit(std::strerror(errno)) };
    }
    return {};
}

} // namespace

ImageEntry::ImageEntry(const QString& path)
    : mPath(path)
    , mName(QFileInfo(path).fileName())
{
    mFileSize = fileSize();
}

qint64 ImageEntry::fileSize() const
{
    return fileSize(mPath);
}

qint64 ImageEntry::fileSize(const QString& path)
{
    const FileNames::Status info = FileNames::status(path); // follows a symbolic link
    if (!info.exists)
        return 0; // no file, no fork: spares a second query per path in large lists
    return info.size + resourceForkSize(path);
}

ImageEntry::Preview ImageEntry::fitPreview(Preview image, QSize sourcePixelSize)
{
    if (image.isNull() || !sourcePixelSize.isValid())
        sourcePixelSize = QSize(0, 0);
    mPixelSize.width = static_cast<float>(sourcePixelSize.width());
    mPixelSize.height = static_cast<float>(sourcePixelSize.height());
    image.displaySize = fittedDisplaySize(mPixelSize.width, mPixelSize.height);
    return image;
}

QSizeF ImageEntry::fittedDisplaySize(float w, float h)
{
    const float box = kPreviewBox;
    if (!(w > box || h > box))
        return QSizeF(w, h);
    if (w > h)
        return QSizeF(box, static_cast<float>(h * box / w));
    if (h > w)
        return QSizeF(static_cast<float>(w * box / h), box);
    return QSizeF(box, box);
}

ResizeStatus ImageEntry::commit(Rendered& rendered)
{
    if (rendered.output.isPending()) {
        ResizeStatus committed = rendered.output.commit();
        if (committed.ok()) {
            committed.message = rendered.status.message; // what of the source was written
            committed.encoded = rendered.status.encoded;
            rendered.writtenPath = rendered.output.committedPath();
        }
        return committed;
    }
    if (rendered.status.ok())
        return { ResizeError::WriteFailed, QStringLiteral("nothing was rendered") };
    if (rendered.failedAfterNameWasFree && ImageEntry::nameIsTaken(rendered.outputPath))
        return { rendered.existing == ExistingFile::Skip ? ResizeError::Skipped
                                                         : ResizeError::OutputExists,
            rendered.outputPath };
    return rendered.status;
}

bool ImageEntry::nameIsTaken(const QString& path)
{
    // A dangling symbolic link is something too: writing there would follow it.
    return FileNames::isEntry(path);
}

ImageEntry::Rendered ImageEntry::render(
    const ResizeOptions& chosen, int number, ImageWorker& worker, const std::atomic<bool>* abandon)
{
    Rendered rendered;
    QElapsedTimer timer;
    timer.start();
    auto fail = [&rendered, &timer](ResizeError error, const QString& message = QString()) {
        rendered.status = { error, message };
        rendered.milliseconds = timer.elapsed();
        return std::move(rendered);
    };

    // "Same as source" is this image's own format from here on, the worker's included.
    ResizeOptions options = chosen;
    options.format = ResizeRules::formatFor(chosen.format, mPath);
    const OutputNaming naming = options.naming;
    const OutputFormat format = options.format;
    // Whatever the checks before the batch said: a custom name never leads out of the folder.
    if (naming == OutputNaming::CustomName && !ResizeRules::isUsableCustomName(options.baseName))
        return fail(ResizeError::InvalidSettings,
            QCoreApplication::translate("ImageEntry", "the custom name \"%1\" is not a file name")
                .arg(options.baseName));
    if (naming == OutputNaming::Template) {
        if (const QString problem = NameTemplate::problem(options.nameTemplate); !problem.isEmpty())
            return fail(ResizeError::InvalidSettings,
                QCoreApplication::translate("ImageEntry", "the name template \"%1\": %2")
                    .arg(options.nameTemplate, problem));
    }
    // A subfolder is relative and clean, so that it stays inside the output folder: the
    // preset's of a run of several, then the source's own when the options keep subfolders.
    const QString below = ResizeRules::subfolderBelow(options, mOutputSubfolder);
    const QString subfolder = QDir::cleanPath(below);
    const bool inSubfolder = !below.isEmpty() && subfolder != QLatin1String(".");
    if (inSubfolder
        && (QDir::isAbsolutePath(subfolder) || subfolder == QLatin1String("..")
            || subfolder.startsWith(QLatin1String("../"))))
        return fail(ResizeError::InvalidSettings,
            QCoreApplication::translate("ImageEntry",
                "the output subfolder \"%1\" is outside the "
                "output folder")
                .arg(below));
    const QString folder
        = inSubfolder ? QDir(options.outputFolder).filePath(subfolder) : options.outputFolder;
    NameTemplate::Facts facts {
        .sourcePath = mPath, .number = number, .presetName = options.presetName
    };

    rendered.existing = options.existingFile;
    const ExistingFile existing = rendered.existing;
    // Nothing that exists is ever replaced: not an earlier output, not the source itself. An
    // image that fails or is skipped for it is known before anything is decoded, unless its
    // name needs what only the source tells (a template's size or date); a numbered name is
    // chosen only when the finished file is given its name.
    auto nameOutput = [&]() -> std::optional<Rendered> {
        rendered.outputPath = ResizeRules::outputPath(folder, options, facts, format);
        if (rendered.outputPath.isEmpty())
            return fail(ResizeError::InvalidSettings,
                QCoreApplication::translate(
                    "ImageEntry", "the name template \"%1\" gives no file name for this image")
                    .arg(options.nameTemplate));
        if (existing != ExistingFile::Number && ImageEntry::nameIsTaken(rendered.outputPath))
            return fail(
                existing == ExistingFile::Skip ? ResizeError::Skipped : ResizeError::OutputExists,
                rendered.outputPath);
        rendered.failedAfterNameWasFree = existing != ExistingFile::Number;
        return std::nullopt;
    };
    const bool namedAfterPlan
        = naming == OutputNaming::Template && NameTemplate::needsSourceFacts(options.nameTemplate);
    if (!namedAfterPlan) {
        if (std::optional<Rendered> refused = nameOutput())
            return std::move(*refused);
    }
    if (!FileNames::exists(mPath))
        return fail(ResizeError::SourceMissing, mPath);
    if ((naming != OutputNaming::SourceName && naming != OutputNaming::CustomName
            && naming != OutputNaming::Template)
        || ResizeRules::formatExtension(format).isEmpty())
        return fail(ResizeError::InvalidSettings,
            QCoreApplication::translate("ImageEntry", "unknown naming or format code"));

    // The source is opened once: what is measured is what is rendered.
    QString openError;
    const FileDescriptor source = ImageCodec::openSourceFile(mPath, &openError);
    if (!source.isOpen())
        return fail(ResizeError::DecodeFailed, openError);
    struct stat sourceStatus = {};
    if (::fstat(source.get(), &sourceStatus) != 0)
        return fail(ResizeError::DecodeFailed, QString::fromLocal8Bit(std::strerror(errno)));
    const ImageWork::Plan plan = worker.plan(source.get(), mPath, options, abandon);
    if (plan.sourceWidth > 0)
        mPixelSize
            = { static_cast<float>(plan.sourceWidth), static_cast<float>(plan.sourceHeight) };
    if (!plan.status.ok())
        return fail(plan.status.error, plan.status.message);
    if (namedAfterPlan) {
        facts.width = plan.outputWidth;
        facts.height = plan.outputHeight;
        facts.taken = plan.taken.isValid()
            ? plan.taken
            : QDateTime::fromSecsSinceEpoch(sourceStatus.st_mtim.tv_sec);
        if (std::optional<Rendered> refused = nameOutput())
            return std::move(*refused);
    }

    // The subfolder is made as the file is created, with the user's umask; a file or a link
    // in its place, or a folder that cannot be made, is this image's failure.
    rendered.outputWidth = plan.outputWidth;
    rendered.outputHeight = plan.outputHeight;
    rendered.status = rendered.output.create(
        rendered.outputPath, inSubfolder ? subfolder : QString(), existing);
    if (rendered.status.ok())
        rendered.status = worker.render(
            source.get(), mPath, plan, options, rendered.output.descriptor(), abandon);
    if (rendered.status.ok()) {
        // The render's status keeps its note ("first frame of 3") unless this fails.
        if (const ResizeStatus finished
            = finishOutput(options, sourceStatus, rendered.output.descriptor());
            !finished.ok())
            rendered.status = finished;
    }
    if (!rendered.status.ok())
        rendered.output.discard();
    else if (rendered.status.encoded.width > 0) { // made smaller to fit the size limit
        rendered.outputWidth = rendered.status.encoded.width;
        rendered.outputHeight = rendered.status.encoded.height;
    }
    rendered.milliseconds = timer.elapsed();
    return rendered;
}
