#include "TerminationSignals.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>

#if defined(Q_OS_UNIX)
#include <sys/socket.h>
#include <unistd.h>
#endif

#if defined(Q_OS_UNIX)
namespace {

// The write end (0) is used by the handler, the read end (1) by the notifier. -1 while no
// object is installed.
int gSocket[2] = { -1, -1 };

extern "C" void onTerminationSignal(int signalNumber)
{
    // Only async-signal-safe calls, and errno as the interrupted code left it. A full socket
    // drops the byte: the quit it asks for is already on its way.
    const int savedErrno = errno;
    const unsigned char byte = static_cast<unsigned char>(signalNumber);
    const ssize_t ignored = ::write(gSocket[0], &byte, 1);
    (void)ignored;
    errno = savedErrno;
}

} // namespace
#endif

TerminationSignals::TerminationSignals(QObject* parent)
    : QObject(parent)
{
}

TerminationSignals::~TerminationSignals()
{
#if defined(Q_OS_UNIX)
    if (mNotifier == nullptr)
        return;
    for (int signalNumber : std::as_const(mSignals))
        std::signal(signalNumber, SIG_DFL);
    delete mNotifier;
    ::close(gSocket[0]);
    ::close(gSocket[1]);
    gSocket[0] = gSocket[1] = -1;
#endif
}

bool TerminationSignals::install(std::initializer_list<int> signalNumbers)
{
#if !defined(Q_OS_UNIX)
    Q_UNUSED(signalNumbers);
    return false;
#else
    if (mNotifier != nullptr || gSocket[0] != -1)
        return false;
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, gSocket) != 0) {
        gSocket[0] = gSocket[1] = -1;
        return false;
    }
    mNotifier = new QSocketNotifier(gSocket[1], QSocketNotifier::Read, this);
    connect(mNotifier, &QSocketNotifier::activated, this, &TerminationSignals::readSignal);

    struct sigaction action = {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signalNumber : signalNumbers) {
        if (::sigaction(signalNumber, &action, nullptr) == 0)
            mSignals << signalNumber;
    }
    return mSignals.size() == static_cast<qsizetype>(signalNumbers.size());
#endif
}

void TerminationSignals::readSignal()
{
#if defined(Q_OS_UNIX)
    unsigned char bytes[16];
    for (;;) {
        const ssize_t n = ::read(gSocket[1], bytes, sizeof bytes);
        if (n <= 0)
            break; // drained (EAGAIN), or closed
        for (ssize_t i = 0; i < n; ++i)
            emit received(bytes[i]);
    }
#endif
}
