#pragma once
// The message of the exception of type E that an action raises; NoError when it raises none.

#include <string>

inline const std::string NoError = "<no error>";

template <class E, class F> std::string MessageOf(F&& action)
{
    try {
        action();
    } catch (const E& e) {
        return e.what();
    }
    return NoError;
}
