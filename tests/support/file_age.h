// Files made older than they are: a replace clears a dead run's staging
// name only once it is an hour old, and a test of that clearing cannot wait
// the hour.
#pragma once

#include <fcntl.h>
#include <sys/stat.h>
#include <time.h>

#include <filesystem>

namespace mokrav::test {

// Sets a file's (or a link's own) last change two hours back; true when
// that could be done.
inline bool AgeTwoHours(const std::filesystem::path& path) {
  struct timespec times[2];
  ::clock_gettime(CLOCK_REALTIME, &times[0]);
  times[0].tv_sec -= 2 * 3600;
  times[1] = times[0];
  return ::utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW) == 0;
}

}  // namespace mokrav::test
