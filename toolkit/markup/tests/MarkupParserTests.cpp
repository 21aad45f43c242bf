// The markup tokenizer: token streams of valid text, every error message, the
// buffer limits, and the line and position count.
#include "CZMRMarkupParser.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
// One token per string: "<a" start tag, "</a" end tag, "@n=v" attribute,
// "T:x" text, "W:x" whitespace, "C:x" chunk, the section markers "<!--",
// "-->", "<![", "]]>", "<?", "?>", and "E:message" for an error.
std::vector<std::wstring> Tokens(const std::wstring& text, CZMRMarkupParser* pParser = nullptr)
{
    CZMRMarkupParser parser;
    if (!pParser)
        pParser = &parser;
    pParser->SetBuffer(text.c_str(), text.c_str() + text.size());
    std::vector<std::wstring> tokens;
    for (int i = 0; i < 10000; i++)
    {
        int nToken = pParser->NextToken();
        switch (nToken)
        {
        case CZMRMarkupParser::tokenEndOfInput:
            return tokens;
        case CZMRMarkupParser::tokenError:
            tokens.push_back(std::wstring(L"E:") + pParser->GetValue());
            return tokens;
        case CZMRMarkupParser::tokenStartTag:
            tokens.push_back(std::wstring(L"<") + pParser->GetTagName());
            break;
        case CZMRMarkupParser::tokenEndTag:
            tokens.push_back(std::wstring(L"</") + pParser->GetTagName());
            break;
        case CZMRMarkupParser::tokenAttribute:
            tokens.push_back(std::wstring(L"@") + pParser->GetAttributeName() + L"=" + pParser->GetValue());
            break;
        case CZMRMarkupParser::tokenText:
            tokens.push_back(std::wstring(L"T:") + pParser->GetValue());
            break;
        case CZMRMarkupParser::tokenWhitespace:
            tokens.push_back(std::wstring(L"W:") + pParser->GetValue());
            break;
        case CZMRMarkupParser::tokenChunk:
            tokens.push_back(std::wstring(L"C:") + pParser->GetValue());
            break;
        case CZMRMarkupParser::tokenCommentStart:
            tokens.push_back(L"<!--");
            break;
        case CZMRMarkupParser::tokenCommentEnd:
            tokens.push_back(L"-->");
            break;
        case CZMRMarkupParser::tokenCDataStart:
            tokens.push_back(L"<![");
            break;
        case CZMRMarkupParser::tokenCDataEnd:
            tokens.push_back(L"]]>");
            break;
        case CZMRMarkupParser::tokenInstructionStart:
            tokens.push_back(L"<?");
            break;
        case CZMRMarkupParser::tokenInstructionEnd:
            tokens.push_back(std::wstring(L"?>") + pParser->GetValue());
            break;
        default:
            tokens.push_back(L"?" + std::to_wstring(nToken));
            return tokens;
        }
    }
    tokens.push_back(L"endless");
    return tokens;
}

typedef std::vector<std::wstring> TokenList;

struct TokenCase
{
    const wchar_t* pszText;
    TokenList expected;
};

void CheckCases(const std::vector<TokenCase>& cases)
{
    for (const TokenCase& c : cases)
        EXPECT_EQ(c.expected, Tokens(c.pszText)) << "text: " << c.pszText;
}
}

