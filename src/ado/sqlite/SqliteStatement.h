#pragma once

#include <sqlite3.h>

#include <memory>
#include <string>

namespace tramvel::ado::sqlite {

struct Finalizer {
  void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};
using Statement = std::unique_ptr<sqlite3_stmt, Finalizer>;

inline std::string Text(const unsigned char* text, int bytes) {
  return text ? std::string(reinterpret_cast<const char*>(text), static_cast<size_t>(bytes)) : std::string();
}

inline const char* Or(const char* text, const char* otherwise) { return text ? text : otherwise; }

}  // namespace tramvel::ado::sqlite
