#pragma once

#include <memory>
#include <string>

namespace tramvel::ado::testing {

// A private PostgreSQL cluster for the tests: created in a temporary folder,
// listening on a free port of 127.0.0.1 only, run by the postgres user when
// the tests run as root (the server refuses root), with password logins. It
// is stopped and its folder removed when the object goes, whatever the
// tests did.
class PostgresCluster {
 public:
  static constexpr const char* kUser = "postgres";
  static constexpr const char* kPassword = "Clave;{Secreta}";

  // A started cluster, or nullptr with `why` saying what is missing.
  static std::unique_ptr<PostgresCluster> Start(std::string& why);
  ~PostgresCluster();
  PostgresCluster(const PostgresCluster&) = delete;
  PostgresCluster& operator=(const PostgresCluster&) = delete;

  // The ODBC connection text of `database` (the driver named by its library's path).
  std::string ConnectionText(const std::string& database, const std::string& password = kPassword) const;

  // Stops the server (connections are cut at once) / starts it again.
  bool Stop();
  bool Restart();

 private:
  PostgresCluster(std::string bin, std::string folder, int port) : bin_(std::move(bin)), folder_(std::move(folder)), port_(port) {}
  bool Run(const std::string& command) const;
  bool Control(const std::string& action) const;

  std::string bin_;
  std::string folder_;
  int port_;
  bool running_ = false;
};

}  // namespace tramvel::ado::testing
