#include "app/naming_records.h"

namespace langyue {
namespace {

constexpr std::string_view kLineBreak = "\r\n";

bool starts_double_byte(char byte) { return static_cast<unsigned char>(byte) >= 0x81; }

}  // namespace

std::vector<std::string> split_at_delimiter(std::string_view text, char delimiter) {
    std::vector<std::string> pieces;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (starts_double_byte(text[i]) && i + 1 < text.size()) {
            ++i;  // the second byte is part of the character, never a delimiter
        } else if (text[i] == delimiter) {
            pieces.emplace_back(text.substr(start, i - start));
            start = i + 1;
        }
    }
    pieces.emplace_back(text.substr(start));
    return pieces;
}

std::string replace_text(std::string_view text, std::string_view from, std::string_view to) {
    if (from.empty()) return std::string(text);
    std::string result;
    result.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        if (text.substr(i, from.size()) == from) {
            result.append(to);
            i += from.size();
        } else {
            const size_t length = starts_double_byte(text[i]) && i + 1 < text.size() ? 2 : 1;
            result.append(text.substr(i, length));
            i += length;
        }
    }
    return result;
}

std::string record_name(std::string_view surname, std::string_view given_name) {
    std::string name(surname);
    name.append(kLineBreak).append(given_name);
    return name;
}

bool record_name_matches(std::string_view name_column, std::string_view surname,
                         std::string_view given_name) {
    std::string wanted(surname);
    wanted.append(given_name);
    return replace_text(name_column, kLineBreak, "") == wanted;
}

std::pair<std::string, std::string> split_record_name(std::string_view name_column) {
    // CR and LF are never the second byte of a GBK character, so a plain search is safe.
    const size_t line_break = name_column.find(kLineBreak);
    if (line_break == std::string_view::npos) return {std::string(name_column), {}};
    return {std::string(name_column.substr(0, line_break)),
            std::string(name_column.substr(line_break + kLineBreak.size()))};
}

std::string encode_naming_records(const std::vector<NamingRecord>& records) {
    std::string value;
    for (const NamingRecord& record : records) {
        value.append(replace_text(record.name, kLineBreak, " "));
        for (const std::string& column : record.columns) value.append(";").append(column);
        value.append("|");
    }
    return value;
}

std::vector<NamingRecord> decode_naming_records(std::string_view value) {
    std::vector<NamingRecord> records;
    if (value.empty()) return records;
    const std::string restored = replace_text(value, " ", kLineBreak);
    const std::vector<std::string> pieces = split_at_delimiter(restored, '|');
    records.reserve(pieces.size());
    for (const std::string& piece : pieces) {
        // Nothing after the "|" closing the last record, nor between two "|" of an edited
        // file: a row without a name could be neither opened nor deleted.
        if (piece.empty()) continue;
        const std::vector<std::string> fields = split_at_delimiter(piece, ';');
        NamingRecord record;
        record.name = fields[0];
        for (size_t column = 0; column < record.columns.size(); ++column) {
            if (column + 1 < fields.size()) record.columns[column] = fields[column + 1];
        }
        records.push_back(std::move(record));
    }
    return records;
}

}  // namespace langyue
