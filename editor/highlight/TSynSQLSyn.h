#pragma once

#include "editor/highlight/KeywordTable.h"
#include "editor/highlight/TSynScanner.h"

namespace varlo {

// SQL with the PL/SQL and SQL*Plus words of Oracle scripts: reserved words, data types,
// functions, the predefined exceptions and packages, table names after FROM, JOIN, INTO, UPDATE
// and TABLE, bind and substitution variables, quoted identifiers, strings and comments over
// lines, and conditional comments /*! ... */ and optimizer hints /*+ ... */.
class TSynSQLSyn : public TSynScanner {
public:
    TSynSQLSyn();

    TSynHighlighterAttributes* const CommentAttri;
    TSynHighlighterAttributes* const ConditionalCommentAttri;
    TSynHighlighterAttributes* const DataTypeAttri;
    TSynHighlighterAttributes* const DefaultPackageAttri;
    TSynHighlighterAttributes* const DelimitedIdentifierAttri;
    TSynHighlighterAttributes* const ExceptionAttri;
    TSynHighlighterAttributes* const FunctionAttri;
    TSynHighlighterAttributes* const IdentifierAttri;
    TSynHighlighterAttributes* const KeyAttri;
    TSynHighlighterAttributes* const NumberAttri;
    TSynHighlighterAttributes* const PLSQLAttri;
    TSynHighlighterAttributes* const SpaceAttri;
    TSynHighlighterAttributes* const SQLPlusAttri;
    TSynHighlighterAttributes* const StringAttri;
    TSynHighlighterAttributes* const SymbolAttri;
    TSynHighlighterAttributes* const TableNameAttri;
    TSynHighlighterAttributes* const VariableAttri;

    // 0 code, 1 comment, 2 conditional comment, 3 string, 4 "quoted identifier",
    // 5 `quoted identifier`
    int rangeCount() const override { return 6; }

private:
    void lineStarted() override;
    void scanToken() override;
    void scanWord();
    void scanQuoted(char quote, std::size_t kind, int range, std::size_t from);

    KeywordTable words_;
    KeywordTable plusCommands_;
    bool tableList_ = false;  // among the tables after FROM, JOIN, INTO, UPDATE or TABLE
    bool tableNext_ = false;  // the next name in that list is a table, not an alias
    bool firstWord_ = true;   // no word has been seen on this line yet
    bool remark_ = false;     // after REM the rest of the line is a remark
    bool promptText_ = false; // after PROMPT the rest of the line is the text it shows
    bool selectSeen_ = false; // SELECT ... INTO names variables, not a table
};

} // namespace varlo