TEST(MarkupParser, ValidTextGivesItsTokens)
{
    CheckCases({
        {L"<a b='1' c=\"x y\">hi there</a>", {L"<a", L"@b=1", L"@c=x y", L"T:hi", L"W: ", L"T:there", L"</a"}},
        {L"<a/>", {L"<a", L"</a"}},
        {L"<a />x", {L"<a", L"</a", L"T:x"}},
        {L"<a >x</a >", {L"<a", L"T:x", L"</a"}},
        {L"<Page.Resources\t\r\n>", {L"<Page.Resources"}},
        {L"<a b = 'v' >", {L"<a", L"@b=v"}},
        // Values stand as written: no references, other quotes and newlines kept.
        {L"<a b='a &amp; b \"<>\n'/>", {L"<a", L"@b=a &amp; b \"<>\n", L"</a"}},
        // Entities: every reference begins a new text run.
        {L"a&amp;b", {L"T:a", L"T:&b"}},
        {L"&lt;&gt;&apos;&quot;", {L"T:<", L"T:>", L"T:'", L"T:\""}},
        {L"&#32;x", {L"T: x"}},
        {L"&#65;&#x41;&#0x41;&#010;", {L"T:A", L"T:A", L"T:A", L"T:\x08"}},
        {L"&#X41;|&#0;|&foo;|&AMP;", {L"T:&#X41;|", L"T:&#0;|", L"T:&foo;|", L"T:&AMP;"}},
        {L"&a b;c", {L"T:&a b;c"}},
        // Comments, CDATA and instructions come in chunks between their markers.
        {L"<!---->", {L"<!--", L"C:", L"-->"}},
        {L"<!-- a -- b --><x/>", {L"<!--", L"C: a -- b ", L"-->", L"<x", L"</x"}},
        {L"<![CDATA[<a>&amp;]]>", {L"<![", L"C:<a>&amp;", L"]]>"}},
        {L"<?xml version=\"1.0\" ?>", {L"<?", L"C:xmlversion=\"1.0\"", L"?>xmlversion=\"1.0\""}},
        {L"<? a ? > b", {L"<?", L"C:a", L"?>a", L"W: ", L"T:b"}},
        // The end of the input inside a body or an attribute name ends quietly.
        {L"<!-- open", {L"<!--"}},
        {L"<a b", {L"<a"}},
        {L"", {}},
    });
}

TEST(MarkupParser, SyntaxErrorsGiveTheirExactMessagesWhereReadingStopped)
{
    const std::wstring eof = L"E:Unexpected end of file has occurred.";
    const std::wstring close = L"E:Unexpected token. The expected token is '>'";
    const std::wstring quote = L"E:Unexpected token. The expected token is '\"' or '''";
    const std::wstring noEquals = L"E:'>' is an unexpected token. The expected token is '='";
    struct Case
    {
        const wchar_t* pszText;
        TokenList expected;
        int nLine;
        int nPosition;
    };
    const Case cases[] = {
        {L"<a b>", {L"<a", noEquals}, 0, 5},
        {L"<a b<", {L"<a", L"E:'<' is an unexpected token. The expected token is '='"}, 0, 5},
        {L"<a b c='1'>", {L"<a", L"E:Unexpected token. The expected token is '='"}, 0, 6},
        {L"<a b=1>", {L"<a", quote}, 0, 6},
        {L"<a b='1>", {L"<a", quote}, 0, 8},
        {L"</a b>", {close}, 0, 5},
        {L"<a/x>", {L"<a", close}, 0, 4},
        {L"<a/", {L"<a", close}, 0, 3},
        {L"text<", {L"T:text", eof}, 0, 5},
        {L"<a", {eof}, 0, 2},
        {L"<a  ", {eof}, 0, 4},
        {L"</", {eof}, 0, 2},
        {L"<a>\r\n <b c>", {L"<a", L"W:\r\n ", L"<b", noEquals}, 2, 6},
    };
    for (const Case& c : cases)
    {
        CZMRMarkupParser parser;
        EXPECT_EQ(c.expected, Tokens(c.pszText, &parser)) << "text: " << c.pszText;
        EXPECT_EQ(c.nLine, parser.GetLine()) << "text: " << c.pszText;
        EXPECT_EQ(c.nPosition, parser.GetPosition()) << "text: " << c.pszText;
    }
}

TEST(MarkupParser, ReferenceCutOffByTheEndStaysLiteralText)
{
    CheckCases({
        {L"x&amp", {L"T:x", L"T:&amp"}},
        {L"&", {L"T:&"}},
        {L"&#65", {L"T:&#65"}},
    });
    // An unterminated name of 31 characters is literal and the run goes on.
    std::wstring name(31, L'n');
    EXPECT_EQ((TokenList{L"T:&" + name + L"z"}), Tokens(L"&" + name + L"z"));
    EXPECT_EQ((TokenList{L"T:&" + name.substr(0, 30) + L";"}), Tokens(L"&" + name.substr(0, 30) + L";"));
}

