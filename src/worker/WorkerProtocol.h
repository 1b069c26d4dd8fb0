#pragma once

#include <QByteArray>
#include <QDataStream>

#include <initializer_list>
#include <vector>

#include "codec/FileDescriptor.h"
#include "codec/ImageCodec.h"
#include "core/ImageWork.h"
#include "model/ResizeOptions.h"
#include "model/ResizeStatus.h"

// What the programs ask of a worker process and what it answers: one message each way per
// task over a socket pair of the SOCK_SEQPACKET kind (a message arrives whole or not at all),
// the files as descriptors beside the message (SCM_RIGHTS). The source and the output cross as
// descriptors; pixels cross only for a preview, in an anonymous memory file the worker makes.
//
// A request is a Task, the source's path (its extension names the decoder; the worker never
// opens it) and the task's values; the answer holds the task's result.
namespace WorkerProtocol {

enum class Task : quint8
{
    Plan = 1, // [source] ResizeOptions -> ImageWork::Plan
    // [source, output] ResizeOptions, ImageWork::Plan, libvips threads (0: as started)
    //     -> ResizeStatus
    Render = 2,
    Probe = 3, // [source] max pixels -> ImageCodec::SourceInfo
    // [source] box, max pixels -> width, height, source size, frames, error, problem [pixels]
    Preview = 4,
};

// The descriptor a worker finds its socket at.
constexpr int kSocketDescriptor = 3;
// The status a worker exits with when an allocation failed under its memory ceiling.
constexpr int kExitOutOfMemory = 86;
// The largest message either side sends.
constexpr qsizetype kMaxMessageBytes = 64 * 1024;
// The most descriptors a message carries.
constexpr int kMaxDescriptors = 2;

// Sends one message with the descriptors (duplicates arrive at the other end). False, with
// errno set, when the socket is closed or broken.
bool send(int socket, const QByteArray& message, std::initializer_list<int> descriptors = {});
// Waits for one message; false at end of file (the other side is gone), on an error, or for a
// message too large or with too many descriptors (whose descriptors are closed).
bool receive(int socket, QByteArray* message, std::vector<FileDescriptor>* descriptors);

} // namespace WorkerProtocol

QDataStream& operator<<(QDataStream& stream, const ResizeOptions& options);
QDataStream& operator>>(QDataStream& stream, ResizeOptions& options);
QDataStream& operator<<(QDataStream& stream, const ResizeStatus& status);
QDataStream& operator>>(QDataStream& stream, ResizeStatus& status);
QDataStream& operator<<(QDataStream& stream, const ImageWork::Plan& plan);
QDataStream& operator>>(QDataStream& stream, ImageWork::Plan& plan);
QDataStream& operator<<(QDataStream& stream, const ImageCodec::SourceInfo& info);
QDataStream& operator>>(QDataStream& stream, ImageCodec::SourceInfo& info);
