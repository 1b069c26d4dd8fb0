#pragma once

#include <QString>

#include "FileDescriptor.h"

// Opening a source to read it: only a regular file (a symbolic link is followed); a named pipe,
// a device, a folder or a socket fails at once, without waiting for data. Any thread.
namespace ImageCodec {

// Opens a regular file for reading. The open does not wait (a named pipe without a writer
// would hold it forever) and the kind of file is taken from the opened descriptor, so nothing
// can be swapped in between the check and the reads. Throws a Refusal (CodecError.h) with the
// system's reason, or with the kind of file found ("not a regular file but a named pipe").
FileDescriptor openRegularFile(const QString& path);
// A descriptor of the codec's own on a file opened before (by openRegularFile, maybe in another
// process), read from its start; the file must still be a regular one. Throws as above.
FileDescriptor adoptRegularFile(int descriptor);

} // namespace ImageCodec
