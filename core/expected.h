#pragma once

#include <string>
#include <utility>
#include <variant>

namespace quillmar {

// A value, or the message saying why there is none. The message is written for the
// user: what was not understood or cannot be made, and how to mend it.
struct Failure {
    std::string message;
};

template <typename T> class Expected {
public:
    Expected(T value) : state_(std::move(value)) {}
    Expected(Failure failure) : state_(std::move(failure)) {}

    bool ok() const { return std::holds_alternative<T>(state_); }
    explicit operator bool() const { return ok(); }
    const T& value() const { return std::get<T>(state_); }
    T& value() { return std::get<T>(state_); }
    const T& operator*() const { return value(); }
    const T* operator->() const { return &value(); }
    const std::string& error() const { return std::get<Failure>(state_).message; }

private:
    std::variant<T, Failure> state_;
};

} // namespace quillmar
