#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace tramvel::testing {

// The pyftpdlib server of ftp_server.py on a free port of 127.0.0.1, ready
// once the constructor returns, stopped by Stop() or when the object goes.
class FtpTestServer {
 public:
  FtpTestServer(const std::string& root, const std::vector<std::string>& options, const std::string& logPath);
  ~FtpTestServer();
  FtpTestServer(const FtpTestServer&) = delete;
  FtpTestServer& operator=(const FtpTestServer&) = delete;

  // 0 when the server did not come up (its log says why).
  int Port() const { return port_; }
  std::string Host() const { return "127.0.0.1:" + std::to_string(port_); }
  // The server's process, for a test whose outside program stops it.
  pid_t Pid() const { return pid_; }
  void Stop();

 private:
  pid_t pid_ = -1;
  int port_ = 0;
};

}  // namespace tramvel::testing
