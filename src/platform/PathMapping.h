#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tramvel {

// Maps the system's Windows-style paths to native ones, at the platform
// boundary only: "\" becomes "/", a drive prefix "X:" becomes the folder that
// TRAMVEL_DRIVE_X names (default ~/.local/share/tramvel/X), and a path that
// does not exist as written is matched component by component without regard
// to letter case, because the system's file names (written for Windows, where
// letter case never mattered) differ from the files on disk in case only.
// In a path with a drive, "." and ".." are resolved first, as Windows does,
// and a path that climbs above its drive's root is refused with 76 ("Path
// not found"): a received or listed name never reaches a file outside the
// drive. A path without a drive stays relative or absolute as written.
class PathMapper {
 public:
  // Roots from the environment (TRAMVEL_DRIVE_C, ..., HOME).
  static PathMapper FromEnvironment();

  // Drive C: at `driveCRoot`; other drives beside it as "<parent>/<letter>"
  // unless TRAMVEL_DRIVE_<letter> names them.
  explicit PathMapper(std::string driveCRoot);

  const std::string& DriveCRoot() const { return driveCRoot_; }

  // The native root folder of the path's drive; nullopt for a path without one.
  std::optional<std::string> RootOf(std::string_view path) const;

  // True when the path has a drive and ".." takes it above the drive's root.
  bool LeavesDrive(std::string_view path) const;

  // The native path, with letter case resolved against the disk. These three
  // raise 76 for a path that leaves its drive.
  std::string Map(std::string_view path) const;

  // The native path of an entry about to be created: the folders resolved as
  // by Map, the last component kept as written when it does not exist as
  // written. Looking for a case variant of every new file would scan its
  // folder each time, which makes filling a folder quadratic.
  std::string MapForCreation(std::string_view path) const;

  // The native path without looking at the disk.
  std::string MapLexically(std::string_view path) const;

 private:
  std::string DriveRoot(char letter) const;

  std::string driveCRoot_;
};

}  // namespace tramvel
