#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "RunProgram.h"

namespace tramvel::testing {

// Puts the recording stand-in into `folder` under `name`, exiting with `code`.
void InstallStandIn(const std::filesystem::path& folder, const std::string& name, int code = 0);
// The same, its k-th run exiting with codes[k] (the last code from then on).
void InstallStandIn(const std::filesystem::path& folder, const std::string& name, const std::vector<int>& codes);

// The three outside programs of the job, all exiting 0.
void InstallOutsidePrograms(const std::filesystem::path& folder);

// The command lines the stand-ins in `folder` received, in order.
std::vector<std::string> RecordedCommandLines(const std::filesystem::path& folder);

// The folder that holds the built programs (tramvel) and the stand-in.
std::filesystem::path ProgramDir();
std::filesystem::path StandInPath();

// Runs the built syd with drive C: at `driveC` and the default configuration
// beside the program (whatever TRAMVEL_INI the caller's shell names);
// `more` adds or overrides variables.
ProgramRun RunSyd(const std::vector<std::string>& args, const std::string& driveC, EnvironmentChanges more = {});

}  // namespace tramvel::testing
