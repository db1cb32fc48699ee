#include "DataFailure.h"

#include "platform/Failure.h"

namespace tramvel::interfaces {

void RaiseDataFailure(std::string description) { throw Failure(13, std::move(description), "interfaces"); }

}  // namespace tramvel::interfaces
