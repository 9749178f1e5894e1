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

const char c_szPlaceholder[] = "%1";

bool NeedsQuotes(const std::string& strArg)
{
    return strArg.empty() || strArg.find_first_of(" \t\"") != std::string::npos;
}

bool ProgramNeedsQuotes(const std::string& strProgram)
{
    return strProgram.empty() || strProgram.find_first_of(" \t") != std::string::npos;
}

std::string QuoteProgram(const std::string& strProgram)
{
    return ProgramNeedsQuotes(strProgram) ? "\"" + strProgram + "\"" : strProgram;
}

// Text inside quotes: backslashes before a quote are doubled and the quote escaped; so are
// the ones at the end when the closing quote follows them.
std::string EscapeInQuotes(const std::string& strText, bool bBeforeClosingQuote)
{
    std::string strOut;
    size_t nSlashes = 0;
    for (char ch : strText) {
        if (ch == '\\') {
            ++nSlashes;
            continue;
        }
        strOut.append(ch == '"' ? nSlashes * 2 + 1 : nSlashes, '\\');
        strOut += ch;
        nSlashes = 0;
    }
    strOut.append(bBeforeClosingQuote ? nSlashes * 2 : nSlashes, '\\');
    return strOut;
}

// A literal "%1" is written %"1": the quotes around the 1 vanish when the line is split,
// inside quotes or outside, so only the placeholder itself reads "%1".
std::string SeparatePercentOne(const std::string& strText)
{
    std::string strOut;
    for (size_t i = 0; i < strText.size(); ++i) {
        strOut += strText[i];
        if (strText.compare(i, 2, c_szPlaceholder) == 0) {
            strOut += "\"1\"";
            ++i;
        }
    }
    return strOut;
}

std::string QuoteTemplateArgument(const std::vector<std::string>& pieces, bool bProgram)
{
    std::string strWhole;
    for (size_t i = 0; i < pieces.size(); ++i) {
        strWhole += (i > 0 ? c_szPlaceholder : "") + pieces[i];
    }
    bool bQuoted = bProgram ? ProgramNeedsQuotes(strWhole) : NeedsQuotes(strWhole);
    std::string strOut = bQuoted ? "\"" : "";
    for (size_t i = 0; i < pieces.size(); ++i) {
        bool bLast = i + 1 == pieces.size();
        // Program names take backslashes literally.
        strOut += SeparatePercentOne(bQuoted && !bProgram ? EscapeInQuotes(pieces[i], bLast) : pieces[i]);
        strOut += bLast ? "" : c_szPlaceholder;
    }
    return bQuoted ? strOut + "\"" : strOut;
}

std::string JoinWithBlanks(const std::vector<std::string>& parts)
{
    std::string strLine;
    for (size_t i = 0; i < parts.size(); ++i) {
        strLine += (i > 0 ? " " : "") + parts[i];
    }
    return strLine;
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
    return NeedsQuotes(strArg) ? "\"" + EscapeInQuotes(strArg, true) + "\"" : strArg;
}

std::string AfxJoinCommandLine(const std::vector<std::string>& args)
{
    std::vector<std::string> quoted;
    for (size_t i = 0; i < args.size(); ++i) {
        quoted.push_back(i == 0 ? QuoteProgram(args[i]) : AfxQuoteArgument(args[i]));
    }
    return JoinWithBlanks(quoted);
}

std::string AfxJoinCommandTemplate(const std::vector<std::vector<std::string>>& args)
{
    std::vector<std::string> quoted;
    for (size_t i = 0; i < args.size(); ++i) {
        quoted.push_back(QuoteTemplateArgument(args[i], i == 0));
    }
    return JoinWithBlanks(quoted);
}
