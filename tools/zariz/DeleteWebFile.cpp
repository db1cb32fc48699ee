#include <sys/stat.h>

#include <algorithm>

#include "Job.h"
#include "RemoteNames.h"

namespace tramvel::zariz {
namespace {

enum class Comparison { kSame, kChanged, kUnreachable };

// The job deletes on the server each file it received, by name. Should the
// other side have sent a newer file of that name since the fetch, deleting it
// would lose a delivery nobody has seen: the web file must still be the one
// in the local folder (its length, and its time, which the fetch gave it).
// Same too when there is nothing to compare with.
Comparison CompareWithFetched(const Job& job, const std::string& name, CurlOutcome& described) {
  struct stat local {};
  if (::stat((job.localFolder + "/" + name).c_str(), &local) != 0) return Comparison::kSame;
  int64_t size = -1;
  int64_t modified = -1;
  described = job.retry.Run(job.session, job.report, [&] {
    return job.session.Describe(FileUrl(job.folderUrl, name), size, modified);
  });
  // A server out of reach stays so for the DELE too: trying that as well
  // would only double the wait.
  if (!described.Ok() && job.session.Judge(described).exit == ExitCode::kConnection) return Comparison::kUnreachable;
  if (!described.Ok()) return Comparison::kSame;  // gone already, or no SIZE/MDTM: DELE tells
  if (size >= 0 && size != static_cast<int64_t>(local.st_size)) return Comparison::kChanged;
  return modified < 0 || modified == static_cast<int64_t>(local.st_mtim.tv_sec) ? Comparison::kSame
                                                                                : Comparison::kChanged;
}

// Servers answer NLST with bare names or with paths ending in the name.
bool Lists(const std::vector<std::string>& lines, const std::string& name) {
  const std::string asPath = "/" + name;
  return std::any_of(lines.begin(), lines.end(), [&](const std::string& line) {
    return line == name || line.ends_with(asPath);
  });
}

}  // namespace

void DeleteWebFile(const Job& job) {
  const std::string& name = job.parameters.file;
  CurlOutcome described;
  switch (CompareWithFetched(job, name, described)) {
    case Comparison::kSame:
      break;
    case Comparison::kChanged:
      job.report.Problem(ExitCode::kTransfer, "no se borra " + name +
                                                  ": el archivo de la web cambió después de la descarga y se recibirá "
                                                  "en la próxima");
      return;
    case Comparison::kUnreachable:
      job.report.Problem(ExitCode::kConnection, "no se pudo borrar " + name + ": " + Describe(described));
      return;
  }
  const CurlOutcome outcome =
      job.retry.Run(job.session, job.report, [&] { return job.session.Commands(job.folderUrl, {"DELE " + name}); });
  if (outcome.Ok()) {
    job.report.File("borrado " + name);
    return;
  }
  if (CouldNotEnterFolder(outcome) && WebFolderIsMissing(job)) {
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
  if (!Lists(ParseNameList(answer), name)) {
    job.report.File("borrado " + name + ": ya no estaba en el servidor");
  } else {
    job.report.Problem(ExitCode::kTransfer, "no se pudo borrar " + name + ", sigue en el servidor: " + Describe(outcome));
  }
}

}  // namespace tramvel::zariz
