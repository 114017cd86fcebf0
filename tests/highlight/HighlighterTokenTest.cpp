// Single constructs of each language, each with the attribute a user of that language expects for
// one of its tokens: keywords of the current language versions, literals in every notation,
// variables inside strings, and the words that only look like keywords.

#include "editor/highlight/HighlighterCatalogue.h"

#include <gtest/gtest.h>

#include <string>

using namespace varlo;

namespace {

enum Language : std::size_t {
    kCss = 1,
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

struct Row {
    std::size_t language;
    const char* line;
    const char* token;     // the token asked about: its exact text
    const char* attribute; // its display name
};

// The attribute of the first token on the line whose text is `token`; "" when there is none.
std::string attributeOf(TSynCustomHighlighter& hl, std::string_view line, std::string_view token) {
    hl.resetRange();
    hl.setLine(line, 0);
    for (; !hl.getEol(); hl.next())
        if (hl.getToken() == token)
            return hl.getTokenAttribute()->displayName();
    return "";
}

const Row kRows[] = {
    {kCss, "a { color: #fc0; }", "#fc0", "Color Value"},
    {kCss, "a { width: 12.5px; }", "12.5px", "Number"},
    {kCss, "a { margin: -3em; }", "-3em", "Number"},
    {kCss, "a { colour: red; }", "colour", "Undefined Property"},
    {kCss, "a { --main-bg: blue; }", "--main-bg", "Property"},
    {kCss, "@media print { p { x: 1 } }", "@media", "Reserved Word"},
    {kCss, "a { color: red !important; }", "!important", "Reserved Word"},
    {kCss, "div > p.note { }", "div", "Text"},
    {kPhp, "<?php $count = 1;", "$count", "Variable"},
    {kPhp, "<?php echo \"Hi $name!\";", "$name", "Variable"},
    {kPhp, "<?php echo 'Hi $name!';", "'Hi $name!'", "String"},
    {kPhp, "<?php FUNCTION f() {}", "FUNCTION", "Reserved Word"},
    {kPhp, "<?php $a->class = 1;", "class", "Identifier"},
    {kPhp, "<?php $x = 0x1A + 0b11 + 1_000;", "1_000", "Number"},
    {kPhp, "<p>Hello</p>", "<p>Hello</p>", "Identifier"},
    {kJs, "let x = 1;", "let", "Reserved Word"},
    {kJs, "const f = async () => await g();", "async", "Non-reserved Keyword"},
    {kJs, "el.onclick = go;", "onclick", "Event"},
    {kJs, "x = 0x1F + 0b101 + 0o17 + 10n;", "10n", "Number"},
    {kJs, "s = `total ${n}`;", "n", "Identifier"},
    {kJs, "r = /ab+c/gi;", "/ab+c/gi", "String"},
    {kJs, "r = a / b / c;", "b", "Identifier"},
    {kJs, "obj.default = 1;", "default", "Identifier"},
    {kPascal, "BEGIN x := $FF; END;", "$FF", "Hexadecimal"},
    {kPascal, "x := 1.5e3;", "1.5e3", "Float"},
    {kPascal, "s := 'it''s';", "'it''s'", "String"},
    {kPascal, "c := #13#10;", "#13", "Character"},
    {kPascal, "{$IFDEF DEBUG}", "{$IFDEF DEBUG}", "Preprocessor"},
    {kPascal, "(* old *) x", "(* old *)", "Comment"},
    {kPascal, "for i := 1 to 10 do", "to", "Reserved Word"},
    {kCpp, "#include <vector>", "#include <vector>", "Preprocessor"},
    {kCpp, "constexpr auto x = 0x1F;", "0x1F", "Hexadecimal"},
    {kCpp, "int m = 0755;", "0755", "Octal"},
    {kCpp, "double d = 1e-9;", "1e-9", "Float"},
    {kCpp, "auto n = 1'000'000;", "1'000'000", "Number"},
    {kCpp, "co_return co_await t;", "co_await", "Reserved Word"},
    {kCpp, "requires std::integral<T>", "requires", "Reserved Word"},
    {kCpp, "char c = 'x';", "'x'", "Character"},
    {kCpp, "auto s = u8\"text\";", "u8\"text\"", "String"},
    {kCpp, "int a = b @ c;", "@", "Illegal Char"},
    {kPerl, "my @items = (1, 2);", "@items", "Variable"},
    {kPerl, "my %h = ();", "%h", "Variable"},
    {kPerl, "print \"n=$n\\n\";", "$n", "Variable"},
    {kPerl, "use strict;", "strict", "Pragma"},
    {kPerl, "if ($a eq $b) {}", "eq", "Operator"},
    {kPerl, "$s =~ s/a/b/g;", "s/a/b/g", "String"},
    {kPerl, "my $n = 1_000;", "1_000", "Number"},
    {kJava, "public record Point(int x, int y) {}", "record", "Reserved Word"},
    {kJava, "var list = new ArrayList<String>();", "var", "Reserved Word"},
    {kJava, "/** Docs */ class A {}", "/** Docs */", "Documentation"},
    {kJava, "/* plain */ class A {}", "/* plain */", "Comment"},
    {kJava, "long n = 1_000L;", "1_000L", "Number"},
    {kJava, "int a = b # c;", "#", "Invalid Symbol"},
    {kAsm, "mov eax, 0FFh", "0FFh", "Number"},
    {kAsm, "MOV EAX, EBX", "MOV", "Reserved Word"},
    {kAsm, "mov eax, ebx ; copy", "; copy", "Comment"},
    {kAsm, "label1: jmp label1", "label1", "Identifier"},
    {kCSharp, "public record Person(string Name);", "record", "Reserved Word"},
    {kCSharp, "var s = $\"Hi {name}\";", "$\"Hi {name}\"", "String"},
    {kCSharp, "var p = @\"C:\\dir\\\";", "@\"C:\\dir\\\"", "String"},
    {kCSharp, "#region Fields", "#region Fields", "Preprocessor"},
    {kCSharp, "var @if = 1;", "@if", "Identifier"},
    {kCSharp, "decimal m = 1.5m;", "1.5m", "Number"},
    {kXml, "<a:b xmlns:a=\"urn:x\"/>", "xmlns:a", "Namespace Attribute Name"},
    {kXml, "<a:b xmlns:a=\"urn:x\"/>", "\"urn:x\"", "Namespace Attribute Value"},
    {kXml, "<a id=\"1\">x &lt; y</a>", "&lt;", "Entity Reference"},
    {kXml, "<a id=\"1\">x</a>", "id", "Attribute Name"},
    {kXml, "<?xml-stylesheet href=\"s.xsl\"?>", "<?xml-stylesheet href=\"s.xsl\"?>",
     "Processing Instruction"},
    {kSql, "SELECT * FROM emp WHERE id = :id", "emp", "Table Name"},
    {kSql, "SELECT * FROM emp WHERE id = :id", ":id", "Variable"},
    {kSql, "select count(*) from t", "count", "Function"},
    {kSql, "v NUMBER(10);", "NUMBER", "Data Type"},
    {kSql, "WHEN NO_DATA_FOUND THEN", "NO_DATA_FOUND", "Exception"},
    {kSql, "DBMS_OUTPUT.PUT_LINE('x');", "DBMS_OUTPUT", "Default Packages"},
    {kSql, "SELECT \"Full Name\" FROM t", "\"Full Name\"", "Delimited Identifier"},
    {kSql, "BEGIN NULL; END;", "BEGIN", "PL/SQL Reserved Word"},
    {kSql, "SPOOL out.txt", "SPOOL", "SQL*Plus Command"},
    {kSql, "/*! SET x=1 */", "/*! SET x=1 */", "Conditional Comment"},
    {kPython, "async def f(): await g()", "await", "Reserved Word"},
    {kPython, "match point:", "match", "Non-reserved Keyword"},
    {kPython, "n = len(xs)", "len", "System Functions and Variables"},
    {kPython, "x = 0x1F", "0x1F", "Hexadecimal"},
    {kPython, "x = 0o17", "0o17", "Octal"},
    {kPython, "x = 1_000.5", "1_000.5", "Float"},
    {kPython, "s = rb'\\d'", "rb'\\d'", "String"},
    {kPython, "s = f'{x}'", "f'{x}'", "String"},
    {kPython, "re.match(p, s)", "match", "Identifier"},
    {kPython, "x = 007", "007", "Syntax Error"},
    {kIni, "[Main]", "Main", "Section"},
    {kIni, "Width=800", "Width", "Key"},
    {kIni, "Width=800", "800", "Number"},
    {kIni, "Name=\"x y\"", "\"x y\"", "String"},
    {kIni, "; note", "; note", "Comment"},
};

TEST(HighlighterTokens, EachConstructHasItsLanguagesAttribute) {
    for (const Row& row : kRows) {
        const auto hl = createConfiguredHighlighter(row.language);
        EXPECT_EQ(attributeOf(*hl, row.line, row.token), row.attribute)
            << hl->languageName() << ": " << row.line << "  [" << row.token << "]";
    }
}

} // namespace
