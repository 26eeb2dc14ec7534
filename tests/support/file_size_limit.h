#pragma once

#include <gtest/gtest.h>

#include <QtGlobal>

#ifdef Q_OS_UNIX
#include <csignal>
#include <functional>
#include <sys/resource.h>

// Runs the action with files limited to `bytes`, as on a disk that fills up:
// a write beyond the limit comes up short instead of ending the process.
inline void avec_fichiers_limites(rlim_t bytes, const std::function<void()>& action) {
    rlimit avant{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &avant), 0);
    rlimit petit = avant;
    petit.rlim_cur = bytes;
    const auto signal_avant = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &petit), 0);
    action();
    setrlimit(RLIMIT_FSIZE, &avant);
    std::signal(SIGXFSZ, signal_avant);
}
#endif
