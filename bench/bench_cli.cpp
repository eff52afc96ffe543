// veskaro-cli end to end: one process run of `schedule --session` on the example session,
// from process start to exit (target: well under 50 ms wall time).
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

extern char** environ;

namespace {

// The veskaro-cli of the same build: <build>/bench/bench_cli -> <build>/src/cli/veskaro-cli.
std::string CliPath() {
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe");
  return (self.parent_path().parent_path() / "src" / "cli" / "veskaro-cli").string();
}

int RunQuiet(const std::string& program, std::vector<std::string> args) {
  args.insert(args.begin(), program);
  std::vector<char*> argv;
  for (auto& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  pid_t pid = 0;
  const int rc = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (rc != 0) return -1;
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void RunSession(benchmark::State& state, std::vector<std::string> args) {
  // The example sessions name their files from the repository's root folder.
  std::filesystem::current_path(std::filesystem::path(VESKARO_EXAMPLES).parent_path());
  const std::string cli = CliPath();
  for (auto _ : state) {
    if (RunQuiet(cli, args) != 0) {
      state.SkipWithError("veskaro-cli did not finish with exit code 0");
      break;
    }
  }
}

void BM_CliScheduleSession(benchmark::State& state) {
  RunSession(state, {"schedule", "--session", "examples/MAIZE.SES"});
}
BENCHMARK(BM_CliScheduleSession)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_CliScheduleSessionDailyJson(benchmark::State& state) {
  RunSession(state, {"schedule", "--session", "examples/MAIZE.SES", "--table", "daily", "--format",
                     "json"});
}
BENCHMARK(BM_CliScheduleSessionDailyJson)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
