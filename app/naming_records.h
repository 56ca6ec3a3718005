// Naming records: the names the user opened in detail, kept in the records list of the main
// window and stored in the settings value "名字记录". All texts are GBK.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace langyue {

// One row of the records list without its running number (column 0, which is the row's
// position). `name` is surname, CR LF, given name; `columns` are the texts of columns 2 to 7
// (simplified strokes, traditional strokes, elements, grids, three talents, score).
struct NamingRecord {
    std::string name;
    std::array<std::string, 6> columns;

    bool operator==(const NamingRecord&) const = default;
};

// Cuts a GBK text at every `delimiter` byte that is not the second byte of a two-byte
// character (a byte from 0x81 on starts one). An empty text gives one empty piece.
std::vector<std::string> split_at_delimiter(std::string_view text, char delimiter);

// Replaces every occurrence of `from` by `to`, searched character by character.
std::string replace_text(std::string_view text, std::string_view from, std::string_view to);

// The record's name: surname + CR LF + given name.
std::string record_name(std::string_view surname, std::string_view given_name);

// Whether the name column of a record holds this name, compared with its CR LF removed.
bool record_name_matches(std::string_view name_column, std::string_view surname,
                         std::string_view given_name);

// Cuts a name column at its first CR LF into surname and given name; without CR LF the whole
// text is the surname and the given name is empty.
std::pair<std::string, std::string> split_record_name(std::string_view name_column);

// The settings value: for each record its name with CR LF turned into one blank, then the six
// columns each after ";", the record closed by "|". No records give empty text.
std::string encode_naming_records(const std::vector<NamingRecord>& records);

// The reverse: blanks become CR LF, records are cut at "|" (a trailing "|", an empty value and
// an empty piece between two "|" give no record), fields at ";" (the first seven kept, missing
// ones empty).
std::vector<NamingRecord> decode_naming_records(std::string_view value);

}  // namespace langyue
