// The import's input read piece by piece: a file of any size is converted in bounded memory.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string_view>

#include "text/text.hpp"

namespace loxar {

// Fills `out` with up to `n` bytes of the input; 0 at its end.
using ImportRead = std::function<std::size_t(char* out, std::size_t n)>;

// A reader over a text already in memory.
ImportRead read_from(std::string_view text);

// A window on the input: the bytes not yet used, one chunk read at a time. A UTF-8 byte order
// mark at the start is left out; a NUL byte anywhere marks the input as binary. A NUL always
// stands just past the window (text().data()[text().size()]), so a scan for a run of letters
// stops there without a bound of its own.
class ChunkedText {
public:
    static constexpr std::size_t kChunk = 1024 * 1024;

    explicit ChunkedText(ImportRead read);

    // The bytes buffered and not yet dropped.
    std::string_view text() const { return {buffer_.get() + start_, end_ - start_}; }
    // Drops the first `used` bytes of text() and reads the next chunk behind the rest (more(0)
    // widens the window); false when the input has ended and nothing more came.
    bool more(std::size_t used);
    // Drops the first `used` bytes of text() without reading.
    void drop(std::size_t used) { start_ += used; }
    bool ended() const { return ended_; }
    bool binary() const { return binary_; }

private:
    ImportRead read_;
    // Read into directly, never filled first: a chunk costs its reading only.
    std::unique_ptr<char[]> buffer_;
    std::size_t capacity_ = 0, start_ = 0, end_ = 0;
    bool ended_ = false;
    bool binary_ = false;
};

// The lines of a ChunkedText without their line ends, each in cp1250 (a line of valid multi-byte
// UTF-8 converted). A line longer than kMaxLine is cut there and the rest of it passed over.
// A line lasts until the next call.
class ImportLines {
public:
    static constexpr std::size_t kMaxLine = ChunkedText::kChunk;

    explicit ImportLines(ChunkedText& text) : text_(text) {}
    bool next(std::string_view& line);

private:
    std::string_view converted(std::string_view line);

    ChunkedText& text_;
    std::size_t pos_ = 0;
    bool skipping_ = false;  // inside the rest of a cut line
    Text converted_;
};

}  // namespace loxar
