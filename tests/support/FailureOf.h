#pragma once

#include <exception>
#include <string>

namespace testsupport {

/// The message of the exception `call` raises; empty when it raises none.
template <class Call> std::string failureOf(Call call) {
    try {
        call();
    } catch (const std::exception& error) {
        return error.what();
    }
    return {};
}

} // namespace testsupport