TEST(MarkupParser, OverlongRunsKeepTheirFirstCharacters)
{
    std::wstring letters(2000, L'q');
    EXPECT_EQ((TokenList{L"T:" + letters.substr(0, 1023), L"<a"}), Tokens(letters + L"<a>"));

    std::wstring tag(200, L't');
    EXPECT_EQ((TokenList{L"<" + tag.substr(0, 127), L"</" + tag.substr(0, 127)}), Tokens(L"<" + tag + L"/>"));

    std::wstring value(1500, L'v');
    EXPECT_EQ((TokenList{L"<a", L"@" + tag.substr(0, 127) + L"=" + value.substr(0, 1023)}),
              Tokens(L"<a " + tag + L"='" + value + L"'>"));

    // A comment of 3000 characters comes in three chunks.
    std::wstring body(3000, L'c');
    TokenList comment = Tokens(L"<!--" + body + L"-->");
    ASSERT_EQ(5u, comment.size());
    EXPECT_EQ(L"C:" + body.substr(0, 1023), comment[1]);
    EXPECT_EQ(L"C:" + body.substr(0, 1023), comment[2]);
    EXPECT_EQ(L"C:" + body.substr(0, 954), comment[3]);
    EXPECT_EQ(L"-->", comment[4]);

    // An end marker split over two chunks still ends the comment; the first
    // chunk keeps the marker's first characters.
    std::wstring split = L"<!--" + std::wstring(1021, L'c') + L"-->";
    EXPECT_EQ((TokenList{L"<!--", L"C:" + std::wstring(1021, L'c') + L"--", L"C:", L"-->"}), Tokens(split));
}

TEST(MarkupParser, FirstTagIsFoundAfterWhitespaceOnly)
{
    struct Case
    {
        const wchar_t* pszText;
        int nResult;
    };
    const Case cases[] = {{L"  \r\n\t<a/>", 1}, {L"<a/>", 1}, {L"", 0}, {L"  x<a/>", 0}, {L"\xFEFF<a/>", 0}};
    for (const Case& c : cases)
    {
        std::wstring text = c.pszText;
        CZMRMarkupParser parser;
        parser.SetBuffer(text.c_str(), text.c_str() + text.size());
        EXPECT_EQ(c.nResult, parser.FindFirstTag()) << c.pszText;
        if (c.nResult)
        {
            EXPECT_EQ(CZMRMarkupParser::tokenStartTag, parser.NextToken());
            EXPECT_STREQ(L"a", parser.GetTagName());
        }
    }
}

TEST(MarkupParser, LinesAndPositionsCountCharactersRead)
{
    std::wstring text = L"x\r\ny";
    CZMRMarkupParser parser;
    parser.SetBuffer(text.c_str(), text.c_str() + text.size());
    EXPECT_EQ(CZMRMarkupParser::tokenText, parser.NextToken());
    EXPECT_EQ(CZMRMarkupParser::tokenWhitespace, parser.NextToken());
    EXPECT_EQ(CZMRMarkupParser::tokenText, parser.NextToken());
    EXPECT_EQ(2, parser.GetLine());
    EXPECT_EQ(1, parser.GetPosition());

    // An error leaves the count where reading stopped.
    std::wstring bad = L"<Page>\n  <a b>";
    CZMRMarkupParser errorParser;
    TokenList tokens = Tokens(bad, &errorParser);
    ASSERT_EQ(4u, tokens.size());
    EXPECT_EQ(L"E:'>' is an unexpected token. The expected token is '='", tokens[3]);
    EXPECT_EQ(1, errorParser.GetLine());
    EXPECT_EQ(7, errorParser.GetPosition());
}

TEST(MarkupParser, TokenTextMayBeChangedInPlace)
{
    std::wstring text = L"<a>word</a>";
    CZMRMarkupParser parser;
    parser.SetBuffer(text.c_str(), text.c_str() + text.size());
    ASSERT_EQ(CZMRMarkupParser::tokenStartTag, parser.NextToken());
    ASSERT_EQ(CZMRMarkupParser::tokenText, parser.NextToken());
    LPWSTR lpszValue = parser.GetValue();
    lpszValue[0] = L'W';
    EXPECT_STREQ(L"Word", parser.GetValue());
    EXPECT_EQ(CZMRMarkupParser::tokenEndTag, parser.NextToken());
    EXPECT_STREQ(L"a", parser.GetTagName());
    EXPECT_EQ(L'w', text[3]);   // the input itself is never written
}
