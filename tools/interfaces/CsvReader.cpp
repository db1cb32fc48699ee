#include "CsvReader.h"

#include "Utf8.h"

namespace tramvel::interfaces {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::size_t kPiece = 256 * 1024;

}  // namespace

CsvReader::CsvReader(Source read) : read_(std::move(read)) {
  if (Has(kByteOrderMark.size() - 1) && std::string_view(buffer_).substr(0, kByteOrderMark.size()) == kByteOrderMark) {
    position_ = kByteOrderMark.size();
  }
}

CsvReader::CsvReader(std::string_view content)
    : CsvReader([content](std::span<char> piece) mutable {
        const std::size_t n = std::min(piece.size(), content.size());
        content.copy(piece.data(), n);
        content.remove_prefix(n);
        return n;
      }) {}

bool CsvReader::Has(std::size_t at) {
  while (at >= buffer_.size() && !ended_) {
    const std::size_t held = buffer_.size();
    buffer_.resize(held + kPiece);
    const std::size_t read = read_(std::span(buffer_.data() + held, kPiece));
    buffer_.resize(held + read);
    ended_ = read == 0;
  }
  return at < buffer_.size();
}

bool CsvReader::AtLineEnd() {
  return buffer_[position_] == '\n' || (buffer_[position_] == '\r' && Has(position_ + 1) && buffer_[position_ + 1] == '\n');
}

void CsvReader::SkipLineEnd() {
  position_ += buffer_[position_] == '\r' ? 2 : 1;
  ++line_;
}

CsvStatus CsvReader::Malformed(CsvRecord& record, int line, std::string problem) {
  record.line = line;
  record.fields.clear();
  problem_ = std::move(problem);
  return CsvStatus::kMalformed;
}

CsvStatus CsvReader::Next(CsvRecord& record) {
  if (!problem_.empty()) return CsvStatus::kMalformed;
  // What earlier records took is not needed again; dropped a piece at a
  // time, not record by record, so that the rest is seldom moved.
  if (position_ >= kPiece) {
    buffer_.erase(0, position_);
    position_ = 0;
  }
  if (!Has(position_)) return CsvStatus::kEnd;
  record.line = line_;
  record.fields.clear();
  for (;;) {
    CsvField field;
    if (Has(position_) && buffer_[position_] == '"') {
      const int opened = line_;
      std::string value;
      ++position_;
      for (;;) {
        if (!Has(position_)) {
          return Malformed(record, opened,
                           "las comillas abiertas en la línea " + std::to_string(opened) + " no se cierran");
        }
        const char c = buffer_[position_++];
        if (c == '"') {
          if (Has(position_) && buffer_[position_] == '"') {
            value.push_back('"');
            ++position_;
            continue;
          }
          break;
        }
        if (c == '\n') ++line_;
        value.push_back(c);
      }
      if (Has(position_) && buffer_[position_] != ',' && !AtLineEnd()) {
        return Malformed(record, line_, "hay texto después de las comillas que cierran un campo");
      }
      field = std::move(value);
    } else {
      const std::size_t start = position_;
      while (Has(position_) && buffer_[position_] != ',' && buffer_[position_] != '\n' && buffer_[position_] != '\r') {
        if (buffer_[position_] == '"') {
          return Malformed(record, line_, "hay comillas dentro de un campo que no empieza con comillas");
        }
        ++position_;
      }
      if (Has(position_) && buffer_[position_] == '\r' && !AtLineEnd()) {
        return Malformed(record, line_, "hay un retorno de carro suelto fuera de comillas");
      }
      if (position_ > start) field = buffer_.substr(start, position_ - start);
    }
    if (field && !IsValidUtf8(*field)) return Malformed(record, line_, "el texto no es UTF-8");
    record.fields.push_back(std::move(field));
    if (!Has(position_)) return CsvStatus::kRecord;
    if (buffer_[position_] == ',') {
      ++position_;
      continue;
    }
    SkipLineEnd();
    return CsvStatus::kRecord;
  }
}

}  // namespace tramvel::interfaces
