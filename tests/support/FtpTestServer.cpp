#include "FtpTestServer.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

#include "RunProgram.h"

namespace tramvel::testing {

FtpTestServer::FtpTestServer(const std::string& root, const std::vector<std::string>& options,
                             const std::string& logPath) {
  std::vector<std::string> args = {TRAMVEL_FTP_TEST_SERVER, "--root", root};
  args.insert(args.end(), options.begin(), options.end());
  const StartedProgram server = StartProgram("/usr/bin/python3", args, {}, logPath);
  pid_ = server.pid;
  if (pid_ < 0) return;

  // The server prints its port once it listens; reading blocks until then,
  // or ends empty if it dies first.
  std::string line;
  char c = 0;
  while (::read(server.output, &c, 1) == 1 && c != '\n') line.push_back(c);
  ::close(server.output);
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

}  // namespace tramvel::testing
