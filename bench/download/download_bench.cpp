// Downloads one URL into one file through the updater's download window, as a setup program
// is downloaded, and reports the time of the call and the process's peak memory on standard
// error.
// Usage: download_bench URL TARGET
#include <sys/resource.h>

#include <QApplication>
#include <chrono>
#include <iostream>

#include "orrix/fwupHTTP.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: download_bench URL TARGET\n";
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  vx::TwupHTTP window;
  const auto start = std::chrono::steady_clock::now();
  const bool ok = window.DownloadToFile(argv[1], argv[2], vx::TwupOptions{});
  const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
  rusage usage{};
  ::getrusage(RUSAGE_SELF, &usage);
  std::cerr << "download_bench: " << (ok ? "ok" : "FAILED") << " in " << seconds.count() << " s, peak memory "
            << usage.ru_maxrss / 1024 << " MB\n";
  return ok ? 0 : 1;
}
