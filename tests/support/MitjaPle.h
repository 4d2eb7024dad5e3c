#pragma once

#include <csignal>
#include <optional>
#include <sys/resource.h>

// While it lives, no file of this process may grow past `bytes`: a write beyond fails as on a full
// medium. Binds root too, unlike permissions.
class MitjaPle {
public:
    explicit MitjaPle(rlim_t bytes = 0) {
        getrlimit(RLIMIT_FSIZE, &abans_);
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit cap{bytes, abans_.rlim_max};
        setrlimit(RLIMIT_FSIZE, &cap);
    }
    ~MitjaPle() { setrlimit(RLIMIT_FSIZE, &abans_); }
    MitjaPle(const MitjaPle&) = delete;
    MitjaPle& operator=(const MitjaPle&) = delete;

private:
    rlimit abans_;
};
