#pragma once
// velmoria-cli say TEXT --lang LANG: reads a text aloud in a language's voice.

#include <iosfwd>

class TArguments;

int CmdSay(const TArguments& args, std::ostream& out, std::ostream& err);
