// Splitting and building command lines by the Windows rules, so that a command line
// read from the registry can be started without a shell.
#pragma once

#include <string>
#include <vector>

#include "platform/core/WinDef.h"

// Splits a command line into arguments. Blanks and tabs separate; double quotes group.
// The program name (first argument) takes quotes literally as grouping only, backslashes
// stay as they are. In later arguments 2n backslashes before a quote give n backslashes
// and the quote groups, 2n+1 give n backslashes and a literal quote, and a doubled quote
// inside quotes is a literal quote. Backslashes elsewhere are literal.
std::vector<std::string> AfxSplitCommandLine(LPCTSTR pszCommandLine);

// Quotes one argument so that AfxSplitCommandLine gives it back unchanged.
std::string AfxQuoteArgument(const std::string& strArg);

// Joins arguments into one command line, quoting those that need it.
std::string AfxJoinCommandLine(const std::vector<std::string>& args);

// Joins a command line with the address placeholder %1 in it: each argument is given as
// its literal pieces, and the placeholder stands between each two. A "%1" in the literal
// text still splits back to "%1", but is written so that a search for the placeholder
// never finds it.
std::string AfxJoinCommandTemplate(const std::vector<std::vector<std::string>>& args);
