// A decoder that misbehaves, for the tests of the worker processes: preloaded into them
// (LD_PRELOAD), it takes the place of libvips' vips_source_new_from_descriptor, through which
// every source is read, and for a file whose name says so it does what a hostile file can make
// a decoder do. Any other file is read as usual.
//   ...crashes-the-decoder...   the decoder crashes (abort)
//   ...exhausts-memory...       the decoder allocates without end
//   ...loops-for-ever...        the decoder computes without end
//   ...escapes-the-sandbox...   the decoder tries to write a file beside the source, to open
//                               a socket, to start a program and a process; it crashes when
//                               one of them works, and reads the file as usual when none does
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <dlfcn.h>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

extern "C" {

struct _VipsSource;

_VipsSource* vips_source_new_from_descriptor(int descriptor)
{
    char name[4096] = {};
    const std::string link = "/proc/self/fd/" + std::to_string(descriptor);
    if (::readlink(link.c_str(), name, sizeof name - 1) > 0) {
        if (std::strstr(name, "crashes-the-decoder"))
            std::abort();
        if (std::strstr(name, "exhausts-memory")) {
            std::vector<char*> taken;
            for (;;) {
                char* block = new char[64 << 20];
                std::memset(block, 1, 64 << 20);
                taken.push_back(block);
            }
        }
        if (std::strstr(name, "escapes-the-sandbox")) {
            const std::string escaped = std::string(name) + ".escaped";
            if (::open(escaped.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644) >= 0)
                std::abort();
            if (::socket(AF_INET, SOCK_STREAM, 0) >= 0 || ::socket(AF_UNIX, SOCK_STREAM, 0) >= 0)
                std::abort();
            char* const arguments[] = { const_cast<char*>("/bin/true"), nullptr };
            ::execv("/bin/true", arguments);
            const pid_t child = ::fork();
            if (child == 0)
                ::_exit(0);
            if (child > 0)
                std::abort();
        }
        if (std::strstr(name, "loops-for-ever")) {
            volatile unsigned long counter = 0;
            for (;;)
                counter = counter + 1;
        }
    }
    using Real = _VipsSource* (*)(int);
    static const Real real
        = reinterpret_cast<Real>(dlsym(RTLD_NEXT, "vips_source_new_from_descriptor"));
    return real(descriptor);
}

} // extern "C"
