#pragma once

#include <QColor>
#include <QString>
#include <QtGlobal>

#include "ExistingFile.h"
#include "MetadataMode.h"
#include "OutputFormat.h"

// The unit of the two size fields; the values are the codes stored in the settings.
enum class SizeUnit
{
    Pixels = 1,
    Inches = 2,
    Millimetres = 3,
    Percent = 4,
};

// Which value proportional scaling is given: the first size field (the width, or the long side
// with long and short sides), the second (the height, or the short side), or both, as a box
// the image fits inside. The values are the codes stored in the settings.
enum class GivenSide
{
    First = 1,
    Second = 2,
    Both = 3,
};

// What a box of both values does with an image: fit inside it, fill it and crop what is over,
// or fit inside it and pad it out to the box with the background colour. Used with
// GivenSide::Both. The values are the codes stored in the settings.
enum class BoxMode
{
    Fit = 1,
    Fill = 2,
    Pad = 3,
};

// Which part of an image that fills a box is kept: the centre, the most interesting part (as
// libvips' smart crop finds it by attention or by entropy), or one edge of the axis that is
// cropped. The values are the codes stored in the settings.
enum class CropPosition
{
    Centre = 1,
    Attention = 2,
    Entropy = 3,
    Top = 4,
    Bottom = 5,
    Left = 6,
    Right = 7,
};

// How output files are named: after their source, a name of the user's own followed by a
// running number, or a template of text and tokens ({name}, {n}, {w}, {date}...; see
// NameTemplate). The values are the codes stored in the settings.
enum class OutputNaming
{
    SourceName = 1,
    CustomName = 2,
    Template = 3,
};

// Everything a resize needs to know of the settings, as one value: what size, where, under
// which name, in which format, with what of the metadata. A batch takes a copy at its start
// and renders every image from it, whatever the settings do meanwhile. The defaults are a
// usable resize (the settings' own defaults live with the settings).
struct ResizeOptions
{
    // The size: two fields in a unit, at a resolution (pixels per inch, which also turns
    // inches and millimetres into pixels).
    SizeUnit unit = SizeUnit::Pixels;
    float width = 400.0f;
    float height = 300.0f;
    float resolution = 72.0f;
    bool proportional = false;
    GivenSide givenSide = GivenSide::First;
    bool longShortSides = false; // the fields are the long and the short side
    bool noEnlarge = false; // no side larger than the source's
    BoxMode boxMode = BoxMode::Fit; // with GivenSide::Both
    CropPosition cropPosition = CropPosition::Centre; // with BoxMode::Fill
    // Resampled in linear light rather than on the sRGB curve: fine patterns keep their
    // brightness, at the cost of float arithmetic.
    bool linearLight = false;

    // The output file.
    QString outputFolder;
    // The name of the preset the batch writes with (a template's {preset}); empty for none.
    QString presetName;
    // A folder below outputFolder that every output goes into (each preset's own in a run of
    // several): one plain folder name; empty for none.
    QString presetFolder;
    OutputNaming naming = OutputNaming::SourceName;
    QString baseName; // of custom names
    QString startNumber; // of custom names, as typed
    QString nameTemplate = QStringLiteral("{name}"); // of template names
    bool keepTree = false; // each output in its source's subfolder below the folder it came from
    ExistingFile existingFile = ExistingFile::Fail;
    OutputFormat format = OutputFormat::Jpeg;
    float quality = 1.0f; // 0..1, for the formats that take one
    bool lossless = false; // for the formats that have it (OutputFormats::Info::hasLossless)
    // The largest file to write, in bytes; 0 for no limit. The quality is lowered to fit, down
    // to minQuality (0..1), and then the pixel size.
    qint64 maxFileSize = 0;
    float minQuality = 0.30f;
    MetadataMode metadata = MetadataMode::WithoutPersonal;
    TiffCompression tiffCompression = TiffCompression::Lzw;
    bool flatten = false; // transparent areas onto the background colour
    QColor background = Qt::white;
    bool skipLarger = false; // an output not smaller than its source is not written
    bool keepDates = false; // each output gets its source's modification time

    // A source, or an output, of more pixels is refused before anything is decoded.
    static constexpr qint64 kDefaultMaxPixels = 500'000'000;
    qint64 maxPixels = kDefaultMaxPixels;
    // Each image is decoded and encoded in a worker process of its own with these ceilings:
    // the memory it may take (MiB) and the processor time one image may take (seconds). An
    // image that needs more fails; the batch goes on.
    static constexpr int kDefaultDecoderMemoryMiB = 2048;
    static constexpr int kDefaultDecoderSeconds = 120;
    int decoderMemoryMiB = kDefaultDecoderMemoryMiB;
    int decoderSeconds = kDefaultDecoderSeconds;
    // A field added here travels to the workers too (the list in WorkerProtocol.cpp).
};
