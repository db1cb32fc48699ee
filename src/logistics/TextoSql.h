#pragma once

#include <string>
#include <string_view>

namespace tramvel {

// A value as it goes between the single quotes of an SQL literal: each quote
// in it doubled, so that a trip number or a code holding one can neither
// break the statement nor end its literal early.
std::string ComillasDobladas(std::string_view valor);

}  // namespace tramvel
