#include "WorkerProtocol.h"

#include <cerrno>
#include <cstring>
#include <tuple>

#include <sys/socket.h>

namespace WorkerProtocol {

bool send(int socket, const QByteArray& message, std::initializer_list<int> descriptors)
{
    iovec part { const_cast<char*>(message.constData()), size_t(message.size()) };
    msghdr header {};
    header.msg_iov = &part;
    header.msg_iovlen = 1;
    alignas(cmsghdr) char control[CMSG_SPACE(sizeof(int) * kMaxDescriptors)] = {};
    if (descriptors.size() > 0) {
        header.msg_control = control;
        header.msg_controllen = CMSG_SPACE(sizeof(int) * descriptors.size());
        cmsghdr* rights = CMSG_FIRSTHDR(&header);
        rights->cmsg_level = SOL_SOCKET;
        rights->cmsg_type = SCM_RIGHTS;
        rights->cmsg_len = CMSG_LEN(sizeof(int) * descriptors.size());
        std::memcpy(CMSG_DATA(rights), std::data(descriptors), sizeof(int) * descriptors.size());
    }
    ssize_t sent;
    do
        sent = ::sendmsg(socket, &header, MSG_NOSIGNAL);
    while (sent < 0 && errno == EINTR);
    return sent == message.size();
}

bool receive(int socket, QByteArray* message, std::vector<FileDescriptor>* descriptors)
{
    message->resize(kMaxMessageBytes);
    descriptors->clear();
    iovec part { message->data(), size_t(message->size()) };
    msghdr header {};
    header.msg_iov = &part;
    header.msg_iovlen = 1;
    alignas(cmsghdr) char control[CMSG_SPACE(sizeof(int) * kMaxDescriptors)] = {};
    header.msg_control = control;
    header.msg_controllen = sizeof control;
    ssize_t received;
    do
        received = ::recvmsg(socket, &header, MSG_CMSG_CLOEXEC);
    while (received < 0 && errno == EINTR);
    for (cmsghdr* c = CMSG_FIRSTHDR(&header); c; c = CMSG_NXTHDR(&header, c)) {
        if (c->cmsg_level != SOL_SOCKET || c->cmsg_type != SCM_RIGHTS)
            continue;
        const size_t count = (c->cmsg_len - CMSG_LEN(0)) / sizeof(int);
        for (size_t i = 0; i < count; ++i) {
            int descriptor;
            std::memcpy(&descriptor, CMSG_DATA(c) + i * sizeof(int), sizeof(int));
            descriptors->emplace_back(descriptor);
        }
    }
    if (received <= 0 || (header.msg_flags & (MSG_TRUNC | MSG_CTRUNC))) {
        descriptors->clear();
        return false;
    }
    message->resize(received);
    return true;
}

} // namespace WorkerProtocol

namespace {

// Every field of the options, in the order they travel. A field added to ResizeOptions is
// added here too, or the worker renders with its default.
auto fields(ResizeOptions& o)
{
    return std::tie(o.unit, o.width, o.height, o.resolution, o.proportional, o.givenSide,
        o.longShortSides, o.noEnlarge, o.boxMode, o.cropPosition, o.outputFolder, o.presetName,
        o.presetFolder, o.naming, o.baseName, o.startNumber, o.existingFile, o.format, o.quality,
        o.metadata, o.tiffCompression, o.flatten, o.background, o.maxPixels, o.decoderMemoryMiB,
        o.decoderSeconds, o.maxFileSize, o.minQuality, o.nameTemplate, o.keepTree, o.skipLarger,
        o.keepDates, o.linearLight, o.lossless);
}

} // namespace

QDataStream& operator<<(QDataStream& stream, const ResizeOptions& options)
{
    std::apply([&stream](const auto&... field) { ((stream << field), ...); },
        fields(const_cast<ResizeOptions&>(options)));
    return stream;
}

QDataStream& operator>>(QDataStream& stream, ResizeOptions& options)
{
    std::apply([&stream](auto&... field) { ((stream >> field), ...); }, fields(options));
    return stream;
}

QDataStream& operator<<(QDataStream& stream, const ResizeStatus& status)
{
    const EncodedOutput& encoded = status.encoded;
    return stream << status.error << status.message << encoded.quality << encoded.scale
                  << encoded.width << encoded.height;
}

QDataStream& operator>>(QDataStream& stream, ResizeStatus& status)
{
    EncodedOutput& encoded = status.encoded;
    return stream >> status.error >> status.message >> encoded.quality >> encoded.scale
        >> encoded.width >> encoded.height;
}

QDataStream& operator<<(QDataStream& stream, const ImageWork::Plan& plan)
{
    return stream << plan.status << plan.sourceWidth << plan.sourceHeight << plan.outputWidth
                  << plan.outputHeight << plan.taken;
}

QDataStream& operator>>(QDataStream& stream, ImageWork::Plan& plan)
{
    return stream >> plan.status >> plan.sourceWidth >> plan.sourceHeight >> plan.outputWidth
        >> plan.outputHeight >> plan.taken;
}

QDataStream& operator<<(QDataStream& stream, const ImageCodec::SourceInfo& info)
{
    return stream << info.ok << info.width << info.height << info.embeddedProfile << info.cmyk
                  << info.pages << info.animation << info.deep << info.grey << info.error
                  << info.problem << info.taken;
}

QDataStream& operator>>(QDataStream& stream, ImageCodec::SourceInfo& info)
{
    return stream >> info.ok >> info.width >> info.height >> info.embeddedProfile >> info.cmyk
        >> info.pages >> info.animation >> info.deep >> info.grey >> info.error >> info.problem
        >> info.taken;
}
