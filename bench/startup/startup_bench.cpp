// Start-up to the first paint of the window, and peak memory, of VELDAMO
// side by side with a minimal Qt Widgets program showing one empty window,
// and with that window plus one label of Japanese text (what drawing any
// text costs: the font database and the font). Each iteration starts the
// three programs, in rotating order, on the same platform: offscreen, and an
// X server (Xvfb) started by the benchmark. Counters: median milliseconds to
// first paint and peak resident memory of each program, and VELDAMO's ratios
// to the other two.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

struct Sample {
  double ms = 0;       // spawn to the first-paint line
  long peak_kb = 0;    // the process's peak resident memory
};

std::string g_display;  // the benchmark's own X server, once started

// The environment of the parent with the Qt settings for one run.
std::vector<std::string> Environment(const std::string& platform) {
  std::vector<std::string> env;
  for (char** e = environ; *e != nullptr; ++e) {
    const std::string entry = *e;
    if (entry.starts_with("QT_") || entry.starts_with("DISPLAY=") ||
        entry.starts_with("WAYLAND_DISPLAY=")) {
      continue;
    }
    env.push_back(entry);
  }
  env.push_back("QT_QPA_PLATFORM=" + platform);
  env.push_back("QT_PLUGIN_PATH=" VELDAMO_BENCH_PLUGIN_DIR);
  env.push_back("QT_QPA_GENERIC_PLUGINS=veldamofirstpaint");
  if (platform == "xcb") env.push_back("DISPLAY=" + g_display);
  return env;
}

std::optional<Sample> RunOnce(const char* program, const std::string& platform) {
  std::vector<std::string> env_strings = Environment(platform);
  std::vector<char*> env;
  for (std::string& s : env_strings) env.push_back(s.data());
  env.push_back(nullptr);

  int out[2];
  if (pipe(out) != 0) return std::nullopt;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  std::string path = program;
  char* argv[] = {path.data(), nullptr};

  const Clock::time_point start = Clock::now();
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, program, &actions, nullptr, argv, env.data());
  posix_spawn_file_actions_destroy(&actions);
  close(out[1]);
  if (spawned != 0) {
    close(out[0]);
    return std::nullopt;
  }

  std::string seen;
  std::optional<Clock::time_point> painted;
  char buffer[256];
  for (;;) {
    const ssize_t n = read(out[0], buffer, sizeof buffer);
    if (n <= 0) break;
    seen.append(buffer, static_cast<std::size_t>(n));
    if (seen.find("first-paint\n") != std::string::npos) {
      painted = Clock::now();
      break;
    }
  }
  close(out[0]);
  if (!painted) kill(pid, SIGKILL);

  int status = 0;
  rusage usage{};
  if (wait4(pid, &status, 0, &usage) != pid || !painted || !WIFEXITED(status) ||
      WEXITSTATUS(status) != 0) {
    return std::nullopt;
  }
  return Sample{std::chrono::duration<double, std::milli>(*painted - start).count(),
                usage.ru_maxrss};
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  const std::size_t n = v.size();
  return n % 2 == 1 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

struct Program {
  const char* name;
  const char* path;
};

constexpr Program kPrograms[] = {
    {"veldamo", VELDAMO_PROGRAM},
    {"minimal", VELDAMO_MINIMAL_PROGRAM},
    {"text", VELDAMO_TEXT_PROGRAM},
};
constexpr std::size_t kProgramCount = std::size(kPrograms);

void BM_StartupSideBySide(benchmark::State& state, const std::string& platform) {
  if (platform == "xcb" && g_display.empty()) {
    state.SkipWithError("no X server: Xvfb is not installed or did not start");
    return;
  }
  // One warm-up run each, so all start from warm file caches.
  for (const Program& program : kPrograms) {
    if (!RunOnce(program.path, platform)) {
      state.SkipWithError("a program did not reach its first paint");
      return;
    }
  }
  std::vector<double> ms[kProgramCount];
  std::vector<double> kb[kProgramCount];
  std::size_t first = 0;
  for (auto _ : state) {
    Sample samples[kProgramCount];
    for (std::size_t k = 0; k < kProgramCount; ++k) {
      const std::size_t i = (first + k) % kProgramCount;
      const std::optional<Sample> sample = RunOnce(kPrograms[i].path, platform);
      if (!sample) {
        state.SkipWithError("a program did not reach its first paint");
        return;
      }
      samples[i] = *sample;
    }
    first = (first + 1) % kProgramCount;
    state.SetIterationTime(samples[0].ms / 1000.0);
    for (std::size_t i = 0; i < kProgramCount; ++i) {
      ms[i].push_back(samples[i].ms);
      kb[i].push_back(static_cast<double>(samples[i].peak_kb));
    }
  }
  double median_ms[kProgramCount];
  double median_kb[kProgramCount];
  for (std::size_t i = 0; i < kProgramCount; ++i) {
    median_ms[i] = Median(ms[i]);
    median_kb[i] = Median(kb[i]);
    state.counters[std::string(kPrograms[i].name) + "_ms"] = median_ms[i];
    state.counters[std::string(kPrograms[i].name) + "_peak_kb"] = median_kb[i];
  }
  state.counters["time_ratio"] = median_ms[0] / median_ms[1];
  state.counters["memory_ratio"] = median_kb[0] / median_kb[1];
  state.counters["time_ratio_text"] = median_ms[0] / median_ms[2];
  state.counters["memory_ratio_text"] = median_kb[0] / median_kb[2];
}

// Starts Xvfb on a free display; returns its process id, or 0.
pid_t StartXServer() {
  int ready[2];
  if (pipe(ready) != 0) return 0;
  const std::string fd = std::to_string(ready[1]);
  std::string xvfb = "Xvfb";
  std::string displayfd = "-displayfd";
  std::string screen = "-screen";
  std::string zero = "0";
  std::string geometry = "1024x768x24";
  std::string nolisten = "-nolisten";
  std::string tcp = "tcp";
  std::string fd_arg = fd;
  char* argv[] = {xvfb.data(), displayfd.data(), fd_arg.data(), screen.data(), zero.data(),
                  geometry.data(), nolisten.data(), tcp.data(), nullptr};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addclose(&actions, ready[0]);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  pid_t pid = 0;
  const int spawned = posix_spawnp(&pid, "Xvfb", &actions, nullptr, argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  close(ready[1]);
  if (spawned != 0) {
    close(ready[0]);
    return 0;
  }
  std::string number;
  char c = 0;
  while (read(ready[0], &c, 1) == 1 && c != '\n') number.push_back(c);
  close(ready[0]);
  if (number.empty()) {
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    return 0;
  }
  g_display = ":" + number;
  return pid;
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  const pid_t xserver = StartXServer();
  for (const char* platform : {"offscreen", "xcb"}) {
    benchmark::RegisterBenchmark((std::string("BM_StartupSideBySide/") + platform).c_str(),
                                 BM_StartupSideBySide, std::string(platform))
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Iterations(30);
  }
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  if (xserver != 0) {
    kill(xserver, SIGTERM);
    waitpid(xserver, nullptr, 0);
  }
  return 0;
}
