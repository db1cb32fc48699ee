#pragma once

#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "CsvField.h"

namespace tramvel::interfaces {

enum class CsvStatus { kRecord, kEnd, kMalformed };

// Reads the records of an RFC 4180 text in UTF-8, the master-data files'
// form, strictly, so that a damaged file is refused rather than misread:
// records end at CR LF or LF; a field is quoted ("", quotes doubled inside,
// line breaks allowed) or plain (no quote in it, no line break); an empty
// plain field is a Null, "" an empty text; a blank line is a record of one
// Null field; a UTF-8 byte-order mark at the start is skipped. Nothing is
// trimmed. Our own reader rather than libcsv: that one trims blanks, passes
// blank lines over and does not tell the line a record starts on.
//
// The text comes from `read` a piece at a time, so that a file of any size
// is read in the memory of its longest record.
class CsvReader {
 public:
  // Fills the piece it is given from the start; 0 at the end of the text.
  using Source = std::function<std::size_t(std::span<char>)>;

  explicit CsvReader(Source read);
  // A text held whole.
  explicit CsvReader(std::string_view content);

  // kRecord: `record` holds the next record. kEnd: the text is used up.
  // kMalformed: the text cannot be read on; record.line is the line of the
  // fault and Problem() says what it is. Every later call is kMalformed.
  CsvStatus Next(CsvRecord& record);
  const std::string& Problem() const { return problem_; }

 private:
  CsvStatus Malformed(CsvRecord& record, int line, std::string problem);
  // Whether the text has a character at `at` of the buffer, reading on as needed.
  bool Has(std::size_t at);
  bool AtLineEnd();
  void SkipLineEnd();

  Source read_;
  std::string buffer_;  // the text from at most a piece before the record being read
  bool ended_ = false;  // read_ has nothing more
  std::size_t position_ = 0;
  int line_ = 1;
  std::string problem_;
};

}  // namespace tramvel::interfaces
