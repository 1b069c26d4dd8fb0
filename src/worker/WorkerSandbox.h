#pragma once

#include <QString>

// What a worker process may do once it has started: the system calls that reach beyond the
// descriptors it is given are refused (a seccomp filter of the kernel's), so that a decoder
// taken over by a hostile file can read and write only those and what it could already read.
namespace WorkerSandbox {

// Installs the filter for the rest of the process's life, its threads included. False, with
// the reason, where the kernel has no seccomp; the worker then runs without it.
bool confine(QString* error);

} // namespace WorkerSandbox
