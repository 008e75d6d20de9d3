#include "cli/SayCommand.h"

#include "cli/CliSupport.h"
#include "cli/SpeechClient.h"
#include "speech/Speech.h"

#include <chrono>
#include <ostream>

int CmdSay(const TArguments& args, std::ostream& /*out*/, std::ostream& /*err*/)
{
    args.ExpectPositional(1, "say TEXT --lang LANG");
    const auto lang = args.Option("lang");
    if (!lang)
        throw TUsageError("--lang is needed: the language whose voice reads the text.");
    const LangId id = ParseLanguage(*lang);
    if (!IsValidUtf8(args[0]))
        throw TUsageError("The text given as TEXT is not valid UTF-8.");
    const std::string text = SpeechTextUtf8(args[0]);
    if (text.empty())
        throw TCommandError("The text holds nothing to read.");
    TSpeechClient speech;
    speech.Say(text, id);
    const auto timeout = TSpeechClient::SpeakingTimeout(text);
    if (!speech.WaitUntilSpoken(timeout))
        throw TCommandError("The speech service speech-dispatcher did not finish reading within "
            + SecondsText(timeout) + ".");
    return 0;
}
