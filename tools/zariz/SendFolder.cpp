#include "Job.h"
#include "LocalFiles.h"
#include "RemoteNames.h"

namespace tramvel::zariz {

void SendFolder(const Job& job) {
  const LocalListing listing = FilesDirectlyIn(job.localFolder);
  if (!listing.error.empty()) {
    job.report.Problem(ExitCode::kLocalFile, listing.error);
    return;
  }
  for (const std::string& name : listing.names) {
    // The name travels inside RNFR and RNTO command lines.
    if (name.find_first_of("\r\n") != std::string::npos) {
      job.report.Problem(ExitCode::kLocalFile, "no se envía " + LocalPath(job.localFolder, name) +
                                                   ": su nombre lleva un salto de línea");
      continue;
    }
    SourceFile source(LocalPath(job.localFolder, name));
    if (!source.IsOpen()) {
      job.report.Problem(ExitCode::kLocalFile, source.Error());
      continue;
    }
    const std::string part = PartName(name);
    CurlOutcome outcome = job.retry.Run(job.session, job.report, [&] {
      if (!source.Rewind()) return CurlOutcome{CURLE_READ_ERROR, 0, source.Error()};
      return job.session.Upload(FileUrl(job.folderUrl, part), source, {"RNFR " + part, "RNTO " + name});
    });
    if (outcome.code == CURLE_QUOTE_ERROR) {
      // Some servers (IIS among them) refuse to rename onto a file that
      // exists: the older copy goes first.
      outcome = job.retry.Run(job.session, job.report, [&] {
        return job.session.Commands(job.folderUrl, {"*DELE " + name, "RNFR " + part, "RNTO " + name});
      });
    }
    if (!outcome.Ok()) {
      const Verdict verdict = job.session.Judge(outcome);
      job.report.Problem(verdict.exit, "no se pudo enviar " + name + ": " + Describe(outcome));
      if (verdict.exit == ExitCode::kConnection) return;
      job.session.Commands(job.folderUrl, {"*DELE " + part});
      continue;
    }
    job.report.File("enviado " + name + " (" + std::to_string(source.Size()) + " bytes)");
  }
}

}  // namespace tramvel::zariz
