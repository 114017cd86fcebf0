#include "editor/highlight/HighlighterCatalogue.h"
#include "editor/highlight/TSynHTMLSyn.h"
#include "editor/highlight/TSynPasSyn.h"
#include "editor/highlight/TSynXMLSyn.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace varlo;

namespace {

struct Row {
    const char* caption;
    const char* component;
    const char* language;
    const char* filter;
    std::vector<std::string> attributes; // display names in creation order
};

const std::vector<Row>& rows() {
    static const std::vector<Row> r = {
        {"Html",
         "SynHTMLSyn1",
         "HTML",
         "HTML Documents (*.htm;*.html)|*.htm;*.html",
         {"Escape Ampersand", "Comment", "Identifier", "Reserved Word", "Space", "Symbol", "Text",
          "Unknown Word", "Value"}},
        {"CSS",
         "SynCssSyn1",
         "Cascading Style Sheet",
         "Cascading Stylesheets (*.css)|*.css",
         {"Comment", "Property", "Reserved Word", "Undefined Property", "Space", "Color Value",
          "Number", "String", "Symbol", "Text", "Value"}},
        {"PHP",
         "SynPHPSyn1",
         "PHP",
         "PHP Files (*.php;*.php3;*.phtml;*.inc)|*.php;*.php3;*.phtml;*.inc",
         {"Comment", "Identifier", "Reserved Word", "Number", "Space", "String", "Symbol",
          "Variable"}},
        {"JavaScript",
         "SynJScriptSyn1",
         "JavaScript",
         "Javascript Files (*.js)|*.js",
         {"Comment", "Identifier", "Reserved Word", "Non-reserved Keyword", "Event", "Number",
          "Space", "String", "Symbol"}},
        {"Delphi/Pascal",
         "SynPasSyn1",
         "Object Pascal",
         "Pascal Files (*.pas;*.pp;*.dpr;*.dpk;*.inc)|*.pas;*.pp;*.dpr;*.dpk;*.inc",
         {"Assembler", "Comment", "Preprocessor", "Identifier", "Reserved Word", "Number", "Float",
          "Hexadecimal", "Space", "String", "Character", "Symbol"}},
        {"C/C++",
         "SynCppSyn1",
         "C/C++",
         "C/C++ Files (*.c;*.cpp;*.h;*.hpp)|*.c;*.cpp;*.h;*.hpp",
         {"Assembler", "Comment", "Identifier", "Illegal Char", "Reserved Word", "Number",
          "Character", "Float", "Hexadecimal", "Octal", "Space", "String", "Symbol",
          "Preprocessor"}},
        {"Perl",
         "SynPerlSyn1",
         "Perl",
         "Perl Files (*.pl;*.pm;*.cgi)|*.pl;*.pm;*.cgi",
         {"Comment", "Identifier", "Illegal Char", "Reserved Word", "Number", "Operator", "Pragma",
          "Space", "String", "Symbol", "Variable"}},
        {"Java",
         "SynJavaSyn1",
         "Java",
         "Java Files (*.java)|*.java",
         {"Comment", "Documentation", "Identifier", "Invalid Symbol", "Reserved Word", "Number",
          "Space", "String", "Symbol"}},
        {"Assembler",
         "SynAsmSyn1",
         "x86 Assembly",
         "x86 Assembly Files (*.asm)|*.asm",
         {"Comment", "Identifier", "Reserved Word", "Number", "Space", "String", "Symbol"}},
        {"C#",
         "SynCSSyn1",
         "C#",
         "C# Files (*.cs)|*.cs",
         {"Assembler", "Comment", "Identifier", "Illegal Char", "Reserved Word", "Number", "Space",
          "String", "Symbol", "Preprocessor"}},
        {"XML",
         "SynXMLSyn1",
         "XML",
         "XML Files (*.xml;*.xsd;*.xsl;*.xslt;*.dtd)|*.xml;*.xsd;*.xsl;*.xslt;*.dtd",
         {"Element Name", "Text", "Whitespace", "Entity Reference", "Processing Instruction",
          "CDATA Section", "Comment", "DOCTYPE Section", "Attribute Name",
          "Namespace Attribute Name", "Attribute Value", "Namespace Attribute Value", "Symbol"}},
        {"SQL",
         "SynSQLSyn1",
         "SQL",
         "SQL Files (*.sql)|*.sql",
         {"Comment", "Conditional Comment", "Data Type", "Default Packages", "Delimited Identifier",
          "Exception", "Function", "Identifier", "Reserved Word", "Number", "PL/SQL Reserved Word",
          "Space", "SQL*Plus Command", "String", "Symbol", "Table Name", "Variable"}},
        {"Python",
         "SynPythonSyn1",
         "Python",
         "Python Files (*.py)|*.py",
         {"Comment", "Identifier", "Reserved Word", "Non-reserved Keyword",
          "System Functions and Variables", "Number", "Hexadecimal", "Octal", "Float", "Space",
          "String", "Documentation", "Symbol", "Syntax Error"}},
        {"Ini",
         "SynIniSyn1",
         "INI",
         "INI Files (*.ini)|*.ini",
         {"Comment", "Text", "Section", "Key", "Number", "Space", "String", "Symbol"}},
    };
    return r;
}

TEST(HighlighterCatalogue, ListsTheFourteenComponentsWithTheirNamesFiltersAndAttributes) {
    const auto& catalogue = highlighterCatalogue();
    ASSERT_EQ(catalogue.size(), rows().size());
    for (std::size_t i = 0; i < catalogue.size(); ++i) {
        const Row& row = rows()[i];
        SCOPED_TRACE(row.caption);
        EXPECT_STREQ(catalogue[i].caption, row.caption);
        EXPECT_STREQ(catalogue[i].componentName, row.component);
        const auto h = catalogue[i].create();
        EXPECT_EQ(h->languageName(), row.language);
        EXPECT_EQ(h->defaultFilter(), row.filter);
        std::vector<std::string> names;
        for (const auto* a : h->attributesInCreationOrder())
            names.push_back(a->displayName());
        EXPECT_EQ(names, row.attributes);
        // Every attribute is found by its display name, and the roles point at own attributes.
        for (const auto& name : row.attributes)
            EXPECT_NE(h->attribute(name), nullptr) << name;
        for (auto role : {AttributeRole::Comment, AttributeRole::Identifier, AttributeRole::Keyword,
                          AttributeRole::Whitespace, AttributeRole::Symbol}) {
            const auto* a = h->getDefaultAttribute(role);
            ASSERT_NE(a, nullptr);
            EXPECT_EQ(h->attribute(a->displayName()), a);
        }
    }
}

// The editor's word commands keep a language's names whole: letters (Russian ones too), digits
// and the underscore everywhere, "$" where names carry it; operators split words.
TEST(HighlighterCatalogue, WordCharactersFollowTheLanguagesNames) {
    for (std::size_t i = 1; i < kHighlighterCount; ++i) {
        const auto h = createConfiguredHighlighter(i);
        SCOPED_TRACE(h->languageName());
        for (char c : std::string_view("aZ5_\xDF\xA8")) // "Я" and "Ё" among them
            EXPECT_TRUE(h->isWordChar(static_cast<unsigned char>(c))) << c;
        for (char c : std::string_view("<>+*( "))
            EXPECT_FALSE(h->isWordChar(static_cast<unsigned char>(c))) << c;
    }
    EXPECT_TRUE(createConfiguredHighlighter(2)->isWordChar('$'));  // PHP
    EXPECT_TRUE(createConfiguredHighlighter(6)->isWordChar('@'));  // Perl
    EXPECT_FALSE(createConfiguredHighlighter(5)->isWordChar('$')); // C/C++
}

TEST(HighlighterCatalogue, ConfiguredComponentsCarryTheMainWindowsSettingsOnly) {
    const auto html = createConfiguredHighlighter(0);
    EXPECT_EQ(static_cast<TSynHTMLSyn&>(*html).CommentAttri->foreground(), 7367525);
    const auto pascal = createConfiguredHighlighter(4);
    EXPECT_EQ(static_cast<TSynPasSyn&>(*pascal).CommentAttri->foreground(), 14304822);
    const auto xml = createConfiguredHighlighter(10);
    EXPECT_FALSE(static_cast<TSynXMLSyn&>(*xml).WantBracesParsed);
    EXPECT_TRUE(TSynXMLSyn().WantBracesParsed);
    // The others are exactly their defaults.
    for (std::size_t i : {1, 2, 3, 5, 6, 7, 8, 9, 11, 12, 13}) {
        const auto configured = createConfiguredHighlighter(i);
        const auto plain = highlighterCatalogue()[i].create();
        const auto a = configured->attributesInCreationOrder();
        const auto b = plain->attributesInCreationOrder();
        ASSERT_EQ(a.size(), b.size());
        for (std::size_t k = 0; k < a.size(); ++k) {
            EXPECT_EQ(a[k]->foreground(), b[k]->foreground()) << i << " " << a[k]->displayName();
            EXPECT_EQ(a[k]->style(), b[k]->style()) << i << " " << a[k]->displayName();
        }
    }
    EXPECT_EQ(createConfiguredHighlighter(kHighlighterCount), nullptr);
}

} // namespace
