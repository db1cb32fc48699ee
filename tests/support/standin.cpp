// A stand-in for an outside program: appends the command line it was started
// with (its program text, a blank, its one argument) to "standin.log" in its
// own folder, then exits with the code that "<its file name>.exit" beside it
// holds (0 when there is none); a file of several lines gives the k-th run
// the k-th code, and the last code to every run after it. When "<its file name>.wait" names a path, it
// first waits until that path exists, so a test can hold it running.

#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

int main(int argc, char** argv) {
  char self[4096] = {};
  const ssize_t n = ::readlink("/proc/self/exe", self, sizeof self - 1);
  if (n <= 0) return 99;
  const std::string exe(self, static_cast<std::size_t>(n));
  const std::string folder = exe.substr(0, exe.find_last_of('/'));
  const std::string name = exe.substr(exe.find_last_of('/') + 1);

  std::string line = argc > 0 ? argv[0] : "";
  if (argc > 1) line += std::string(" ") + argv[1];
  line += '\n';
  const int fd = ::open((folder + "/standin.log").c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
  if (fd < 0 || ::write(fd, line.data(), line.size()) != static_cast<ssize_t>(line.size())) return 98;
  ::close(fd);

  std::ifstream waitFile(folder + "/" + name + ".wait");
  std::string awaited;
  if (std::getline(waitFile, awaited)) {
    for (int i = 0; i < 6000 && !std::filesystem::exists(awaited); ++i) {
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
  }

  // Count this run among the earlier ones of the same program.
  const std::string runsPath = folder + "/" + name + ".runs";
  int run = 0;
  {
    std::ifstream runs(runsPath);
    for (std::string seen; std::getline(runs, seen);) ++run;
  }
  std::ofstream(runsPath, std::ios::app) << "x\n";

  std::ifstream exitFile(folder + "/" + name + ".exit");
  int code = 0;
  for (int i = 0, next = 0; i <= run && exitFile >> next; ++i) code = next;
  return code;
}
