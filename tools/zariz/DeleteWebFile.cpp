#include <sys/stat.h>

#include <algorithm>

#include "Job.h"
#include "RemoteNames.h"

namespace tramvel::zariz {
namespace {

// The job deletes on the server each file it received, by name. Should the
// other side have sent a newer file of that name since the fetch, deleting it
// would lose a delivery nobody has seen: the web file must still be the one
// in the local folder (its length, and its time, which the fetch gave it).
// True when it is, or when there is nothing to compare with.
bool StillTheFetchedFile(const Job& job, const std::string& name) {
  struct stat local {};
  if (::stat((job.localFolder + "/" + name).c_str(), &local) != 0) return true;
  int64_t size = -1;
  int64_t modified = -1;
  const CurlOutcome described = job.retry.Run(job.session, job.report, [&] {
    return job.session.Describe(FileUrl(job.folderUrl, name), size, modified);
  });
  if (!described.Ok()) return true;  // gone already, or no SIZE/MDTM: DELE tells
  if (size >= 0 && size != static_cast<int64_t>(local.st_size)) return false;
  return modified < 0 || modified == static_cast<int64_t>(local.st_mtim.tv_sec);
}

}  // namespace

void DeleteWebFile(const Job& job) {
  const std::string& name = job.parameters.file;
  if (!StillTheFetchedFile(job, name)) {
    job.report.Problem(ExitCode::kTransfer, "no se borra " + name +
                                                ": el archivo de la web cambió después de la descarga y se recibirá "
                                                "en la próxima");
    return;
  }
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
