#include "evaluation/Translatable.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

std::string FillIn(std::string_view text, const std::vector<std::string>& values)
{
    std::string filled;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t n
            = i + 1 < text.size() ? static_cast<std::size_t>(text[i + 1] - '1') : values.size();
        // One pass: what an argument brings in is never filled in again.
        if (text[i] == '%' && n < values.size() && n < 9) {
            filled += values[n];
            ++i;
        } else {
            filled += text[i];
        }
    }
    return filled;
}

std::string FillIn(std::string_view text, std::initializer_list<std::string> args)
{
    return FillIn(text, std::vector<std::string>(args));
}

TSaying::TSaying(std::string words)
    : Words_(std::move(words))
{
}

TSaying::TSaying(const char* marked, std::vector<TSaying> args)
    : Kind_(TKind::Marked)
    , Template_(marked)
    , Args_(std::move(args))
{
}

TSaying TSaying::Counted(const char* many, const char* one, std::int64_t count, std::vector<TSaying> args)
{
    TSaying saying(many, std::move(args));
    saying.Kind_ = TKind::Counted;
    saying.One_ = one;
    saying.Value_ = static_cast<double>(count);
    return saying;
}

TSaying TSaying::Number(double value, int decimals)
{
    TSaying saying;
    saying.Kind_ = TKind::Number;
    saying.Value_ = value;
    saying.Decimals_ = decimals;
    return saying;
}

TSaying TSaying::Joined(std::vector<TSaying> parts, std::string separator)
{
    TSaying saying(std::move(separator));
    saying.Kind_ = TKind::Joined;
    saying.Args_ = std::move(parts);
    return saying;
}

bool TSaying::Empty() const
{
    switch (Kind_) {
    case TKind::Words:
        return Words_.empty();
    case TKind::Number:
        return false;
    case TKind::Joined:
        return std::all_of(Args_.begin(), Args_.end(), [](const TSaying& part) { return part.Empty(); });
    case TKind::Marked:
    case TKind::Counted:
        break;
    }
    return Template_.empty();
}

TSaying SayingOf(const std::exception& error)
{
    if (const auto* said = dynamic_cast<const ESaidError*>(&error))
        return said->Saying();
    return error.what();
}

std::string TSaying::Text() const
{
    std::vector<std::string> args;
    for (const TSaying& arg : Args_)
        args.push_back(arg.Text());
    switch (Kind_) {
    case TKind::Words:
        return Words_;
    case TKind::Number: {
        std::array<char, 64> text {};
        if (Decimals_ < 0)
            std::snprintf(text.data(), text.size(), "%g", Value_);
        else
            std::snprintf(text.data(), text.size(), "%.*f", Decimals_, Value_);
        return text.data();
    }
    case TKind::Joined: {
        std::string joined;
        for (std::size_t i = 0; i < args.size(); ++i)
            if (!Args_[i].Empty())
                joined += (joined.empty() ? "" : Words_) + args[i];
        return joined;
    }
    case TKind::Counted: {
        // English has one plural rule: the singular for exactly one.
        const std::string_view form = Value_ == 1 ? One_ : Template_;
        const std::string count = Number(Value_).Text();
        std::string text;
        for (std::size_t i = 0; i < form.size(); ++i) {
            const std::size_t length = form.substr(i).starts_with("%n") ? 2
                : form.substr(i).starts_with("%Ln")                     ? 3
                                                                        : 0;
            text += length ? count : std::string(1, form[i]);
            i += length ? length - 1 : 0;
        }
        return FillIn(text, args);
    }
    case TKind::Marked:
        break;
    }
    return FillIn(Template_, args);
}
