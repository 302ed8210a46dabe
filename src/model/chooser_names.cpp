#include "model/chooser_names.hpp"

#include <algorithm>

namespace loxar {

namespace {

constexpr std::string_view kAnyFile = ".*";

bool ends_with_ignoring_case(std::string_view s, std::string_view tail) {
    return s.size() >= tail.size() && upper_hu(s.substr(s.size() - tail.size())) == upper_hu(tail);
}

// The listed file a name stands for: an exact match first, then one that differs only in case.
std::optional<Text> find_file(const std::vector<Text>& files, std::string_view name) {
    if (std::find(files.begin(), files.end(), name) != files.end()) return Text(name);
    const Text wanted = upper_hu(name);
    for (const Text& f : files) {
        if (upper_hu(f) == wanted) return f;
    }
    return std::nullopt;
}

}  // namespace

bool is_plain_name(std::string_view name) {
    return name.find_first_of("/\\") == std::string_view::npos && name != "." && name != "..";
}

Text dotted_extension(std::string_view extension) {
    // An empty extension gives an empty field: a lone "." would only spoil the typed name.
    return extension.empty() ? Text() : "." + Text(extension);
}

bool listed_for(std::string_view file, std::string_view dotted) {
    // "*" stands for any file (the import reads every kind); filtering on ".*" would empty it.
    return dotted == kAnyFile || ends_with_ignoring_case(file, dotted);
}

Text name_from_entry(ChooserMode mode, std::string_view file) {
    return Text(mode == ChooserMode::Open ? file : file.substr(0, file.find('.')));
}

std::optional<Text> chosen_file_name(ChooserMode mode, std::string_view name, std::string_view dotted,
                                     const std::vector<Text>& files) {
    if (mode == ChooserMode::Save) {
        Text file = Text(name) + Text(dotted);
        if (!is_plain_name(file)) return std::nullopt;
        return file;
    }
    if (!is_plain_name(name)) return std::nullopt;
    // A name stays as typed only when it is a file and the completed one is not.
    const bool completes = dotted != kAnyFile && !ends_with_ignoring_case(name, dotted);
    const Text completed = completes ? Text(name) + Text(dotted) : Text(name);
    if (auto f = find_file(files, completed)) return f;
    if (auto f = find_file(files, name)) return f;
    return completed;
}

}  // namespace loxar
