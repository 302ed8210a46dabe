// The import's input read piece by piece.
#include "exchange/import_source.hpp"

#include <algorithm>
#include <cstring>

namespace loxar {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

}  // namespace

ImportRead read_from(std::string_view text) {
    return [text](char* out, std::size_t n) mutable {
        n = std::min(n, text.size());
        std::copy_n(text.data(), n, out);
        text.remove_prefix(n);
        return n;
    };
}

ChunkedText::ChunkedText(ImportRead read) : read_(std::move(read)), buffer_(std::make_unique<char[]>(1)) {
    // Enough for the byte order mark even from a reader that gives a few bytes at a time.
    while (end_ < kUtf8Bom.size() && more(0)) {
    }
    if (text().substr(0, kUtf8Bom.size()) == kUtf8Bom) start_ = kUtf8Bom.size();
}

bool ChunkedText::more(std::size_t used) {
    start_ += used;
    if (ended_) return false;
    const std::size_t kept = end_ - start_;
    // Room for the rest, a chunk and the NUL behind it; the rest moved to the front.
    if (kept + kChunk + 1 > capacity_) {
        capacity_ = std::max(2 * capacity_, kept + kChunk + 1);
        std::unique_ptr<char[]> bigger(new char[capacity_]);
        std::copy_n(buffer_.get() + start_, kept, bigger.get());
        buffer_ = std::move(bigger);
    } else {
        std::memmove(buffer_.get(), buffer_.get() + start_, kept);
    }
    start_ = 0;
    end_ = kept;
    const std::size_t n = read_(buffer_.get() + end_, kChunk);
    if (std::memchr(buffer_.get() + end_, '\0', n) != nullptr) binary_ = true;
    end_ += n;
    buffer_[end_] = '\0';
    if (n == 0) ended_ = true;
    return n > 0;
}

bool ImportLines::next(std::string_view& line) {
    for (;;) {
        const std::string_view rest = text_.text().substr(pos_);
        const std::size_t nl = rest.find('\n');
        if (nl != std::string_view::npos || text_.ended() || rest.size() >= kMaxLine) {
            if (rest.empty()) return false;
            const std::size_t end = nl != std::string_view::npos ? nl : std::min(rest.size(), kMaxLine);
            const bool cut = nl == std::string_view::npos && !text_.ended();
            pos_ += nl != std::string_view::npos ? nl + 1 : end;
            const bool was_skipping = skipping_;
            skipping_ = cut;
            if (was_skipping) continue;
            line = rest.substr(0, end > 0 && rest[end - 1] == '\r' ? end - 1 : end);
            line = converted(line);
            return true;
        }
        text_.more(pos_);
        pos_ = 0;
    }
}

std::string_view ImportLines::converted(std::string_view line) {
    if (std::all_of(line.begin(), line.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }) ||
        !looks_like_utf8(line)) {
        return line;
    }
    converted_ = utf8_to_cp1250(line);
    return converted_;
}

}  // namespace loxar
