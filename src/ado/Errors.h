#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tramvel::ado {

// One error the database reported: its own native number (208, 2714, ...)
// and message, as SQL Server words them, and the component that reported it.
struct Error {
  int32_t NativeError = 0;
  std::string Description;
  std::string Source;

  friend bool operator==(const Error&, const Error&) = default;
};

using ErrorList = std::vector<Error>;

// The number of an engine error that has no SQL Server number of its own:
// the one SQL Server gives a message raised with its own text (RAISERROR
// without a number), so that no failed statement reads as error 0, which
// callers take for success.
inline constexpr int32_t kEngineMessage = 50000;

// ADO's Errors collection of a connection: what the last Execute or Open
// reported, in order. Cleared at the start of every Execute and Open.
class ErrorCollection {
 public:
  size_t Count() const { return errors_.size(); }
  bool Empty() const { return errors_.empty(); }
  // Index 0 is the first error. An index out of range raises 3265.
  const Error& Item(size_t index) const;
  const Error& operator[](size_t index) const { return Item(index); }
  void Clear() { errors_.clear(); }

  auto begin() const { return errors_.begin(); }
  auto end() const { return errors_.end(); }

  // For the connection: replaces the list.
  void Assign(ErrorList errors) { errors_ = std::move(errors); }

 private:
  ErrorList errors_;
};

}  // namespace tramvel::ado

namespace tramvel::ado::adoerror {
// The numbers ADO itself raises (as VB's Err.Number shows them).
inline constexpr int32_t kArgumentsOutOfRange = 3001;  // "Arguments are of the wrong type, ..."
inline constexpr int32_t kBofOrEof = 3021;             // "Either BOF or EOF is True, ..."
inline constexpr int32_t kNotUpdatable = 3251;         // "Current Recordset does not support updating. ..."
inline constexpr int32_t kItemNotFound = 3265;         // "Item cannot be found in the collection ..."
inline constexpr int32_t kObjectClosed = 3704;         // "Operation is not allowed when the object is closed."
inline constexpr int32_t kObjectOpen = 3705;           // "Operation is not allowed when the object is open."
inline constexpr int32_t kConnectionClosed = 3709;     // "The connection cannot be used to perform this operation. ..."
inline constexpr int32_t kMultipleStep = -2147217887;  // "Multiple-step operation generated errors. ..."
inline constexpr int32_t kInsufficientInformation = -2147467259;  // "Insufficient base table/key column information ..."
}  // namespace tramvel::ado::adoerror
