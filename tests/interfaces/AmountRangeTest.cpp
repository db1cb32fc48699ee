// The ranges of SQL Server's exact numbers, as the import holds a delivery to them.
#include "AmountRange.h"

#include <gtest/gtest.h>

namespace tramvel::interfaces {
namespace {

using ado::ColumnKind;

const TableColumn kMoney{"M", ColumnKind::kCurrency, 8, 19, 4};
const TableColumn kSmallMoney{"S", ColumnKind::kCurrency, 4, 10, 4};
const TableColumn kDecimal{"D", ColumnKind::kCurrency, 19, 6, 2};
const TableColumn kFloat{"F", ColumnKind::kDouble, 8, 0, 0};

TEST(AmountRange, HoldsEachTypeToWhatTheServerKeeps) {
  struct Case {
    const char* text;
    const TableColumn& column;
    bool fits;
  } const cases[] = {
      {"12345678901234.5678", kMoney, true},
      {"922337203685477.5807", kMoney, true},
      {"922337203685477.5808", kMoney, false},
      {"-922337203685477.5808", kMoney, true},
      {"-922337203685477.5809", kMoney, false},
      {"0000922337203685477.58070", kMoney, true},
      {"1.00005", kMoney, false},
      {"214748.3647", kSmallMoney, true},
      {"214748.3648", kSmallMoney, false},
      {"-214748.3648", kSmallMoney, true},
      {"9999.99", kDecimal, true},
      {"10000", kDecimal, false},
      {"1.001", kDecimal, false},
      {"1e300", kMoney, true},  // no plain decimal: the reader refuses its form
      {"1e300", kFloat, true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(!OutsideAmountRange(c.text, c.column).has_value(), c.fits) << c.text << " in " << c.column.name;
  }
  EXPECT_EQ(OutsideAmountRange("214748.3648", kSmallMoney),
            "\"214748.3648\" no cabe en la columna (smallmoney: de -214748.3648 a 214748.3647)");
}

}  // namespace
}  // namespace tramvel::interfaces
