#include "platform/shell/AfxCommandLine.h"

namespace {

bool IsBlank(char ch) { return ch == ' ' || ch == '\t'; }

const char* SkipBlanks(const char* p)
{
    while (IsBlank(*p)) {
        ++p;
    }
    return p;
}

// The program name: quotes only group, so a folder path keeps its backslashes.
const char* ReadProgram(const char* p, std::string& strOut)
{
    bool bQuoted = false;
    for (; *p != '\0' && (bQuoted || !IsBlank(*p)); ++p) {
        if (*p == '"') {
            bQuoted = !bQuoted;
        } else {
            strOut += *p;
        }
    }
    return p;
}

// Backslashes count only where a quote follows them.
const char* ReadQuoteAfterBackslashes(const char* p, size_t nSlashes, bool& bQuoted, std::string& strOut)
{
    strOut.append(nSlashes / 2, '\\');
    p += nSlashes;
    if (nSlashes % 2 == 1) {
        strOut += '"';
        return p + 1;
    }
    if (bQuoted && p[1] == '"') {
        strOut += '"';
        return p + 2;
    }
    bQuoted = !bQuoted;
    return p + 1;
}

const char* ReadArgument(const char* p, std::string& strOut)
{
    bool bQuoted = false;
    while (*p != '\0' && (bQuoted || !IsBlank(*p))) {
        size_t nSlashes = 0;
        while (p[nSlashes] == '\\') {
            ++nSlashes;
        }
        if (p[nSlashes] == '"') {
            p = ReadQuoteAfterBackslashes(p, nSlashes, bQuoted, strOut);
        } else if (nSlashes > 0) {
            strOut.append(nSlashes, '\\');
            p += nSlashes;
        } else {
            strOut += *p++;
        }
    }
    return p;
}

bool NeedsQuotes(const std::string& strArg)
{
    return strArg.empty() || strArg.find_first_of(" \t\"") != std::string::npos;
}

std::string QuoteProgram(const std::string& strProgram)
{
    if (strProgram.empty() || strProgram.find_first_of(" \t") != std::string::npos) {
        return "\"" + strProgram + "\"";
    }
    return strProgram;
}

}  // namespace

std::vector<std::string> AfxSplitCommandLine(LPCTSTR pszCommandLine)
{
    std::vector<std::string> args;
    if (pszCommandLine == nullptr) {
        return args;
    }
    const char* p = SkipBlanks(pszCommandLine);
    if (*p == '\0') {
        return args;
    }
    args.emplace_back();
    p = SkipBlanks(ReadProgram(p, args.back()));
    while (*p != '\0') {
        args.emplace_back();
        p = SkipBlanks(ReadArgument(p, args.back()));
    }
    return args;
}

std::string AfxQuoteArgument(const std::string& strArg)
{
    if (!NeedsQuotes(strArg)) {
        return strArg;
    }
    std::string strOut = "\"";
    size_t nSlashes = 0;
    for (char ch : strArg) {
        if (ch == '\\') {
            ++nSlashes;
            continue;
        }
        // Backslashes before a quote are doubled, and the quote itself escaped.
        strOut.append(ch == '"' ? nSlashes * 2 + 1 : nSlashes, '\\');
        strOut += ch;
        nSlashes = 0;
    }
    strOut.append(nSlashes * 2, '\\');
    strOut += '"';
    return strOut;
}

std::string AfxJoinCommandLine(const std::vector<std::string>& args)
{
    std::string strLine;
    for (size_t i = 0; i < args.size(); ++i) {
        if (i > 0) {
            strLine += ' ';
        }
        strLine += i == 0 ? QuoteProgram(args[i]) : AfxQuoteArgument(args[i]);
    }
    return strLine;
}
