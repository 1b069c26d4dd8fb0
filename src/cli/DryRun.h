#pragma once

#include <QCoreApplication>
#include <QJsonObject>
#include <QList>
#include <QString>

#include "model/ResizeOptions.h"

// What a batch would do, worked out without writing anything, not even a folder: for each
// source the output path the batch would give it (running numbers, "first wins" and the
// existing-file choice as the batch applies them) and its pixel size, from the header alone
// (ImageCodec::probe and ImageWork::outputSize, as the render computes it).
// Main thread.
class DryRun
{
    Q_DECLARE_TR_FUNCTIONS(DryRun)

public:
    struct Image
    {
        QString path;
        QString subfolder; // below the output folder; empty for the folder itself
        int number = 0; // the running number of custom naming
    };

    enum class Outcome
    {
        Write,
        Skip, // the name is taken and the choice is to skip
        Fail,
    };

    struct Plan
    {
        QString source;
        QString output; // the path it would be written to (or that is taken)
        Outcome outcome = Outcome::Write;
        QString reason; // why it fails or is skipped, or that the name was taken and numbered
        int sourceWidth = 0;
        int sourceHeight = 0;
        int width = 0;
        int height = 0;
        // The size limit in bytes; 0 for none. With one, width x height is the most the file
        // gets: its quality and pixel size are decided when it is encoded.
        qint64 maxFileSize = 0;
    };

    static QList<Plan> plan(const ResizeOptions& options, const QList<Image>& images);

    // One line of the plain report: "source -> output, 800 x 600 px", what the size limit
    // leaves to the encoder, and what happens to a name that is taken; control characters
    // quoted (PrintableText).
    static QString line(const Plan& plan);
    // The same as a JSON object.
    static QJsonObject json(const Plan& plan);
};
