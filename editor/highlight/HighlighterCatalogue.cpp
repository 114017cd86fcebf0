#include "editor/highlight/HighlighterCatalogue.h"

#include "editor/highlight/TSynAsmSyn.h"
#include "editor/highlight/TSynCSSyn.h"
#include "editor/highlight/TSynCppSyn.h"
#include "editor/highlight/TSynCssSyn.h"
#include "editor/highlight/TSynHTMLSyn.h"
#include "editor/highlight/TSynIniSyn.h"
#include "editor/highlight/TSynJScriptSyn.h"
#include "editor/highlight/TSynJavaSyn.h"
#include "editor/highlight/TSynPHPSyn.h"
#include "editor/highlight/TSynPasSyn.h"
#include "editor/highlight/TSynPerlSyn.h"
#include "editor/highlight/TSynPythonSyn.h"
#include "editor/highlight/TSynSQLSyn.h"
#include "editor/highlight/TSynXMLSyn.h"

namespace varlo {

namespace {

template <typename T> std::unique_ptr<TSynCustomHighlighter> make() {
    return std::make_unique<T>();
}

void keepDefaults(TSynCustomHighlighter&) {}

void configureHtml(TSynCustomHighlighter& h) {
    TSynHTMLSyn::applyProgramColours(static_cast<TSynHTMLSyn&>(h));
}
void configurePascal(TSynCustomHighlighter& h) {
    TSynPasSyn::applyProgramColours(static_cast<TSynPasSyn&>(h));
}
void configureXml(TSynCustomHighlighter& h) {
    TSynXMLSyn::applyProgramSettings(static_cast<TSynXMLSyn&>(h));
}

const std::array<HighlighterCatalogueEntry, kHighlighterCount> kCatalogue = {{
    {"Html", "SynHTMLSyn1", "TSynHTMLSyn", make<TSynHTMLSyn>, configureHtml},
    {"CSS", "SynCssSyn1", "TSynCssSyn", make<TSynCssSyn>, keepDefaults},
    {"PHP", "SynPHPSyn1", "TSynPHPSyn", make<TSynPHPSyn>, keepDefaults},
    {"JavaScript", "SynJScriptSyn1", "TSynJScriptSyn", make<TSynJScriptSyn>, keepDefaults},
    {"Delphi/Pascal", "SynPasSyn1", "TSynPasSyn", make<TSynPasSyn>, configurePascal},
    {"C/C++", "SynCppSyn1", "TSynCppSyn", make<TSynCppSyn>, keepDefaults},
    {"Perl", "SynPerlSyn1", "TSynPerlSyn", make<TSynPerlSyn>, keepDefaults},
    {"Java", "SynJavaSyn1", "TSynJavaSyn", make<TSynJavaSyn>, keepDefaults},
    {"Assembler", "SynAsmSyn1", "TSynAsmSyn", make<TSynAsmSyn>, keepDefaults},
    {"C#", "SynCSSyn1", "TSynCSSyn", make<TSynCSSyn>, keepDefaults},
    {"XML", "SynXMLSyn1", "TSynXMLSyn", make<TSynXMLSyn>, configureXml},
    {"SQL", "SynSQLSyn1", "TSynSQLSyn", make<TSynSQLSyn>, keepDefaults},
    {"Python", "SynPythonSyn1", "TSynPythonSyn", make<TSynPythonSyn>, keepDefaults},
    {"Ini", "SynIniSyn1", "TSynIniSyn", make<TSynIniSyn>, keepDefaults},
}};

} // namespace

const std::array<HighlighterCatalogueEntry, kHighlighterCount>& highlighterCatalogue() {
    return kCatalogue;
}

std::unique_ptr<TSynCustomHighlighter> createConfiguredHighlighter(std::size_t index) {
    if (index >= kCatalogue.size())
        return nullptr;
    auto h = kCatalogue[index].create();
    kCatalogue[index].configure(*h);
    return h;
}

} // namespace varlo
