#include <vector>

#include "platform/Platform.h"

namespace tramvel {

std::size_t File::CopyTo(File& destination, std::size_t count) {
  std::vector<std::byte> buffer(count);
  const std::size_t read = Read(buffer);
  destination.Write(std::span<const std::byte>(buffer.data(), read));
  return read;
}

}  // namespace tramvel
