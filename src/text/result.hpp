// The one convention for a step that can fail: a Result holds its value, or the message that tells
// the operator why there is none. `std::optional` only ever means "a value, or none" and carries no
// reason; a reason always travels in a Result.
#pragma once

#include <optional>
#include <utility>
#include <variant>

#include "text/text.hpp"

namespace loxar {

// Why a step failed, in the words shown to the operator (cp1250).
struct Failure {
    Text message;
};

inline Failure fail(Text message) {
    return Failure{std::move(message)};
}

template <class T>
class [[nodiscard]] Result {
public:
    Result(T value) : v_(std::in_place_index<0>, std::move(value)) {}
    Result(Failure failure) : v_(std::in_place_index<1>, std::move(failure)) {}

    bool ok() const { return v_.index() == 0; }
    explicit operator bool() const { return ok(); }

    // Only when ok().
    T& value() { return std::get<0>(v_); }
    const T& value() const { return std::get<0>(v_); }
    T& operator*() { return value(); }
    const T& operator*() const { return value(); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }

    // Only when !ok().
    const Text& message() const { return std::get<1>(v_).message; }

private:
    std::variant<T, Failure> v_;
};

// A step that gives no value: done, or the message why not.
template <>
class [[nodiscard]] Result<void> {
public:
    Result() = default;
    Result(Failure failure) : failure_(std::move(failure)) {}

    bool ok() const { return !failure_; }
    explicit operator bool() const { return ok(); }
    const Text& message() const { return failure_->message; }

private:
    std::optional<Failure> failure_;
};
using Status = Result<void>;

}  // namespace loxar
