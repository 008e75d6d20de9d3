#pragma once
// An environment variable set for a scope and put back (or removed) at its end. TZ takes effect at
// once both ways.

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>
#include <utility>

class TScopedEnv {
public:
    TScopedEnv(std::string name, const std::string& value)
        : Name_(std::move(name))
    {
        if (const char* old = std::getenv(Name_.c_str()))
            Old_ = old;
        ::setenv(Name_.c_str(), value.c_str(), 1);
        ::tzset();
    }
    ~TScopedEnv()
    {
        if (Old_)
            ::setenv(Name_.c_str(), Old_->c_str(), 1);
        else
            ::unsetenv(Name_.c_str());
        ::tzset();
    }
    TScopedEnv(const TScopedEnv&) = delete;
    TScopedEnv& operator=(const TScopedEnv&) = delete;

private:
    std::string Name_;
    std::optional<std::string> Old_;
};
