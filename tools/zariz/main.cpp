#include <cstdlib>
#include <iostream>
#include <string>
#include <string_view>

#include "CurlSession.h"
#include "FtpAddress.h"
#include "HelpText.h"
#include "Job.h"
#include "ParameterText.h"
#include "Report.h"
#include "RetryPolicy.h"
#include "Tuning.h"
#include "platform/PathMapping.h"

namespace {

using tramvel::zariz::ExitCode;

int Exit(ExitCode code) { return static_cast<int>(code); }

int Run(const std::string& text) {
  using namespace tramvel::zariz;
  Report report(std::cout, std::cerr);

  const ParsedParameters parsed = ParseParameterText(text);
  if (!parsed.parameters) {
    report.Problem(ExitCode::kBadParameters, parsed.error);
    return Exit(report.Result());
  }
  const TuningRead tuning = ReadTuning([](const char* name) { return std::getenv(name); });
  if (!tuning.tuning) {
    report.Problem(ExitCode::kBadParameters, tuning.error);
    return Exit(report.Result());
  }

  const CurlLibrary library;
  CurlSession session(*parsed.parameters, *tuning.tuning);
  if (!library.Ready() || !session.Ready()) {
    report.Problem(ExitCode::kConnection, "no se puede preparar libcurl");
    return Exit(report.Result());
  }
  const FtpParameters& parameters = *parsed.parameters;
  const tramvel::PathMapper mapper = tramvel::PathMapper::FromEnvironment();
  // A hand-typed DIRDESTINO may climb out of its drive; it names no folder of ours.
  if (mapper.LeavesDrive(parameters.localFolder)) {
    report.Problem(ExitCode::kLocalFile, "la carpeta local sale de su unidad: " + parameters.localFolder);
    return Exit(report.Result());
  }
  const RetryPolicy retry(tuning.tuning->retries, tuning.tuning->firstRetryDelay);
  const Job job{parameters,
                FolderUrl(parameters.server, parameters.webFolder),
                mapper.Map(parameters.localFolder),
                session,
                retry,
                report};
  switch (parameters.mode) {
    case TransferMode::kSend:
      SendFolder(job);
      break;
    case TransferMode::kFetch:
      FetchFolder(job);
      break;
    case TransferMode::kDelete:
      DeleteWebFile(job);
      break;
  }
  return Exit(report.Result());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && (std::string_view(argv[1]) == "--help" || std::string_view(argv[1]) == "-h")) {
    std::cout << tramvel::zariz::HelpText();
    return 0;
  }
  if (argc < 2) {
    std::cerr << "zariz: falta el texto de parámetros (zariz.exe --help lo explica)\n";
    return Exit(ExitCode::kBadParameters);
  }
  // The job hands the whole text as one argument; typed at a shell, the
  // blank of "; ARCHIVO=" splits it, and joining restores it.
  std::string text = argv[1];
  for (int i = 2; i < argc; ++i) text += std::string(" ") + argv[i];
  return Run(text);
}
