// Constructs that span lines, for every language that has them: each case is a few lines
// scanned the way the editor does it (each from the state the line above left), and names the
// attribute of the first token of every line. The cases that do not close (another label, fewer
// quotes) matter as much as those that do.

#include "editor/highlight/HighlighterCatalogue.h"
#include "editor/highlight/TSynXMLSyn.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace varlo;

namespace {

enum Language : std::size_t {
    kHtml,
    kCss,
    kPhp,
    kJs,
    kPascal,
    kCpp,
    kPerl,
    kJava,
    kAsm,
    kCSharp,
    kXml,
    kSql,
    kPython,
    kIni
};

struct Case {
    const char* name;
    std::size_t language;
    std::vector<std::string> lines;
    std::vector<std::string> firstTokens; // display name of each line's first token
};

// The display name of the first token of each line, and the state after the last line.
std::vector<std::string> firstAttributes(TSynCustomHighlighter& hl,
                                         const std::vector<std::string>& lines, int& endState) {
    std::vector<std::string> names;
    hl.resetRange();
    for (std::size_t n = 0; n < lines.size(); ++n) {
        if (n > 0)
            hl.setRange(endState);
        hl.setLine(lines[n], static_cast<int>(n));
        names.push_back(hl.getEol() ? "" : hl.getTokenAttribute()->displayName());
        while (!hl.getEol())
            hl.next();
        endState = hl.getRange();
    }
    return names;
}

const std::vector<Case>& cases() {
    static const std::vector<Case> c = {
        {"CssCommentThenDeclaration",
         kCss,
         {"a { /* one", "two */ color: red; }", "b"},
         {"Text", "Comment", "Text"}},
        {"CssValueGoesOnOnTheNextLine",
         kCss,
         {"p { margin:", "  10px;", "  color: red }"},
         {"Text", "Space", "Space"}},
        {"PhpDoubleStringOverLines",
         kPhp,
         {"<?php $a = \"one", "two $b\";", "echo 1;"},
         {"Symbol", "String", "Reserved Word"}},
        {"PhpHeredocClosesOnlyAtItsLabel",
         kPhp,
         {"<?php $t = <<<EOT", "EOTX is text", "  EOT;", "echo $t;"},
         {"Symbol", "String", "Space", "Reserved Word"}},
        {"PhpPageTextAfterClosingTag",
         kPhp,
         {"<?php echo 1; ?>", "<p>text</p>"},
         {"Symbol", "Identifier"}},
        {"JsTemplateOverLinesWithItsExpression",
         kJs,
         {"let s = `a ${x", "+ 1} b", "c`; let"},
         {"Reserved Word", "Symbol", "String"}},
        {"JsBlockComment", kJs, {"/* a", "b */ var"}, {"Comment", "Comment"}},
        {"PascalBraceCommentDoesNotEndAtStarParen",
         kPascal,
         {"{ one *)", "two } begin"},
         {"Comment", "Comment"}},
        {"PascalDirectiveOverLines",
         kPascal,
         {"{$IFDEF", "DEBUG}", "x"},
         {"Preprocessor", "Preprocessor", "Identifier"}},
        {"PascalAsmBlockEndsAtEnd",
         kPascal,
         {"asm", "mov eax, 1", "end;", "x"},
         {"Reserved Word", "Assembler", "Reserved Word", "Identifier"}},
        {"CppDirectiveContinuedByBackslash",
         kCpp,
         {"#define A \\", "  1 + 2", "int x;"},
         {"Preprocessor", "Preprocessor", "Reserved Word"}},
        {"CppRawStringClosesOnlyWithItsDelimiter",
         kCpp,
         {"auto s = R\"x(one", ")y\" still", ")x\"; int"},
         {"Reserved Word", "String", "String"}},
        {"CppStringContinuedByBackslash",
         kCpp,
         {"const char* s = \"a\\", "b\"; int"},
         {"Reserved Word", "String"}},
        {"CppAsmKeywordThenBraceOnTheNextLine",
         kCpp,
         {"__asm", "{", "  mov eax, 1", "}", "x"},
         {"Reserved Word", "Symbol", "Space", "Symbol", "Identifier"}},
        {"PerlPodBlock",
         kPerl,
         {"=pod", "text", "=cut", "my $x;"},
         {"Comment", "Comment", "Comment", "Reserved Word"}},
        {"PerlHeredocClosesOnlyAtItsLabel",
         kPerl,
         {"print <<END;", "ENDX", "END", "my"},
         {"Reserved Word", "String", "Identifier", "Reserved Word"}},
        {"PerlIndentedHeredoc",
         kPerl,
         {"my $t = <<~EOT;", "  body", "  EOT", "1"},
         {"Reserved Word", "String", "Identifier", "Number"}},
        {"PerlQwListOverLines",
         kPerl,
         {"my @a = qw(", "  one two", ");"},
         {"Reserved Word", "String", "String"}},
        {"JavaDocCommentApartFromBlockComment",
         kJava,
         {"/** doc", "*/ /* c", "*/ int"},
         {"Documentation", "Documentation", "Comment"}},
        {"JavaTextBlock",
         kJava,
         {"String s = \"\"\"", "  text \\\"\"\" still", "  \"\"\";"},
         {"Identifier", "String", "String"}},
        {"CSharpVerbatimStringWithDoubledQuotes",
         kCSharp,
         {"var s = @\"one", "\"\"two\"\"\";"},
         {"Reserved Word", "String"}},
        {"CSharpRawStringNeedsAsManyQuotes",
         kCSharp,
         {"var s = \"\"\"\"", "  \"\"\" still", "  \"\"\"\"; var"},
         {"Reserved Word", "String", "String"}},
        {"XmlCommentCDataAndDoctypeSubset",
         kXml,
         {"<!-- a", "b --><![CDATA[x", "]]><!DOCTYPE d [", "<!ENTITY e \"v\">", "]><r/>"},
         {"Comment", "Comment", "CDATA Section", "DOCTYPE Section", "DOCTYPE Section"}},
        {"XmlAttributeValueOverLines",
         kXml,
         {"<a href=\"one", "two\" id='x'>text"},
         {"Symbol", "Attribute Value"}},
        {"SqlStringAndQuotedNameOverLines",
         kSql,
         {"select 'a", "b', \"c", "d\" from t"},
         {"Reserved Word", "String", "Delimited Identifier"}},
        {"SqlConditionalComment",
         kSql,
         {"/*!40101 set", "names */ select"},
         {"Conditional Comment", "Conditional Comment"}},
        {"PythonDocstringAndString",
         kPython,
         {"    '''doc", "'''", "x = \"\"\"a", "b\"\"\""},
         {"Space", "Documentation", "Identifier", "String"}},
        {"PythonOtherQuotesDoNotClose",
         kPython,
         {"s = '''a", "\"\"\" still", "'''"},
         {"Identifier", "String", "String"}},
        {"IniLinesStandAlone", kIni, {"[s", "key=\"open", "k=1"}, {"Symbol", "Key", "Key"}},
        {"AsmLinesStandAlone", kAsm, {"db 'open", "mov ax, 1"}, {"Reserved Word", "Reserved Word"}},
        {"HtmlCommentStillWorks", kHtml, {"<!-- a", "b -->"}, {"Comment", "Comment"}},
    };
    return c;
}

class MultiLine : public ::testing::TestWithParam<Case> {};

TEST_P(MultiLine, EachLineStartsInTheRightPlace) {
    const Case& c = GetParam();
    const auto hl = createConfiguredHighlighter(c.language);
    int endState = 0;
    EXPECT_EQ(firstAttributes(*hl, c.lines, endState), c.firstTokens);
    EXPECT_GE(endState, 0);
    EXPECT_LT(endState, hl->rangeCount());
}

INSTANTIATE_TEST_SUITE_P(Languages, MultiLine, ::testing::ValuesIn(cases()),
                         [](const ::testing::TestParamInfo<Case>& info) {
                             return std::string(info.param.name);
                         });

// With braces parsed, "{" and "}" in text and values are symbols of their own (the expressions
// of XSLT attribute value templates stand out); the main window's XML highlighter leaves them to
// the text.
TEST(TSynXMLSyn, WantBracesParsedDecidesWhetherBracesAreSymbols) {
    auto tokens = [](TSynXMLSyn& hl, std::string_view line) {
        std::vector<std::string> out;
        hl.resetRange();
        hl.setLine(line, 0);
        for (; !hl.getEol(); hl.next())
            out.push_back(hl.getTokenAttribute()->displayName() + ":" + std::string(hl.getToken()));
        return out;
    };
    TSynXMLSyn parsed;
    EXPECT_EQ(tokens(parsed, "<a b=\"{x}\">t{y}</a>"),
              (std::vector<std::string>{
                  "Symbol:<", "Element Name:a", "Whitespace: ", "Attribute Name:b",
                  "Symbol:=", "Attribute Value:\"", "Symbol:{", "Attribute Value:x", "Symbol:}",
                  "Attribute Value:\"", "Symbol:>", "Text:t", "Symbol:{", "Text:y", "Symbol:}",
                  "Symbol:</", "Element Name:a", "Symbol:>"}));
    TSynXMLSyn plain;
    TSynXMLSyn::applyProgramSettings(plain);
    EXPECT_EQ(
        tokens(plain, "<a b=\"{x}\">t{y}</a>"),
        (std::vector<std::string>{"Symbol:<", "Element Name:a", "Whitespace: ", "Attribute Name:b",
                                  "Symbol:=", "Attribute Value:\"{x}\"", "Symbol:>", "Text:t{y}",
                                  "Symbol:</", "Element Name:a", "Symbol:>"}));
}

} // namespace
