#include "platform/Failure.h"

#include <utility>

namespace tramvel {

Failure::Failure(int32_t number, std::string description, std::string source)
    : number_(number), description_(std::move(description)), source_(std::move(source)) {}

}  // namespace tramvel
