#pragma once

// What every writer of a student's text must keep true, checked by the tests and the fuzz
// targets without knowing the text: no control characters, the markup of a page unchanged, a CSV that reads
// back.

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace osmira::test {

// How many control characters (C0, DEL, and C1 as UTF-8's C2 80 to C2 9F) the UTF-8 text holds,
// leaving out the C0 ones in `allowed`.
inline std::size_t controlCharacters(std::string_view utf8, std::string_view allowed = {}) {
    std::size_t count = 0;
    for (std::size_t at = 0; at < utf8.size(); ++at) {
        const auto byte = static_cast<unsigned char>(utf8[at]);
        const bool c0 = (byte < 0x20 || byte == 0x7F) && allowed.find(utf8[at]) == std::string_view::npos;
        const bool c1 = byte == 0xC2 && at + 1 < utf8.size() &&
                        static_cast<unsigned char>(utf8[at + 1]) >= 0x80 &&
                        static_cast<unsigned char>(utf8[at + 1]) < 0xA0;
        count += c0 || c1 ? 1 : 0;
    }
    return count;
}

// How often each sign that makes markup (< > " ') stands in a page; escaped text adds none.
inline std::array<std::size_t, 4> markupSigns(std::string_view page) {
    std::array<std::size_t, 4> counts{};
    for (std::size_t sign = 0; sign < counts.size(); ++sign) {
        counts[sign] = static_cast<std::size_t>(std::count(page.begin(), page.end(), "<>\"'"[sign]));
    }
    return counts;
}

using CsvRecords = std::vector<std::vector<std::string>>;

// The records of a CSV as RFC 4180 reads it, its fields separated by `separator`, every record
// ended by CR LF; nothing when the text is not such a CSV (a stray quotation mark, a bare line
// break outside quotes, an unclosed field).
inline std::optional<CsvRecords> csvRecords(std::string_view csv, char separator = ',') {
    CsvRecords records(1);
    std::string field;
    bool quoted = false;
    bool wasQuoted = false; // the field so far was quoted, so only a separator may follow
    for (std::size_t at = 0; at < csv.size(); ++at) {
        const char c = csv[at];
        if (quoted) {
            if (c != '"') {
                field += c;
            } else if (at + 1 < csv.size() && csv[at + 1] == '"') {
                field += '"';
                ++at;
            } else {
                quoted = false;
                wasQuoted = true;
            }
        } else if (c == separator || c == '\r') {
            if (c == '\r' && (at + 1 >= csv.size() || csv[at + 1] != '\n')) {
                return std::nullopt;
            }
            records.back().push_back(field);
            field.clear();
            wasQuoted = false;
            if (c == '\r') {
                ++at;
                records.emplace_back();
            }
        } else if (wasQuoted || c == '\n' || (c == '"' && !field.empty())) {
            return std::nullopt;
        } else if (c == '"') {
            quoted = true;
        } else {
            field += c;
        }
    }
    if (quoted || !field.empty() || wasQuoted || !records.back().empty()) {
        return std::nullopt;
    }
    records.pop_back();
    return records;
}

// Whether a spreadsheet would run the field as a formula.
inline bool startsAFormula(const std::string& field) {
    return !field.empty() && std::string_view("=+-@\t\r").find(field.front()) != std::string_view::npos;
}

} // namespace osmira::test
