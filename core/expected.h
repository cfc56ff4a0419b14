#pragma once

#include <optional>
#include <string>
#include <type_traits>
#include <utility>
#include <variant>

namespace quillmar {

// The one way an operation that can fail says how it went: a value, or an error that
// says why (a message, or a type that holds the file and the reason). Shaped like
// C++23's std::expected, which the compilers this project builds with do not have yet,
// so that it can be replaced by it name for name.
template <typename E> struct Unexpected { E error; };
template <typename E> Unexpected<std::decay_t<E>> unexpected(E&& error) {
    return {std::forward<E>(error)};
}

// The common failure: a message for the user, saying what was not understood or cannot
// be made and how to mend it (Failure{"..."}).
using Failure = Unexpected<std::string>;

template <typename T, typename E = std::string> class [[nodiscard]] Expected {
public:
    Expected(T value) : state_(std::in_place_index<0>, std::move(value)) {}
    template <typename F>
    Expected(Unexpected<F> failure) : state_(std::in_place_index<1>, E(std::move(failure.error))) {}

    bool has_value() const { return state_.index() == 0; }
    bool ok() const { return has_value(); }
    explicit operator bool() const { return has_value(); }
    T& value() { return std::get<0>(state_); }
    const T& value() const { return std::get<0>(state_); }
    T& operator*() { return value(); }
    const T& operator*() const { return value(); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }
    const E& error() const { return std::get<1>(state_); }

private:
    std::variant<T, E> state_;
};

template <typename E> class [[nodiscard]] Expected<void, E> {
public:
    Expected() = default;
    template <typename F> Expected(Unexpected<F> failure) : error_(E(std::move(failure.error))) {}

    bool has_value() const { return !error_.has_value(); }
    bool ok() const { return has_value(); }
    explicit operator bool() const { return has_value(); }
    const E& error() const { return *error_; }

private:
    std::optional<E> error_;
};

} // namespace quillmar
