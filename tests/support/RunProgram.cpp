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
namespace {

std::vector<std::string> Environment(const EnvironmentChanges& env) {
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
  std::vector<std::string> out;
  for (const auto& [name, value] : variables) out.push_back(name + "=" + value);
  return out;
}

std::vector<char*> Pointers(std::vector<std::string>& texts) {
  std::vector<char*> out;
  for (std::string& text : texts) out.push_back(text.data());
  out.push_back(nullptr);
  return out;
}

}  // namespace

StartedProgram StartProgram(const std::string& program, const std::vector<std::string>& args,
                            const EnvironmentChanges& env, const std::optional<std::string>& errorsFile) {
  std::vector<std::string> envText = Environment(env);
  std::vector<std::string> argText{program};
  argText.insert(argText.end(), args.begin(), args.end());
  const std::vector<char*> envp = Pointers(envText);
  const std::vector<char*> argv = Pointers(argText);

  int out[2];
  int err[2] = {-1, -1};
  if (::pipe2(out, O_CLOEXEC) != 0 || (!errorsFile && ::pipe2(err, O_CLOEXEC) != 0)) throw std::runtime_error("pipe");
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], 1);
  if (errorsFile) {
    posix_spawn_file_actions_addopen(&actions, 2, errorsFile->c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  } else {
    posix_spawn_file_actions_adddup2(&actions, err[1], 2);
  }
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  StartedProgram started;
  started.startError = ::posix_spawn(&started.pid, program.c_str(), &actions, nullptr, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  ::close(out[1]);
  if (err[1] >= 0) ::close(err[1]);
  if (started.startError != 0) {
    ::close(out[0]);
    if (err[0] >= 0) ::close(err[0]);
    started.pid = -1;
    return started;
  }
  started.output = out[0];
  started.errors = err[0];
  return started;
}

ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& args,
                      const EnvironmentChanges& env) {
  const StartedProgram started = StartProgram(program, args, env);
  ProgramRun run;
  if (started.pid < 0) {
    run.errors = std::strerror(started.startError);
    return run;
  }
  pollfd fds[2] = {{started.output, POLLIN, 0}, {started.errors, POLLIN, 0}};
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
  ::waitpid(started.pid, &status, 0);
  run.exitedNormally = WIFEXITED(status);
  if (run.exitedNormally) run.exitCode = WEXITSTATUS(status);
  return run;
}

}  // namespace tramvel::testing
