#include "PostgresCluster.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <pwd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "ado/odbc/OdbcSettings.h"

namespace tramvel::ado::testing {
namespace {

namespace fs = std::filesystem;

// The newest installed server's programs ("/usr/lib/postgresql/15/bin").
std::string ServerPrograms() {
  std::string best;
  int bestVersion = -1;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator("/usr/lib/postgresql", ec)) {
    const int version = std::atoi(entry.path().filename().c_str());
    if (version > bestVersion && fs::exists(entry.path() / "bin" / "pg_ctl", ec)) {
      bestVersion = version;
      best = (entry.path() / "bin").string();
    }
  }
  return best;
}

int FreeLoopbackPort() {
  const int s = socket(AF_INET, SOCK_STREAM, 0);
  if (s < 0) return 0;
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  int port = 0;
  if (bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
      getsockname(s, reinterpret_cast<sockaddr*>(&address), &length) == 0) {
    port = ntohs(address.sin_port);
  }
  close(s);
  return port;
}

std::string Quoted(const std::string& text) { return "'" + text + "'"; }

}  // namespace

std::unique_ptr<PostgresCluster> PostgresCluster::Start(std::string& why) {
  const std::string bin = ServerPrograms();
  if (bin.empty()) {
    why = "no PostgreSQL server under /usr/lib/postgresql (scripts/setup installs it)";
    return nullptr;
  }
  std::string folder = (fs::temp_directory_path() / "tramvel-pg-XXXXXX").string();
  if (!mkdtemp(folder.data())) {
    why = "no temporary folder";
    return nullptr;
  }
  const int port = FreeLoopbackPort();
  std::unique_ptr<PostgresCluster> cluster(new PostgresCluster(bin, folder, port));
  std::ofstream(folder + "/pw") << kPassword << "\n";
  if (geteuid() == 0) {
    const passwd* owner = getpwnam("postgres");
    if (!owner) {
      why = "no postgres user to run the server as";
      return nullptr;
    }
    for (const std::string& path : {folder, folder + "/pw"}) {
      if (chown(path.c_str(), owner->pw_uid, owner->pw_gid) != 0) {
        why = "cannot hand " + path + " to postgres";
        return nullptr;
      }
    }
  }
  if (!cluster->Run(Quoted(bin + "/initdb") + " -D " + Quoted(folder + "/data") + " -U " + kUser +
                    " --auth=scram-sha-256 --pwfile=" + Quoted(folder + "/pw") +
                    " -E UTF8 --no-locale --no-sync")) {
    why = "initdb failed: see " + folder + "/log";
    return nullptr;
  }
  if (!cluster->Restart()) {
    why = "the server did not start: see " + folder + "/log";
    return nullptr;
  }
  return cluster;
}

PostgresCluster::~PostgresCluster() {
  if (running_) Control("-m immediate stop");
  std::error_code ec;
  fs::remove_all(folder_, ec);
}

std::string PostgresCluster::ConnectionText(const std::string& database, const std::string& password) const {
  return "Driver=" TRAMVEL_PSQLODBC ";Server=127.0.0.1;Port=" + std::to_string(port_) +
         ";Database=" + database + ";UID=" + kUser + ";PWD=" + QuoteOdbcValue(password) + ";BoolsAsChar=0;";
}

bool PostgresCluster::Stop() {
  running_ = !Control("-m fast stop");
  return !running_;
}

bool PostgresCluster::Restart() {
  running_ = Control("-o " + Quoted("-p " + std::to_string(port_) + " -k " + folder_ +
                                    " -c listen_addresses=127.0.0.1 -c fsync=off") +
                     " start");
  return running_;
}

bool PostgresCluster::Run(const std::string& command) const {
  const std::string as = geteuid() == 0 ? "runuser -u postgres -- " : "";
  return std::system((as + command + " >>" + Quoted(folder_ + "/log") + " 2>&1").c_str()) == 0;
}

bool PostgresCluster::Control(const std::string& action) const {
  return Run(Quoted(bin_ + "/pg_ctl") + " -D " + Quoted(folder_ + "/data") + " -l " + Quoted(folder_ + "/server.log") +
             " -w -t 60 " + action);
}

}  // namespace tramvel::ado::testing
