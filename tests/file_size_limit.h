#pragma once
// The soft limit on the size of the files this process writes, lowered for
// one scope; SIGXFSZ is ignored, so a write past it fails with EFBIG.
#include <sys/resource.h>

#include <csignal>

namespace orbel::testing {

class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) : handler_(std::signal(SIGXFSZ, SIG_IGN)) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        const rlimit lowered{bytes, saved_.rlim_max};
        setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, handler_);
    }

private:
    void (*handler_)(int);
    rlimit saved_{};
};

}  // namespace orbel::testing
