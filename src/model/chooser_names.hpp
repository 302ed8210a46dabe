// The file chooser's naming rules: which files it lists and which file a name stands for.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "text/text.hpp"

namespace loxar {

// What the file chooser is for: confirming the caller's path (asking before it is overwritten),
// picking an existing file, or naming a file to be written (the extension is added).
enum class ChooserMode { Confirm, Open, Save };

// A name that stays a plain entry of its directory: no separator, not "." or "..".
bool is_plain_name(std::string_view name);

// The caller's extension as the chooser shows it: ".log"; "" for none; ".*" lists every file.
Text dotted_extension(std::string_view extension);

// Whether the chooser lists a file for the dotted extension. Files made on Windows keep any
// case: "X.WAV" is as much a ".wav" file as "x.wav".
bool listed_for(std::string_view file, std::string_view dotted);

// What the name field takes from a listed file: picking takes it whole, the naming modes take
// the part before the first dot (the extension field supplies the extension).
Text name_from_entry(ChooserMode mode, std::string_view file);

// The file an OK in the Open or Save mode joins to the directory, from the typed name (trimmed,
// not empty) and the dotted extension; `files` are the directory's files. Saving appends the
// extension. Picking finds the file the name stands for ("minta" among ".qra" files is
// "minta.qra"), ignoring case as the listing does. Nothing when the name would leave the
// directory: a separator, "." or "..".
std::optional<Text> chosen_file_name(ChooserMode mode, std::string_view name, std::string_view dotted,
                                     const std::vector<Text>& files);

}  // namespace loxar
