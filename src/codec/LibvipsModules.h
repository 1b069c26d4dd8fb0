#pragma once

// libvips keeps some of its readers and writers in loadable modules (HEIF and AVIF, JPEG XL,
// PDF, ImageMagick, OpenSlide), which it loads, with the hundred or so libraries behind them,
// when it starts: about 30 ms of every process's start. A process that may never need them
// puts that off until an operation of theirs is first asked for.
namespace ImageCodec::LibvipsModules {

// Keeps libvips' start from loading its modules. Call just before libvips starts, while the
// process has only one thread (it changes the environment); started() follows the start.
void putOff(const char* argv0);
// Puts back what putOff() changed for the start (the environment, where libvips' own
// messages are translated from).
void started();

// Makes sure libvips has the operation (a loader such as "heifload_source"), or a saver for
// the file suffix (".avif"), where its modules can give it: when it has not and they were put
// off, they are loaded now (a missing one is then libvips' to report). Any thread.
void ensureOperation(const char* name);
void ensureSaver(const char* suffix);

} // namespace ImageCodec::LibvipsModules
