#pragma once
// How the commands report failure: a value or one line of explanation (UTF-8) that main()
// prints on standard error before leaving with the failure's status: 2 for refused input, 3 for
// an input/output failure (a file or standard output that cannot be read or written).

#include <optional>
#include <string>
#include <utility>
#include <variant>

namespace cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitNotFound = 1; // a search that found nothing, as grep does
inline constexpr int kExitBadInput = 2;
inline constexpr int kExitIoError = 3;

struct Failure
{
    std::string message;
    int status = kExitBadInput;
};

inline Failure ioFailure(std::string message)
{
    return Failure{std::move(message), kExitIoError};
}

template <typename T> class Expected
{
public:
    Expected(T value) : m_value(std::move(value)) {}
    Expected(Failure failure) : m_value(std::move(failure)) {}

    bool ok() const { return m_value.index() == 0; }
    explicit operator bool() const { return ok(); }

    T &operator*() { return std::get<0>(m_value); }
    const T &operator*() const { return std::get<0>(m_value); }
    T *operator->() { return &std::get<0>(m_value); }
    const T *operator->() const { return &std::get<0>(m_value); }
    const Failure &failure() const { return std::get<1>(m_value); }

private:
    std::variant<T, Failure> m_value;
};

// For steps that produce nothing but may fail.
using Problem = std::optional<Failure>;

} // namespace cli
