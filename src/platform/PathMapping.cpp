#include "platform/PathMapping.h"

#include <dirent.h>
#include <sys/stat.h>

#include <cstdlib>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "platform/Failure.h"
#include "platform/TextCase.h"

namespace tramvel {
namespace {

bool Exists(const std::string& path) {
  struct stat info {};
  return ::lstat(path.c_str(), &info) == 0;
}

std::string EnvOr(const char* name, std::string fallback) {
  const char* value = std::getenv(name);
  return value && *value ? std::string(value) : std::move(fallback);
}

std::string TrimTrailingSlashes(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

// The entry of `folder` named `name` without regard to case; empty when none.
std::string MatchInFolder(const std::string& folder, const std::string& name) {
  std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.empty() ? "." : folder.c_str()), ::closedir);
  if (!dir) return {};
  while (const dirent* entry = ::readdir(dir.get())) {
    if (EqualsIgnoreCase(entry->d_name, name)) return entry->d_name;
  }
  return {};
}

// The same path with each component that does not exist as written replaced
// by the entry of its folder whose name matches without regard to case (the
// first in listing order when several do). Components after the first one
// that matches nothing are kept as written.
std::string ResolveLetterCase(const std::string& nativePath) {
  if (nativePath.empty() || Exists(nativePath)) return nativePath;
  std::string resolved = nativePath.front() == '/' ? "/" : "";
  std::size_t pos = resolved.size();
  bool matching = true;
  while (pos <= nativePath.size()) {
    const std::size_t next = nativePath.find('/', pos);
    const std::size_t end = next == std::string::npos ? nativePath.size() : next;
    std::string component = nativePath.substr(pos, end - pos);
    if (!component.empty()) {
      const std::string folder = resolved.empty() ? "" : TrimTrailingSlashes(resolved);
      std::string candidate = resolved + component;
      if (matching && !Exists(candidate)) {
        std::string match = component == "." || component == ".." ? std::string() : MatchInFolder(folder, component);
        if (match.empty()) {
          matching = false;
        } else {
          candidate = resolved + match;
        }
      }
      resolved = candidate;
      if (next != std::string::npos) resolved += '/';
    } else if (next != std::string::npos && !resolved.empty() && resolved.back() != '/') {
      resolved += '/';
    }
    if (next == std::string::npos) break;
    pos = next + 1;
  }
  return resolved;
}

bool HasDrive(std::string_view path) {
  return path.size() >= 2 && path[1] == ':' &&
         ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
}

// What follows a drive ("\RECIBIR\..\A.TXT"), with "." and ".." resolved as
// Windows resolves them, before anything is looked up, and "/" between
// components; nullopt when ".." climbs above the drive's root. A closing
// separator stays.
std::optional<std::string> ResolveDots(std::string_view rest) {
  std::vector<std::string_view> parts;
  bool closed = false;
  for (std::size_t pos = 0; pos <= rest.size();) {
    std::size_t next = rest.find_first_of("\\/", pos);
    if (next == std::string_view::npos) next = rest.size();
    const std::string_view part = rest.substr(pos, next - pos);
    closed = part.empty() || part == "." || part == "..";
    if (part == "..") {
      if (parts.empty()) return std::nullopt;
      parts.pop_back();
    } else if (!part.empty() && part != ".") {
      parts.push_back(part);
    }
    pos = next + 1;
  }
  std::string out;
  for (const std::string_view part : parts) {
    out += '/';
    out += part;
  }
  if (closed && !rest.empty()) out += '/';
  return out;
}

}  // namespace

PathMapper PathMapper::FromEnvironment() {
  return PathMapper(EnvOr("TRAMVEL_DRIVE_C", EnvOr("HOME", "/root") + "/.local/share/tramvel/C"));
}

PathMapper::PathMapper(std::string driveCRoot) : driveCRoot_(TrimTrailingSlashes(std::move(driveCRoot))) {}

std::string PathMapper::DriveRoot(char letter) const {
  const char upper = static_cast<char>((letter >= 'a' && letter <= 'z') ? letter - 'a' + 'A' : letter);
  if (upper == 'C') return driveCRoot_;
  const std::string variable = std::string("TRAMVEL_DRIVE_") + upper;
  const auto slash = driveCRoot_.find_last_of('/');
  const std::string parent = slash == std::string::npos ? std::string(".") : driveCRoot_.substr(0, slash);
  return EnvOr(variable.c_str(), parent + "/" + upper);
}

std::optional<std::string> PathMapper::RootOf(std::string_view path) const {
  if (!HasDrive(path)) return std::nullopt;
  return DriveRoot(path[0]);
}

bool PathMapper::LeavesDrive(std::string_view path) const { return HasDrive(path) && !ResolveDots(path.substr(2)); }

std::string PathMapper::MapLexically(std::string_view path) const {
  std::string out;
  if (HasDrive(path)) {
    const std::optional<std::string> rest = ResolveDots(path.substr(2));
    if (!rest) throw Failure(failure::kPathNotFound, "Path not found '" + std::string(path) + "'");
    out = DriveRoot(path[0]) + *rest;
  } else {
    out = path;
    for (char& c : out) {
      if (c == '\\') c = '/';
    }
  }
  // Doubled separators come from joining a folder that ends in a separator
  // with a name that starts with one; they mean nothing on either system.
  std::string collapsed;
  collapsed.reserve(out.size());
  for (char c : out) {
    if (c == '/' && !collapsed.empty() && collapsed.back() == '/') continue;
    collapsed.push_back(c);
  }
  return collapsed;
}

std::string PathMapper::Map(std::string_view path) const { return ResolveLetterCase(MapLexically(path)); }

std::string PathMapper::MapForCreation(std::string_view path) const {
  std::string native = MapLexically(path);
  while (native.size() > 1 && native.back() == '/') native.pop_back();
  if (Exists(native)) return native;
  const auto slash = native.find_last_of('/');
  if (slash == std::string::npos) return native;
  const std::string folder = slash == 0 ? std::string("/") : native.substr(0, slash);
  return TrimTrailingSlashes(ResolveLetterCase(folder)) + "/" + native.substr(slash + 1);
}


}  // namespace tramvel
