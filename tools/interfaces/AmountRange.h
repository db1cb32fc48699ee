#pragma once

#include <optional>
#include <string>

#include "TableColumns.h"

namespace tramvel::interfaces {

// Whether the text of an amount fits its column of exact numbers as SQL
// Server keeps them: money from -922337203685477.5808 to
// 922337203685477.5807, smallmoney from -214748.3648 to 214748.3647,
// decimal(p, s) and numeric(p, s) at most p - s digits before the point;
// none of them more decimals than the column keeps (4 for money), which the
// server would round away. Checked before anything is loaded, so that no
// site stores an amount that another site, or its own export, cannot take.
// Nullopt when it fits, a column of another type or a text that is no plain
// decimal (its form is the reader's business); otherwise what is wrong, for
// the operator.
std::optional<std::string> OutsideAmountRange(const std::string& text, const TableColumn& column);

}  // namespace tramvel::interfaces
