#pragma once
// The silent abort: ends an operation without a further message.

#include <exception>

class EAbort : public std::exception {
public:
    const char *what() const noexcept override { return "Operation aborted"; }
};

[[noreturn]] void Abort();
