#include <algorithm>

#include "Job.h"
#include "RemoteNames.h"

namespace tramvel::zariz {

// A 550 on changing into a folder says "missing" and "not allowed" alike;
// only the folder above can tell them apart by listing the name or not. When
// that folder cannot be entered either, the one above it is asked in turn.
bool WebFolderIsMissing(const Job& job) {
  const std::vector<std::string> segments = WebFolderSegments(job.parameters.webFolder);
  for (std::size_t depth = segments.size(); depth > 0; --depth) {
    std::string answer;
    const std::string parent = FolderUrl(job.parameters.server, segments, depth - 1);
    const CurlOutcome listed =
        job.retry.Run(job.session, job.report, [&] { return job.session.ListNames(parent, answer); });
    if (listed.Ok()) {
      const std::vector<std::string> names = ParseNameList(answer);
      return std::find(names.begin(), names.end(), segments[depth - 1]) == names.end();
    }
    if (!CouldNotEnterFolder(listed)) return false;
  }
  return false;
}

}  // namespace tramvel::zariz
