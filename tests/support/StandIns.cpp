#include "StandIns.h"

#include <fstream>

#include "TempFolder.h"

namespace tramvel::testing {

std::filesystem::path ProgramDir() { return TRAMVEL_PROGRAM_DIR; }

ProgramRun RunSyd(const std::vector<std::string>& args, const std::string& driveC, EnvironmentChanges more) {
  more.emplace("TRAMVEL_DRIVE_C", driveC);
  more.emplace("TRAMVEL_INI", std::nullopt);
  return RunProgram((ProgramDir() / "syd").string(), args, more);
}

std::filesystem::path StandInPath() { return std::filesystem::path(TRAMVEL_TEST_BIN_DIR) / "standin"; }

void InstallStandIn(const std::filesystem::path& folder, const std::string& name, int code) {
  InstallStandIn(folder, name, std::vector<int>{code});
}

void InstallStandIn(const std::filesystem::path& folder, const std::string& name, const std::vector<int>& codes) {
  std::filesystem::create_directories(folder);
  std::filesystem::copy_file(StandInPath(), folder / name, std::filesystem::copy_options::overwrite_existing);
  std::string text;
  for (int code : codes) text += std::to_string(code) + "\n";
  WriteFile(folder / (name + ".exit"), text);
  std::filesystem::remove(folder / (name + ".runs"));
}

void InstallOutsidePrograms(const std::filesystem::path& folder) {
  for (const char* name : {"zariz.exe", "INTERFACEENVIOMAESTROS.EXE", "INTERFACERECEPMAESTROS.EXE"}) {
    InstallStandIn(folder, name);
  }
}

std::vector<std::string> RecordedCommandLines(const std::filesystem::path& folder) {
  std::vector<std::string> lines;
  std::ifstream log(folder / "standin.log");
  for (std::string line; std::getline(log, line);) lines.push_back(line);
  return lines;
}

}  // namespace tramvel::testing
