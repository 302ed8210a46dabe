// The operator's duplicate marks of the log lines.
#include "model/duplicate_marks.hpp"

namespace loxar {

bool marked_duplicate(std::string_view line) {
    return !line.empty() && line.front() == 'D';
}

std::vector<char> duplicate_marks(const std::vector<Text>& lines) {
    std::vector<char> marks(lines.size(), 0);
    for (std::size_t i = 0; i < lines.size(); ++i) marks[i] = marked_duplicate(lines[i]) ? 1 : 0;
    return marks;
}

}  // namespace loxar
