#pragma once

#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "RunProgram.h"

namespace tramvel::ado {
class Connection;
}

namespace tramvel::interfaces::test {

using Environment = std::map<std::string, std::optional<std::string>>;

// One site of the system under a folder of its own: its drive C, its own
// configuration file (named by TRAMVEL_INI) and the embedded database
// GESTION of the server LOCAL, made from COMPLETO.SQL as a site's is.
class Site {
 public:
  explicit Site(std::filesystem::path root);

  std::filesystem::path DriveC() const { return root_ / "C"; }
  std::filesystem::path Outbox() const { return DriveC() / "ENVIAR"; }
  std::filesystem::path Inbox() const { return DriveC() / "RECIBIR"; }

  // Rewrites the configuration file: the web server, and more lines after.
  void Configure(const std::string& ftpServer, const std::string& moreLines = "") const;

  // What a program of this site runs with: its drive, its configuration,
  // no display.
  Environment Env() const;

  // The interface text the job hands the interface programs.
  static std::string InterfaceText();
  // tramvel's launch parameters for `job` (SUBIR or DESCARGAR).
  static std::string LaunchText(const std::string& job);

  // Runs a program of a program folder, the build's bin/ unless told, as
  // this site.
  testing::ProgramRun Run(const std::string& program, const std::vector<std::string>& args) const;
  testing::ProgramRun Run(const std::filesystem::path& folder, const std::string& program,
                          const std::vector<std::string>& args) const;

  std::unique_ptr<ado::Connection> Connect() const;
  void Execute(const std::string& sql) const;
  // Every row of `table`, each as the text of its typed values, sorted: two
  // tables hold the same rows when these are equal.
  std::vector<std::string> Rows(const std::string& table) const;

 private:
  std::filesystem::path root_;
};

// The master tables that travel by default, and the files they travel in.
const std::vector<std::string>& MasterTableNames();
std::set<std::string> MasterFileNames();

// A few plausible rows in every master table, with what tends to break a
// file among them: a Null beside an empty text, accents, quotes, commas, a
// line break, blanks at the ends, amounts to the fourth decimal, dates.
void FillMasterData(const Site& site);

}  // namespace tramvel::interfaces::test
