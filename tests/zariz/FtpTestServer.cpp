#include "FtpTestServer.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>

extern char** environ;

namespace tramvel::zariz::test {

FtpTestServer::FtpTestServer(const std::string& root, const std::vector<std::string>& options,
                             const std::string& logPath) {
  int pipeEnds[2];
  if (::pipe2(pipeEnds, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], 1);
  posix_spawn_file_actions_addopen(&actions, 2, logPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  std::vector<std::string> args = {"/usr/bin/python3", ZARIZ_TEST_SERVER, "--root", root};
  args.insert(args.end(), options.begin(), options.end());
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  const int spawned = ::posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  ::close(pipeEnds[1]);
  if (spawned != 0) pid_ = -1;

  // The server prints its port once it listens; reading blocks until then,
  // or ends empty if it dies first.
  std::string line;
  char c = 0;
  while (::read(pipeEnds[0], &c, 1) == 1 && c != '\n') line.push_back(c);
  ::close(pipeEnds[0]);
  port_ = line.empty() ? 0 : std::stoi(line);
}

FtpTestServer::~FtpTestServer() { Stop(); }

void FtpTestServer::Stop() {
  if (pid_ <= 0) return;
  ::kill(pid_, SIGTERM);
  int status = 0;
  while (::waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
  }
  pid_ = -1;
}

}  // namespace tramvel::zariz::test
