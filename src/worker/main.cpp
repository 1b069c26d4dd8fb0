// ostrel-worker: decodes, resizes and encodes images for Ostrel's programs, one task at a
// time, on the descriptors they hand it (see WorkerProtocol.h). It is started by them, never
// by a user; it ends when its socket closes.

#include <QCoreApplication>
#include <QDataStream>
#include <QIODevice>

#include <csignal>
#include <cstdio>

#include <fcntl.h>
#include <cstdlib>
#include <new>

#include <sys/mman.h>
#include <unistd.h>

#include "WorkerProtocol.h"
#include "WorkerSandbox.h"
#include "codec/ImageCodec.h"
#include "core/ImageWork.h"
#include "core/Translations.h"

namespace {

using WorkerProtocol::Task;

// The pixels of a preview, in an anonymous memory file for the asking process to read.
FileDescriptor pixelFile(const QImage& image)
{
    FileDescriptor file(::memfd_create("ostrel-preview", MFD_CLOEXEC));
    if (!file.isOpen())
        return {};
    const QImage pixels = image.convertToFormat(QImage::Format_RGBA8888);
    const size_t line = size_t(pixels.width()) * 4;
    for (int y = 0; y < pixels.height(); ++y) {
        if (::pwrite(file.get(), pixels.constScanLine(y), line, off_t(y) * off_t(line))
            != ssize_t(line))
            return {};
    }
    return file;
}

// One task: the answer, and a descriptor to send with it (a preview's pixels).
QByteArray answer(
    const QByteArray& request, const std::vector<FileDescriptor>& files, FileDescriptor* reply)
{
    QDataStream in(request);
    Task task {};
    QString path;
    in >> task >> path;
    QByteArray message;
    QDataStream out(&message, QIODevice::WriteOnly);
    const int source = files.empty() ? -1 : files.front().get();
    switch (task) {
    case Task::Plan: {
        ResizeOptions options;
        in >> options;
        if (in.status() != QDataStream::Ok || files.size() != 1)
            return {};
        out << ImageWork::plan(source, path, options);
        break;
    }
    case Task::Render: {
        ResizeOptions options;
        ImageWork::Plan plan;
        int threads = 0;
        in >> options >> plan >> threads;
        if (in.status() != QDataStream::Ok || files.size() != 2)
            return {};
        if (threads > 0)
            ImageCodec::setThreadsPerImage(threads);
        out << ImageWork::render(source, path, plan, options, files.at(1).get());
        break;
    }
    case Task::Probe: {
        qint64 maxPixels = 0;
        in >> maxPixels;
        if (in.status() != QDataStream::Ok || files.size() != 1)
            return {};
        out << ImageCodec::probe(source, path, maxPixels);
        break;
    }
    case Task::Preview: {
        int box = 0;
        qint64 maxPixels = 0;
        in >> box >> maxPixels;
        if (in.status() != QDataStream::Ok || files.size() != 1)
            return {};
        const ImageCodec::PreviewResult preview
            = ImageCodec::decodePreview(source, path, box, maxPixels);
        *reply = preview.image.isNull() ? FileDescriptor() : pixelFile(preview.image);
        const bool sent = reply->isOpen();
        out << (sent ? preview.image.width() : 0) << (sent ? preview.image.height() : 0)
            << preview.sourceSize << preview.animationFrames << preview.error << preview.problem;
        break;
    }
    default:
        return {};
    }
    return message;
}

} // namespace

int main(int argc, char** argv)
{
    // An allocation refused by the memory ceiling ends the worker with a status that says so
    // (the decoders' C++ and GLib would abort); the process that started it reports it.
    std::set_new_handler([] { _exit(WorkerProtocol::kExitOutOfMemory); });
    // Intermediate files would need the right to make files: libvips keeps every image in
    // memory instead, which the memory ceiling bounds.
    // (libvips reads sizes in k, m and g.)
    setenv("VIPS_DISC_THRESHOLD", "1048576g", 1);
    // A file-size limit (ulimit -f) makes a write fail with EFBIG, reported as the image's
    // write failure, rather than end the worker.
    std::signal(SIGXFSZ, SIG_IGN);

    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    int imagesAtOnce = 1;
    for (qsizetype i = 1; i + 1 < arguments.size(); i += 2) {
        if (arguments.at(i) == QLatin1String("--images-at-once"))
            imagesAtOnce = arguments.at(i + 1).toInt();
        else if (arguments.at(i) == QLatin1String("--language"))
            Translations::installLanguage(app, arguments.at(i + 1));
    }
    const int socket = WorkerProtocol::kSocketDescriptor;
    if (::fcntl(socket, F_GETFD) < 0) {
        std::fputs(
            "ostrel-worker: Ostrel's programs start this worker; it is not run by hand\n", stderr);
        return 2;
    }
    if (!ImageCodec::initialise(argv[0], ImageCodec::Modules::WhenNeeded))
        return 1;
    ImageCodec::exitWhenAllocationFails(WorkerProtocol::kExitOutOfMemory);
    ImageCodec::setImagesAtOnce(imagesAtOnce);
    QString why;
    if (!WorkerSandbox::confine(&why))
        std::fprintf(
            stderr, "ostrel-worker: runs without its system call filter: %s\n", qPrintable(why));

    QByteArray request;
    std::vector<FileDescriptor> files;
    while (WorkerProtocol::receive(socket, &request, &files)) {
        FileDescriptor reply;
        const QByteArray message = answer(request, files, &reply);
        files.clear();
        if (message.isEmpty())
            break; // not a request of the protocol: the asking process is not one of ours
        const bool sent = reply.isOpen() ? WorkerProtocol::send(socket, message, { reply.get() })
                                         : WorkerProtocol::send(socket, message);
        if (!sent)
            break;
    }
    // Nothing to flush or free: the process's memory goes with it.
    _exit(0);
}
