#pragma once

#include <QString>
#include <QtGlobal>

// The texts of the pixel limit (the maxMegapixels setting), which every kind of source and the
// output are held to before anything is decoded: what is too large, by how much, and how to
// raise the limit. ImageCodec::outputLimitProblem() and targetSizeProblem() are defined with
// them. Any thread.
namespace ImageCodec {

// Megapixels as the texts state them, rounded up: "24".
QString megapixelText(qint64 pixels);

// Why something of so many pixels is refused: what it is ("the image is 400 x 300 pixels"),
// then the numbers and how to raise the limit.
QString limitProblem(const QString& what, qint64 pixels, qint64 maxPixels);

// Why a picture of width x height is refused; empty when it is within the limit.
QString pixelLimitProblem(qint64 width, qint64 height, qint64 maxPixels);

// An animation is decoded frame by frame onto a canvas of its full size, which libvips keeps
// for every frame: the frames count as much as the canvas. Empty when within the limit.
QString animationLimitProblem(qint64 width, qint64 height, qint64 frames, qint64 maxPixels);

} // namespace ImageCodec
