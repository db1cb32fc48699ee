#include "CsvReader.h"

#include "Utf8.h"

namespace tramvel::interfaces {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

CsvReader::CsvReader(std::string_view content) : text_(content) {
  if (text_.substr(0, kByteOrderMark.size()) == kByteOrderMark) position_ = kByteOrderMark.size();
}

bool CsvReader::AtLineEnd() const {
  return text_[position_] == '\n' ||
         (text_[position_] == '\r' && position_ + 1 < text_.size() && text_[position_ + 1] == '\n');
}

void CsvReader::SkipLineEnd() {
  position_ += text_[position_] == '\r' ? 2 : 1;
  ++line_;
}

CsvStatus CsvReader::Malformed(CsvRecord& record, int line, std::string problem) {
  record.line = line;
  record.fields.clear();
  problem_ = std::move(problem);
  position_ = text_.size();
  return CsvStatus::kMalformed;
}

CsvStatus CsvReader::Next(CsvRecord& record) {
  if (!problem_.empty()) return CsvStatus::kMalformed;
  if (position_ >= text_.size()) return CsvStatus::kEnd;
  record.line = line_;
  record.fields.clear();
  for (;;) {
    CsvField field;
    if (position_ < text_.size() && text_[position_] == '"') {
      const int opened = line_;
      std::string value;
      ++position_;
      for (;;) {
        if (position_ >= text_.size()) {
          return Malformed(record, opened,
                           "las comillas abiertas en la línea " + std::to_string(opened) + " no se cierran");
        }
        const char c = text_[position_++];
        if (c == '"') {
          if (position_ < text_.size() && text_[position_] == '"') {
            value.push_back('"');
            ++position_;
            continue;
          }
          break;
        }
        if (c == '\n') ++line_;
        value.push_back(c);
      }
      if (position_ < text_.size() && text_[position_] != ',' && !AtLineEnd()) {
        return Malformed(record, line_, "hay texto después de las comillas que cierran un campo");
      }
      field = std::move(value);
    } else {
      const std::size_t start = position_;
      while (position_ < text_.size() && text_[position_] != ',' && text_[position_] != '\n' &&
             text_[position_] != '\r') {
        if (text_[position_] == '"') {
          return Malformed(record, line_, "hay comillas dentro de un campo que no empieza con comillas");
        }
        ++position_;
      }
      if (position_ < text_.size() && text_[position_] == '\r' && !AtLineEnd()) {
        return Malformed(record, line_, "hay un retorno de carro suelto fuera de comillas");
      }
      if (position_ > start) field = std::string(text_.substr(start, position_ - start));
    }
    if (field && !IsValidUtf8(*field)) return Malformed(record, line_, "el texto no es UTF-8");
    record.fields.push_back(std::move(field));
    if (position_ >= text_.size()) return CsvStatus::kRecord;
    if (text_[position_] == ',') {
      ++position_;
      continue;
    }
    SkipLineEnd();
    return CsvStatus::kRecord;
  }
}

}  // namespace tramvel::interfaces
