#include <memory>
#include <vector>

#include "Job.h"
#include "LocalFiles.h"
#include "RemoteNames.h"

namespace tramvel::zariz {
namespace {

// NLST names sub-folders too; a folder is what the server lets one change into.
bool IsWebFolder(const Job& job, const std::string& name) {
  return job.session.Commands(FileUrl(job.folderUrl, name) + "/", {}).Ok();
}

}  // namespace

void FetchFolder(const Job& job) {
  if (const std::string error = MakeFolder(job.localFolder); !error.empty()) {
    job.report.Problem(ExitCode::kLocalFile, error);
    return;
  }
  std::string answer;
  const CurlOutcome listed =
      job.retry.Run(job.session, job.report, [&] { return job.session.ListNames(job.folderUrl, answer); });
  if (CouldNotEnterFolder(listed) && WebFolderIsMissing(job)) {
    job.report.File("la carpeta web " + job.parameters.webFolder + " no existe: nada que descargar");
    return;
  }
  if (!listed.Ok()) {
    // A listing refused is no empty folder: the job must not go on as if
    // nothing had been sent.
    job.report.Problem(CouldNotEnterFolder(listed) ? ExitCode::kTransfer : job.session.Judge(listed).exit,
                       "no se pudo listar la carpeta web " + job.parameters.webFolder + ": " + Describe(listed));
    return;
  }

  std::vector<std::unique_ptr<PartialDownload>> received;
  for (const std::string& name : ParseNameList(answer)) {
    if (IsPartName(name)) continue;  // still being sent by someone
    // One name that cannot be taken must not hold back the rest of the
    // delivery, run after run: it stays on the server, told about here.
    if (const std::string why = WhyNotFetched(name); !why.empty()) {
      job.report.Note("omitido " + Printable(name) + ": " + why);
      continue;
    }
    auto part = std::make_unique<PartialDownload>(job.localFolder, name);
    if (!part->IsOpen()) {
      job.report.Problem(ExitCode::kLocalFile, part->Error());
      continue;
    }
    const CurlOutcome outcome = job.retry.Run(job.session, job.report, [&] {
      if (!part->Restart()) return CurlOutcome{CURLE_WRITE_ERROR, 0, part->Error()};
      return job.session.Download(FileUrl(job.folderUrl, name), *part);
    });
    if (outcome.code == CURLE_REMOTE_FILE_NOT_FOUND) {
      // Listed but not handed over: a folder, a file gone since the listing,
      // or one line of a name no command can ask for. Nothing of it was
      // received, so nothing of it is deleted on the server either.
      const std::string why =
          IsWebFolder(job, name) ? "es una carpeta" : "el servidor no lo entrega: " + Describe(outcome);
      job.report.Note("omitido " + Printable(name) + ": " + why);
      continue;
    }
    if (!outcome.Ok()) {
      const Verdict verdict = job.session.Judge(outcome);
      job.report.Problem(verdict.exit, "no se pudo descargar " + name + ": " + Describe(outcome));
      if (verdict.exit == ExitCode::kConnection) break;
      continue;
    }
    if (!part->Finish()) {
      job.report.Problem(ExitCode::kLocalFile, part->Error());
      continue;
    }
    received.push_back(std::move(part));
  }

  // Nothing takes its place before all of it is on disk: a file the job
  // finds in the inbox has to survive a power cut, for the job deletes it on
  // the server next.
  const std::string unflushed = received.empty() ? std::string() : FlushFileSystem(job.localFolder);
  if (!unflushed.empty()) {
    job.report.Problem(ExitCode::kLocalFile, unflushed);
  } else if (!received.empty()) {
    for (const auto& part : received) {
      if (part->PutInPlace()) {
        job.report.File("descargado " + part->Name() + " (" + std::to_string(part->Written()) + " bytes)");
      } else {
        job.report.Problem(ExitCode::kLocalFile, part->Error());
      }
    }
    FlushFolder(job.localFolder);
  }
  received.clear();
  RemovePartFolderIfEmpty(job.localFolder);
}

}  // namespace tramvel::zariz
