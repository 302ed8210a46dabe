// List-input field splitting.
#include "text/list_input.hpp"

namespace loxar {

namespace {

bool is_blank(char c) {
    return c == ' ' || c == '\t';
}

// Reads the quoted field that starts after the opening quote at `i`; false when it never closes.
bool read_quoted(std::string_view line, std::size_t& i, Text& field) {
    while (i < line.size()) {
        if (line[i] != '"') {
            field.push_back(line[i++]);
        } else if (i + 1 < line.size() && line[i + 1] == '"') {
            field.push_back('"');
            i += 2;
        } else {
            ++i;
            return true;
        }
    }
    return false;
}

}  // namespace

std::optional<std::vector<Text>> list_input_fields(std::string_view line) {
    std::vector<Text> fields;
    std::size_t i = 0;
    while (true) {
        while (i < line.size() && is_blank(line[i])) ++i;
        Text field;
        if (i < line.size() && line[i] == '"') {
            ++i;
            if (!read_quoted(line, i, field)) return std::nullopt;
            const std::size_t comma = line.find(',', i);
            i = comma == std::string_view::npos ? line.size() : comma;
        } else {
            const std::size_t comma = line.find(',', i);
            const std::size_t end = comma == std::string_view::npos ? line.size() : comma;
            field = trim(line.substr(i, end - i));
            i = end;
        }
        fields.push_back(std::move(field));
        if (i >= line.size()) break;
        ++i;  // the comma
    }
    return fields;
}

}  // namespace loxar
