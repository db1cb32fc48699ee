#include "platform/qt/UiSession.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QApplication>

#include <cstdlib>
#include <cstring>
#include <string>

namespace tramvel {
namespace {

std::string Env(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

bool ConnectsUnix(const std::string& path, bool abstract) {
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return false;
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const std::size_t offset = abstract ? 1 : 0;
  if (path.size() + offset >= sizeof address.sun_path) {
    ::close(fd);
    return false;
  }
  std::memcpy(address.sun_path + offset, path.data(), path.size());
  const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + offset + path.size());
  const bool connected = ::connect(fd, reinterpret_cast<const sockaddr*>(&address), length) == 0;
  ::close(fd);
  return connected;
}

bool XServerAnswers() {
  const std::string display = Env("DISPLAY");
  if (display.empty()) return false;
  const auto colon = display.rfind(':');
  if (colon == std::string::npos) return false;
  const std::string host = display.substr(0, colon);
  // A remote display (ssh forwarding and the like) is trusted as given.
  if (!host.empty() && host != "unix") return true;
  std::string number = display.substr(colon + 1);
  number = number.substr(0, number.find('.'));
  const std::string socket = "/tmp/.X11-unix/X" + number;
  return ConnectsUnix(socket, false) || ConnectsUnix(socket, true);
}

bool WaylandAnswers() {
  std::string name = Env("WAYLAND_DISPLAY");
  if (name.empty()) return false;
  if (name.front() != '/') name = Env("XDG_RUNTIME_DIR") + "/" + name;
  return ConnectsUnix(name, false);
}

}  // namespace

bool DisplayAvailable() {
  const std::string platform = Env("QT_QPA_PLATFORM");
  if (platform.rfind("offscreen", 0) == 0 || platform.rfind("minimal", 0) == 0) return false;
  if (platform.rfind("xcb", 0) == 0) return XServerAnswers();
  if (platform.rfind("wayland", 0) == 0) return WaylandAnswers();
  if (!platform.empty()) return true;  // vnc, eglfs, ...: what the operator chose
  return WaylandAnswers() || XServerAnswers();
}

UiSession::UiSession(int& argc, char** argv) : display_(DisplayAvailable()) {
  if (!display_) ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
  // A scheduled run has no session folder; Qt would fall back to one of its
  // own and say so on standard error, which is the run's error log.
  if (Env("XDG_RUNTIME_DIR").empty()) {
    const std::string folder = "/tmp/runtime-" + std::to_string(::getuid());
    ::mkdir(folder.c_str(), 0700);
    struct stat info {};
    if (::stat(folder.c_str(), &info) == 0 && info.st_uid == ::getuid()) ::setenv("XDG_RUNTIME_DIR", folder.c_str(), 1);
  }
  app_ = std::make_unique<QApplication>(argc, argv);
}

UiSession::~UiSession() = default;

int UiSession::Exec() { return QApplication::exec(); }

}  // namespace tramvel
