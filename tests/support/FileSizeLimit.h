#pragma once
// Makes every write to a regular file fail with EFBIG while it lives, for
// tests of failed saves. Unlike a read-only folder, this holds for root too.

#include <signal.h>
#include <sys/resource.h>

namespace testsupport {

class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes = 0) {
        // The write must fail, not kill the test program.
        oldHandler_ = ::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &old_);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &old_);
        ::signal(SIGXFSZ, oldHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit old_{};
    sighandler_t oldHandler_ = SIG_DFL;
};

}  // namespace testsupport
