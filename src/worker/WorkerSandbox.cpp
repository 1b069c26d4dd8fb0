#include "WorkerSandbox.h"

#include <cerrno>
#include <cstring>
#include <initializer_list>

#include <fcntl.h>
#include <sched.h>
#include <seccomp.h>
#include <sys/socket.h>
#include <unistd.h>

namespace WorkerSandbox {

namespace {

struct Filter
{
    scmp_filter_ctx context = seccomp_init(SCMP_ACT_ALLOW);
    ~Filter() { seccomp_release(context); }
};

} // namespace

bool confine(QString* error)
{
    // Everything a decoder needs is allowed (memory, threads, reading files such as fonts and
    // the libraries' own data, the descriptors given); what would let a taken-over decoder
    // act on the system is refused with an error, which the libraries report as a failure:
    Filter filter;
    if (!filter.context) {
        *error = QStringLiteral("seccomp_init failed");
        return false;
    }
    int failures = 0;
    auto refuse = [&](int errorNumber, int call, std::initializer_list<scmp_arg_cmp> when = {}) {
        if (seccomp_rule_add_array(filter.context, SCMP_ACT_ERRNO(errorNumber), call,
                unsigned(when.size()), std::data(when))
            != 0)
            ++failures;
    };
    // - starting programs, and processes other than threads of its own;
    for (int call : { SCMP_SYS(execve), SCMP_SYS(execveat), SCMP_SYS(fork), SCMP_SYS(vfork) })
        refuse(EPERM, call);
    refuse(EPERM, SCMP_SYS(clone), { SCMP_A0(SCMP_CMP_MASKED_EQ, CLONE_THREAD, 0) });
    // (clone3 passes its flags in memory a filter cannot read: the C library falls back to
    // clone, checked above.)
    refuse(ENOSYS, SCMP_SYS(clone3));
    // - opening files for writing, or making, removing, renaming or changing any file;
    // (openat2 passes its flags in memory too: the C library falls back to openat.)
    refuse(ENOSYS, SCMP_SYS(openat2));
    for (int flag : { O_WRONLY, O_RDWR, O_CREAT, O_TRUNC, O_APPEND }) {
        refuse(EACCES, SCMP_SYS(open),
            { SCMP_A1(SCMP_CMP_MASKED_EQ, unsigned(flag), unsigned(flag)) });
        refuse(EACCES, SCMP_SYS(openat),
            { SCMP_A2(SCMP_CMP_MASKED_EQ, unsigned(flag), unsigned(flag)) });
    }
    for (int call : { SCMP_SYS(creat), SCMP_SYS(mkdir), SCMP_SYS(mkdirat), SCMP_SYS(mknod),
             SCMP_SYS(mknodat), SCMP_SYS(unlink), SCMP_SYS(unlinkat), SCMP_SYS(rmdir),
             SCMP_SYS(rename), SCMP_SYS(renameat), SCMP_SYS(renameat2), SCMP_SYS(link),
             SCMP_SYS(linkat), SCMP_SYS(symlink), SCMP_SYS(symlinkat), SCMP_SYS(chmod),
             SCMP_SYS(fchmodat), SCMP_SYS(chown), SCMP_SYS(lchown), SCMP_SYS(fchownat),
             SCMP_SYS(truncate), SCMP_SYS(utime), SCMP_SYS(utimes), SCMP_SYS(utimensat),
             SCMP_SYS(futimesat), SCMP_SYS(setxattr), SCMP_SYS(lsetxattr), SCMP_SYS(removexattr),
             SCMP_SYS(lremovexattr) })
        refuse(EACCES, call);
    // - the network and other processes' sockets;
    for (int call : { SCMP_SYS(socket), SCMP_SYS(socketpair), SCMP_SYS(connect), SCMP_SYS(bind),
             SCMP_SYS(listen), SCMP_SYS(accept), SCMP_SYS(accept4) })
        refuse(EACCES, call);
    // - other processes: tracing them, their memory, their signals;
    const pid_t self = ::getpid();
    for (int call : { SCMP_SYS(ptrace), SCMP_SYS(process_vm_readv), SCMP_SYS(process_vm_writev),
             SCMP_SYS(pidfd_open), SCMP_SYS(pidfd_getfd), SCMP_SYS(pidfd_send_signal) })
        refuse(EPERM, call);
    refuse(EPERM, SCMP_SYS(kill), { SCMP_A0(SCMP_CMP_NE, scmp_datum_t(self)) });
    refuse(EPERM, SCMP_SYS(tgkill), { SCMP_A0(SCMP_CMP_NE, scmp_datum_t(self)) });
    // - raising its ceilings (reading them is allowed: prlimit64 without a new value);
    refuse(EPERM, SCMP_SYS(setrlimit));
    refuse(EPERM, SCMP_SYS(prlimit64), { SCMP_A2(SCMP_CMP_NE, 0) });
    // - and the system's own business: mounts, name spaces, kernel modules and keys, BPF,
    //   performance counters, io_uring (whose requests no filter sees), userfaultfd.
    for (int call : { SCMP_SYS(mount), SCMP_SYS(umount2), SCMP_SYS(pivot_root), SCMP_SYS(chroot),
             SCMP_SYS(unshare), SCMP_SYS(setns), SCMP_SYS(init_module), SCMP_SYS(finit_module),
             SCMP_SYS(delete_module), SCMP_SYS(kexec_load), SCMP_SYS(reboot), SCMP_SYS(swapon),
             SCMP_SYS(swapoff), SCMP_SYS(sethostname), SCMP_SYS(setdomainname), SCMP_SYS(acct),
             SCMP_SYS(bpf), SCMP_SYS(perf_event_open), SCMP_SYS(keyctl), SCMP_SYS(add_key),
             SCMP_SYS(request_key), SCMP_SYS(io_uring_setup), SCMP_SYS(io_uring_enter),
             SCMP_SYS(io_uring_register), SCMP_SYS(userfaultfd), SCMP_SYS(personality) })
        refuse(EPERM, call);
    if (failures > 0) {
        *error = QStringLiteral("%1 rules of the filter could not be added").arg(failures);
        return false;
    }
    // No new privileges (set-user-ID programs could not be started anyway); system calls of
    // another architecture (the 32-bit entry point) end the process.
    const int loaded = seccomp_load(filter.context);
    if (loaded != 0) {
        *error = QString::fromLocal8Bit(std::strerror(-loaded));
        return false;
    }
    return true;
}

} // namespace WorkerSandbox
