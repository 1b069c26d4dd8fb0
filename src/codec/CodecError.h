#pragma once

#include <QString>

#include <cstring>

#include <vips/vips8>

#include "ImageCodec.h"

// The two ways a step of the codec fails inside it, before the front door turns either into a
// ResizeStatus or a SourceInfo's error: a Refusal by one of the codec's own checks (the type, the
// kind of file, a size beyond the limit), or a vips::VError that libvips raised. Neither
// leaves the codec. Any thread.
namespace ImageCodec {

// A source refused by one of the codec's own checks, with the reason people are shown.
struct Refusal
{
    QString reason;
    SourceProblem problem = SourceProblem::Unreadable;
};

// The text of a libvips error. libvips keeps its error text in one global buffer: it is read
// and cleared here, and only here.
QString takeError(const vips::VError& error);

// The system's words for an errno value.
inline QString systemMessage(int code)
{
    return QString::fromLocal8Bit(std::strerror(code));
}

} // namespace ImageCodec
