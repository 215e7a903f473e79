#pragma once
// A full disk as the program meets one: while the object lives, no file of
// this process can grow beyond the given size, and a write past it fails
// (SIGXFSZ ignored, so the failure is a short write instead of the end of
// the test). The tests run as root, for whom read-only files do not fail.
#include <csignal>
#include <sys/resource.h>

namespace kelmo::test {

class DisquePlein {
public:
    explicit DisquePlein(rlim_t octets) : signal_(std::signal(SIGXFSZ, SIG_IGN))
    {
        getrlimit(RLIMIT_FSIZE, &avant_);
        rlimit limite = avant_;
        limite.rlim_cur = octets;
        setrlimit(RLIMIT_FSIZE, &limite);
    }
    ~DisquePlein()
    {
        setrlimit(RLIMIT_FSIZE, &avant_);
        std::signal(SIGXFSZ, signal_);
    }
    DisquePlein(const DisquePlein&) = delete;
    DisquePlein& operator=(const DisquePlein&) = delete;

private:
    void (*signal_)(int);
    rlimit avant_{};
};

} // namespace kelmo::test
