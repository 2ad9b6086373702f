#include "cli_run_host.h"

#include <unistd.h>

#include <atomic>
#include <csignal>
#include <cstdio>
#include <thread>

namespace kw::cli {
namespace {

std::atomic<bool> g_stop{false};
void (*g_previous)(int) = SIG_DFL;

extern "C" void OnInterrupt(int) { g_stop = true; }

}  // namespace

CliRunHost::CliRunHost() : terminal_(isatty(STDERR_FILENO) != 0) {
  g_stop = false;
  g_previous = std::signal(SIGINT, OnInterrupt);
}

CliRunHost::~CliRunHost() { std::signal(SIGINT, g_previous == SIG_ERR ? SIG_DFL : g_previous); }

void CliRunHost::ShowMessage(const std::string& key, const std::string& text) {
  FinishProgress();
  std::fprintf(stderr, "[%s] %s\n", key.c_str(), text.c_str());
}

void CliRunHost::ProcessEvents() { std::this_thread::yield(); }

bool CliRunHost::StopRequested() { return g_stop; }

void CliRunHost::Progress(const kw::RunProgress& p) {
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
  const int total = p.pathsTotal > 0 ? p.pathsTotal : 1;
  if (terminal_) {
    const int filled = std::min(30, 30 * p.pathsDone / total);
    std::fprintf(stderr, "\r[%.*s%*s] %d/%d paths, %.0f mm cut, %.1f s ", filled, "==============================",
                 30 - filled, "", p.pathsDone, p.pathsTotal, p.cutLength, seconds);
    drawn_ = true;
    return;
  }
  const int tenth = 10 * p.pathsDone / total;
  if (tenth == lastTenth_ && p.pathsDone != p.pathsTotal) return;  // the last path is always shown
  lastTenth_ = tenth;
  std::fprintf(stderr, "progress: %d/%d paths, %.0f mm cut, %.1f s\n", p.pathsDone, p.pathsTotal, p.cutLength,
               seconds);
}

void CliRunHost::FinishProgress() {
  if (drawn_) std::fputc('\n', stderr);
  drawn_ = false;
}

}  // namespace kw::cli
