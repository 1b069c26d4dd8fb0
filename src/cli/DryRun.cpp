#include "DryRun.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

#include "cli/CliProgress.h"
#include "batch/BatchResult.h"
#include "codec/FileNames.h"
#include "codec/ImageCodec.h"
#include "core/ImageEntry.h"
#include "core/ImageWork.h"
#include "core/NoReplaceFile.h"
#include "core/PrintableText.h"
#include "core/ResizeRules.h"
#include "model/FileSizeLimit.h"
#include "worker/WorkerProcess.h"

namespace {

// The reason as the batch's report words it, with the detail.
QString reasonFor(const QString& path, ResizeError error, const QString& detail = QString())
{
    const BatchFailure failure { 0, QFileInfo(path).fileName(), path, { error, detail }, {} };
    return detail.isEmpty()
        ? failure.reasonText()
        : failure.reasonText() + QStringLiteral(" (") + detail + QLatin1Char(')');
}

} // namespace

QList<DryRun::Plan> DryRun::plan(const ResizeOptions& chosen, const QList<Image>& images)
{
    QList<Plan> plans;
    // The headers are read in a worker process, as the batch reads them.
    WorkerProcess decoder(
        { .memoryMiB = chosen.decoderMemoryMiB, .seconds = chosen.decoderSeconds });
    // The names this run would take before each image: "first wins" among the sources.
    QSet<QString> claimed;
    auto taken = [&claimed](const QString& path) {
        return claimed.contains(path) || ImageEntry::nameIsTaken(path);
    };
    const ExistingFile existing = chosen.existingFile;
    const bool namedAfterProbe = chosen.naming == OutputNaming::Template
        && NameTemplate::needsSourceFacts(chosen.nameTemplate);
    for (const Image& image : images) {
        Plan plan;
        plan.source = image.path;
        ResizeOptions options = chosen;
        options.format = ResizeRules::formatFor(chosen.format, image.path);
        const QString below = ResizeRules::subfolderBelow(options, image.subfolder);
        const QString folder
            = below.isEmpty() ? options.outputFolder : QDir(options.outputFolder).filePath(below);
        NameTemplate::Facts facts {
            .sourcePath = image.path, .number = image.number, .presetName = options.presetName
        };
        plan.output = ResizeRules::outputPath(folder, options, facts, options.format);
        auto fail = [&](ResizeError error, const QString& detail = QString()) {
            plan.outcome = error == ResizeError::Skipped ? Outcome::Skip : Outcome::Fail;
            plan.reason = reasonFor(image.path, error, detail);
            plans << plan;
        };
        // In the batch's order: a taken name is known before the source is read, unless the
        // name needs what the source tells.
        if (!namedAfterProbe && existing != ExistingFile::Number && taken(plan.output)) {
            fail(existing == ExistingFile::Skip ? ResizeError::Skipped : ResizeError::OutputExists);
            continue;
        }
        if (!FileNames::exists(image.path)) {
            fail(ResizeError::SourceMissing, image.path);
            continue;
        }
        QString openError;
        const FileDescriptor file = ImageCodec::openSourceFile(image.path, &openError);
        const ImageCodec::SourceInfo source = file.isOpen()
            ? decoder.probe(file.get(), image.path, options.maxPixels)
            : ImageCodec::SourceInfo { .error = openError };
        if (!source.ok) {
            fail(ResizeError::DecodeFailed, source.error);
            continue;
        }
        plan.sourceWidth = source.width;
        plan.sourceHeight = source.height;
        const ImageWork::OutputSize size
            = ImageWork::outputSize(options, source.width, source.height, source.animationFrames());
        plan.width = size.width;
        plan.height = size.height;
        if (const QString problem = size.problem(); !problem.isEmpty()) {
            fail(ResizeError::InvalidSettings, problem);
            continue;
        }
        if (namedAfterProbe) {
            facts.width = size.width;
            facts.height = size.height;
            facts.taken = source.taken.isValid()
                ? source.taken
                : QDateTime::fromMSecsSinceEpoch(FileNames::status(image.path).modified);
            plan.output = ResizeRules::outputPath(folder, options, facts, options.format);
            if (existing != ExistingFile::Number && taken(plan.output)) {
                fail(existing == ExistingFile::Skip ? ResizeError::Skipped
                                                    : ResizeError::OutputExists);
                continue;
            }
        }
        if (existing == ExistingFile::Number && taken(plan.output)) {
            // The first free numbered name, as the batch's commit takes it.
            const QFileInfo info(plan.output);
            for (int n = 2; n <= 99999; ++n) {
                const QString numbered
                    = info.dir().filePath(NoReplaceFile::numberedName(info.fileName(), n));
                if (!taken(numbered)) {
                    plan.reason = tr("\"%1\" exists; numbered").arg(plan.output);
                    plan.output = numbered;
                    break;
                }
            }
        }
        plan.maxFileSize = options.maxFileSize;
        claimed.insert(plan.output);
        plans << plan;
    }
    return plans;
}

QString DryRun::line(const Plan& plan)
{
    QString text;
    switch (plan.outcome) {
    case Outcome::Write:
        text = tr("%1 -> %2, %3 x %4 px")
                   .arg(plan.source, plan.output)
                   .arg(plan.width)
                   .arg(plan.height);
        if (plan.maxFileSize > 0)
            text += tr(", at most %1 (quality and size decided when encoding)")
                        .arg(FileSizeLimit::text(plan.maxFileSize));
        if (!plan.reason.isEmpty())
            text += QStringLiteral(" (") + plan.reason + QLatin1Char(')');
        break;
    case Outcome::Skip:
        text = tr("%1 -> %2 exists: skipped").arg(plan.source, plan.output);
        break;
    case Outcome::Fail:
        text = tr("%1 -> %2 would fail: %3").arg(plan.source, plan.output, plan.reason);
        break;
    }
    // One line per image however the names read: their control characters are quoted.
    return PrintableText::escaped(text);
}

QJsonObject DryRun::json(const Plan& plan)
{
    static const char* const words[] = { "write", "skip", "fail" };
    QJsonObject object { { "type", "plan" }, { "status", words[static_cast<int>(plan.outcome)] },
        { "reason", plan.reason.isEmpty() ? QJsonValue() : QJsonValue(plan.reason) },
        { "sourceWidth", plan.sourceWidth }, { "sourceHeight", plan.sourceHeight },
        { "width", plan.width }, { "height", plan.height },
        { "maxFileSize", plan.maxFileSize > 0 ? QJsonValue(plan.maxFileSize) : QJsonValue() } };
    CliProgress::insertPath(object, QStringLiteral("source"), plan.source);
    CliProgress::insertPath(object, QStringLiteral("output"), plan.output);
    return object;
}
