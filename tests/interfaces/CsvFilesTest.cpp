// The file form of the master data: RFC 4180 records, read strictly, and
// written so that every value comes back as it went, Null apart from "".
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CsvReader.h"
#include "CsvWriter.h"

namespace tramvel::interfaces {
namespace {

using Fields = std::vector<CsvField>;
const CsvField kNull = std::nullopt;

// The text handed over one byte at a time, so that every record, field and
// line end of a case also stands across the edge of a piece, as in a big file.
CsvReader ByteByByte(std::string_view text) {
  return CsvReader([text](std::span<char> piece) mutable {
    if (text.empty() || piece.empty()) return std::size_t{0};
    piece[0] = text.front();
    text.remove_prefix(1);
    return std::size_t{1};
  });
}

std::vector<CsvRecord> ReadAll(const std::string& text, std::string* problem = nullptr) {
  CsvReader reader = ByteByByte(text);
  std::vector<CsvRecord> records;
  CsvRecord record;
  CsvStatus status;
  while ((status = reader.Next(record)) == CsvStatus::kRecord) records.push_back(record);
  if (status == CsvStatus::kMalformed) {
    if (problem) *problem = reader.Problem();
    records.push_back(record);
  }
  return records;
}

struct ReadCase {
  const char* name;
  std::string text;
  std::vector<std::pair<int, Fields>> records;  // line, fields
};

class CsvReading : public ::testing::TestWithParam<ReadCase> {};

TEST_P(CsvReading, GivesEachRecordWithTheLineItStartsOn) {
  std::string problem;
  const std::vector<CsvRecord> records = ReadAll(GetParam().text, &problem);
  ASSERT_EQ(problem, "");
  ASSERT_EQ(records.size(), GetParam().records.size());
  for (std::size_t i = 0; i < records.size(); ++i) {
    EXPECT_EQ(records[i].line, GetParam().records[i].first) << i;
    EXPECT_EQ(records[i].fields, GetParam().records[i].second) << i;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CsvReading,
    ::testing::Values(ReadCase{"Empty", "", {}},
                      ReadCase{"CrLfAndLf", "A,B\r\n1,2\n3,4", {{1, {"A", "B"}}, {2, {"1", "2"}}, {3, {"3", "4"}}}},
                      ReadCase{"NullApartFromEmptyText", "a,,\"\",\r\n", {{1, {"a", kNull, "", kNull}}}},
                      ReadCase{"QuotedSpecials",
                               "\"x,y\",\"say \"\"hi\"\"\",\"two\r\nlines\"\r\nnext,1\r\n",
                               {{1, {"x,y", "say \"hi\"", "two\r\nlines"}}, {3, {"next", "1"}}}},
                      ReadCase{"BlanksKept", "  a , b  \r\n", {{1, {"  a ", " b  "}}}},
                      ReadCase{"BlankLineIsOneNull", "A\r\n\r\nB\r\n", {{1, {"A"}}, {2, {kNull}}, {3, {"B"}}}},
                      ReadCase{"ByteOrderMarkSkipped",
                               "\xEF\xBB\xBF"
                               "C\xC3\x93"
                               "DIGO\r\n",
                               {{1,
                                 {"C\xC3\x93"
                                  "DIGO"}}}}),
    [](const auto& test) { return std::string(test.param.name); });

struct MalformedCase {
  const char* name;
  std::string text;
  int line;
  const char* problem;
};

class CsvRefusing : public ::testing::TestWithParam<MalformedCase> {};

TEST_P(CsvRefusing, NamesTheLineAndTheFaultAndReadsNoFurther) {
  CsvReader reader = ByteByByte(GetParam().text);
  CsvRecord record;
  CsvStatus status;
  while ((status = reader.Next(record)) == CsvStatus::kRecord) {
  }
  ASSERT_EQ(status, CsvStatus::kMalformed);
  EXPECT_EQ(record.line, GetParam().line);
  EXPECT_THAT(reader.Problem(), ::testing::HasSubstr(GetParam().problem));
  EXPECT_EQ(reader.Next(record), CsvStatus::kMalformed);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CsvRefusing,
    ::testing::Values(MalformedCase{"UnclosedQuote", "A\r\n1\r\n\"open\r\nstill\r\n", 3, "no se cierran"},
                      MalformedCase{"TextAfterClosingQuote", "A,B\r\n\"x\"y,1\r\n", 2, "después de las comillas"},
                      MalformedCase{"QuoteInsidePlainField", "A\r\nab\"c\r\n", 2, "comillas dentro"},
                      MalformedCase{"LoneCarriageReturn", "A\rB\r\n", 1, "retorno de carro"},
                      MalformedCase{"NotUtf8", "A\r\nLatin1 \xE9t\xE9\r\n", 2, "UTF-8"},
                      MalformedCase{"OverlongUtf8", "A\r\n\xC0\xAF\r\n", 2, "UTF-8"}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(CsvWriting, QuotesOnlyWhatNeedsItAndComesBackUnchanged) {
  const Fields fields = {"plain", kNull, "", "a,b", "say \"hi\"", "two\r\nlines", "lone\rcr", " blanks ", "ñandú"};
  std::string text;
  AppendCsvRecord(text, fields);
  AppendCsvRecord(text, {kNull});
  EXPECT_EQ(text,
            "plain,,\"\",\"a,b\",\"say \"\"hi\"\"\",\"two\r\nlines\",\"lone\rcr\", blanks ,ñandú\r\n"
            "\r\n");
  const std::vector<CsvRecord> records = ReadAll(text);
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0].fields, fields);
  EXPECT_EQ(records[1].fields, Fields{kNull});
}

}  // namespace
}  // namespace tramvel::interfaces
