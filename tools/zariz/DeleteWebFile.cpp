#include <algorithm>

#include "Job.h"
#include "RemoteNames.h"

namespace tramvel::zariz {

void DeleteWebFile(const Job& job) {
  const std::string& name = job.parameters.file;
  const CurlOutcome outcome =
      job.retry.Run(job.session, job.report, [&] { return job.session.Commands(job.folderUrl, {"DELE " + name}); });
  if (outcome.Ok()) {
    job.report.File("borrado " + name);
    return;
  }
  if (IsMissingFolder(outcome)) {
    job.report.File("borrado " + name + ": la carpeta web no existe, ya no estaba");
    return;
  }
  if (outcome.code != CURLE_QUOTE_ERROR || outcome.response != 550) {
    job.report.Problem(job.session.Judge(outcome).exit, "no se pudo borrar " + name + ": " + Describe(outcome));
    return;
  }
  // 550 is also what a server says when it will not delete a file that is
  // there: only a listing tells a file already gone from one that stays.
  std::string answer;
  const CurlOutcome listed =
      job.retry.Run(job.session, job.report, [&] { return job.session.ListNames(job.folderUrl, answer); });
  if (!listed.Ok()) {
    job.report.Problem(job.session.Judge(listed).exit, "no se pudo borrar " + name + ": " + Describe(outcome) +
                                                           "; ni comprobar si sigue allí: " + Describe(listed));
    return;
  }
  const std::vector<std::string> names = ParseNameList(answer);
  if (std::find(names.begin(), names.end(), name) == names.end()) {
    job.report.File("borrado " + name + ": ya no estaba en el servidor");
  } else {
    job.report.Problem(ExitCode::kTransfer, "no se pudo borrar " + name + ", sigue en el servidor: " + Describe(outcome));
  }
}

}  // namespace tramvel::zariz
