#include "RunProgram.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <stdexcept>

extern char** environ;

namespace tramvel::testing {

ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& args,
                      const std::map<std::string, std::optional<std::string>>& env) {
  std::map<std::string, std::string> variables;
  for (char** e = environ; *e; ++e) {
    const std::string entry = *e;
    const auto eq = entry.find('=');
    variables[entry.substr(0, eq)] = eq == std::string::npos ? "" : entry.substr(eq + 1);
  }
  for (const auto& [name, value] : env) {
    if (value) {
      variables[name] = *value;
    } else {
      variables.erase(name);
    }
  }
  std::vector<std::string> envText;
  for (const auto& [name, value] : variables) envText.push_back(name + "=" + value);
  std::vector<char*> envp;
  for (auto& e : envText) envp.push_back(e.data());
  envp.push_back(nullptr);
  std::vector<std::string> argText{program};
  argText.insert(argText.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (auto& a : argText) argv.push_back(a.data());
  argv.push_back(nullptr);

  int out[2];
  int err[2];
  if (::pipe2(out, O_CLOEXEC) != 0 || ::pipe2(err, O_CLOEXEC) != 0) throw std::runtime_error("pipe");
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], 1);
  posix_spawn_file_actions_adddup2(&actions, err[1], 2);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  pid_t pid = 0;
  const int spawned = ::posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  ::close(out[1]);
  ::close(err[1]);
  ProgramRun run;
  if (spawned != 0) {
    ::close(out[0]);
    ::close(err[0]);
    run.errors = std::strerror(spawned);
    return run;
  }
  pollfd fds[2] = {{out[0], POLLIN, 0}, {err[0], POLLIN, 0}};
  int open = 2;
  char buffer[4096];
  while (open > 0) {
    if (::poll(fds, 2, -1) < 0) continue;
    for (int i = 0; i < 2; ++i) {
      if (fds[i].fd < 0 || !(fds[i].revents & (POLLIN | POLLHUP))) continue;
      const ssize_t n = ::read(fds[i].fd, buffer, sizeof buffer);
      if (n <= 0) {
        ::close(fds[i].fd);
        fds[i].fd = -1;
        --open;
      } else {
        (i == 0 ? run.output : run.errors).append(buffer, static_cast<std::size_t>(n));
      }
    }
  }
  int status = 0;
  ::waitpid(pid, &status, 0);
  run.exitedNormally = WIFEXITED(status);
  if (run.exitedNormally) run.exitCode = WEXITSTATUS(status);
  return run;
}

}  // namespace tramvel::testing
