#include "editor/highlight/TSynSQLSyn.h"

#include "editor/highlight/CharClass.h"
#include "editor/highlight/HighlighterPalette.h"
#include "editor/highlight/NumberScan.h"

namespace varlo {

namespace {

enum Kind : std::size_t {
    kComment,
    kConditional,
    kDataType,
    kPackage,
    kDelimited,
    kException,
    kFunction,
    kIdentifier,
    kReserved,
    kNumber,
    kPlsql,
    kSpace,
    kPlus,
    kString,
    kSymbol,
    kTable,
    kVariable
};

enum Range { kCode, kInComment, kInConditional, kInString, kInQuotedName, kInBacktickName };

constexpr const char* kReservedWords =
    "add all alter and any as asc between by cascade case check column comment commit connect "
    "constraint create cross current default delete desc distinct drop else end escape except "
    "exists false fetch first for foreign from full grant group having identified in index "
    "inner insert intersect into is join key left level like limit merge matched minus natural "
    "next not null nulls of offset on only option or order outer over partition primary prior "
    "privileges public references rename replace revoke right rollback row rows savepoint "
    "schema select sequence session set start synonym table then to trigger true truncate union "
    "unique update user using values view when where with recursive database grant lock";

constexpr const char* kPlsqlWords =
    "begin declare exception raise loop while exit if elsif return function procedure package "
    "body cursor open close type record out nocopy rowtype pragma autonomous_transaction bulk "
    "collect forall goto returning immediate execute constant subtype ref varray found notfound "
    "isopen rowcount reverse continue deterministic pipelined authid definer current_user "
    "elsif raise_application_error sqlcode sqlerrm";

constexpr const char* kDataTypes =
    "bfile bigint binary_double binary_float binary_integer blob boolean char character clob "
    "date datetime dec decimal double float int integer interval long nchar nclob number "
    "numeric nvarchar nvarchar2 pls_integer precision raw real rowid smallint text time "
    "timestamp tinyint urowid varchar varchar2 xmltype zone";

constexpr const char* kFunctions =
    "abs add_months avg cast ceil coalesce concat count cume_dist current_date "
    "current_timestamp decode dense_rank extract first_value floor greatest initcap instr lag "
    "last_day last_value lead least length listagg lower lpad ltrim max min mod months_between "
    "next_day nullif nvl nvl2 power rank regexp_instr regexp_like regexp_replace regexp_substr "
    "round row_number rpad rtrim sign sqrt stddev substr sum sysdate systimestamp to_char "
    "to_date to_number to_timestamp translate trim trunc upper variance";

constexpr const char* kExceptions =
    "access_into_null case_not_found collection_is_null cursor_already_open dup_val_on_index "
    "invalid_cursor invalid_number login_denied no_data_found not_logged_on others "
    "program_error rowtype_mismatch self_is_null storage_error subscript_beyond_count "
    "subscript_outside_limit sys_invalid_rowid timeout_on_resource too_many_rows value_error "
    "zero_divide";

constexpr const char* kPackages =
    "dbms_alert dbms_crypto dbms_job dbms_lob dbms_lock dbms_metadata dbms_output dbms_pipe "
    "dbms_random dbms_scheduler dbms_sql dbms_stats dbms_utility standard utl_file utl_http "
    "utl_raw utl_smtp";

// SQL*Plus commands count only as the first word of a line, where a script has them.
constexpr const char* kPlusCommands =
    "accept append break btitle clear column compute conn connect define del describe "
    "disconnect exec exit get host pause print prompt quit rem remark run spool sqlplus start "
    "store timing ttitle undefine variable whenever";

// SET is both SQL (UPDATE ... SET) and SQL*Plus; it is the command when one of its options
// follows.
constexpr const char* kPlusSetOptions =
    "autocommit autotrace colsep define echo feedback heading linesize long newpage numwidth "
    "pagesize pause serveroutput sqlprompt term termout timing trimout trimspool verify wrap";

enum WordCategory {
    kWordReserved,
    kWordPlsql,
    kWordType,
    kWordFunction,
    kWordException,
    kWordPackage
};

constexpr auto isIdent = [](unsigned char c) { return chars::isWord(c) || c == '$' || c == '#'; };

} // namespace

TSynSQLSyn::TSynSQLSyn()
    : TSynScanner("SQL", "SQL Files (*.sql)|*.sql", "$#"),
      CommentAttri(addKind("CommentAttri", "Comment", palette::kComment, fsItalic)),
      ConditionalCommentAttri(
          addKind("ConditionalCommentAttri", "Conditional Comment", palette::kDirective)),
      DataTypeAttri(addKind("DataTypeAttri", "Data Type", rgb(0x80, 0x00, 0x80), fsBold)),
      DefaultPackageAttri(
          addKind("DefaultPackageAttri", "Default Packages", palette::kDocumentation, fsBold)),
      DelimitedIdentifierAttri(
          addKind("DelimitedIdentifierAttri", "Delimited Identifier", rgb(0x80, 0x40, 0x00))),
      ExceptionAttri(addKind("ExceptionAttri", "Exception", palette::kError, fsBold)),
      FunctionAttri(addKind("FunctionAttri", "Function", palette::kVariable)),
      IdentifierAttri(addKind("IdentifierAttri", "Identifier", clNone)),
      KeyAttri(addKind("KeyAttri", "Reserved Word", palette::kKeyword, fsBold)),
      NumberAttri(addKind("NumberAttri", "Number", palette::kNumber)),
      PLSQLAttri(addKind("PLSQLAttri", "PL/SQL Reserved Word", palette::kKeyword, fsBold)),
      SpaceAttri(addKind("SpaceAttri", "Space", clNone)),
      SQLPlusAttri(addKind("SQLPlusAttri", "SQL*Plus Command", palette::kEmbedded, fsBold)),
      StringAttri(addKind("StringAttri", "String", palette::kString)),
      SymbolAttri(addKind("SymbolAttri", "Symbol", clNone)),
      TableNameAttri(addKind("TableNameAttri", "Table Name", palette::kDocumentation)),
      VariableAttri(addKind("VariableAttri", "Variable", palette::kVariable, fsItalic)),
      words_(KeywordTable::Case::Insensitive), plusCommands_(KeywordTable::Case::Insensitive) {
    words_.add(kReservedWords, kWordReserved)
        .add(kPlsqlWords, kWordPlsql)
        .add(kDataTypes, kWordType)
        .add(kFunctions, kWordFunction)
        .add(kExceptions, kWordException)
        .add(kPackages, kWordPackage);
    plusCommands_.add(kPlusCommands, 0).add(kPlusSetOptions, 1);
    setRoles(CommentAttri, IdentifierAttri, KeyAttri, StringAttri, SpaceAttri, SymbolAttri);
}

void TSynSQLSyn::lineStarted() {
    firstWord_ = true;
    tableList_ = false;
    tableNext_ = false;
    remark_ = false;
    promptText_ = false;
    selectSeen_ = false;
}

// Through the closing quote (doubled quotes stand for one), or to the end of the line with the
// range kept open.
void TSynSQLSyn::scanQuoted(char quote, std::size_t kind, int range, std::size_t from) {
    std::size_t i = from;
    while (i < line_.size()) {
        if (line_[i] == quote) {
            if (at(i + 1) != static_cast<unsigned char>(quote)) {
                range_ = kCode;
                return token(i + 1, kind);
            }
            ++i;
        }
        ++i;
    }
    range_ = range;
    token(line_.size(), kind);
}

void TSynSQLSyn::scanToken() {
    switch (range_) {
    case kInComment:
        return blockComment(run_, "*/", kComment, kInComment, kCode);
    case kInConditional:
        return blockComment(run_, "*/", kConditional, kInConditional, kCode);
    case kInString:
        return scanQuoted('\'', kString, kInString, run_);
    case kInQuotedName:
        return scanQuoted('"', kDelimited, kInQuotedName, run_);
    case kInBacktickName:
        return scanQuoted('`', kDelimited, kInBacktickName, run_);
    default:
        break;
    }
    const unsigned char c = at(run_);
    if (chars::isBlank(c))
        return spaceToken(kSpace);
    if (remark_)
        return token(line_.size(), kComment);
    if (promptText_)
        return token(line_.size(), kString);
    // A "/" alone on its line runs the statement above in SQL*Plus.
    if (c == '/' && onlyBlanksBefore(run_) && skipBlanks(run_ + 1) == line_.size())
        return token(run_ + 1, kPlus);
    if (c == '-' && at(run_ + 1) == '-')
        return token(line_.size(), kComment);
    if (c == '/' && at(run_ + 1) == '*') {
        const bool conditional = at(run_ + 2) == '!' || at(run_ + 2) == '+';
        return conditional ? blockComment(run_ + 3, "*/", kConditional, kInConditional, kCode)
                           : blockComment(run_ + 2, "*/", kComment, kInComment, kCode);
    }
    if (c == '\'')
        return scanQuoted('\'', kString, kInString, run_ + 1);
    if (c == '"') {
        tableNext_ = false;
        return scanQuoted('"', kDelimited, kInQuotedName, run_ + 1);
    }
    if (c == '`')
        return scanQuoted('`', kDelimited, kInBacktickName, run_ + 1);
    // Bind variables (:name), host and session variables (@name, @@name) and SQL*Plus
    // substitution variables (&name, &&name).
    if ((c == ':' || c == '@' || c == '&') && !chars::isBlank(at(run_ + 1))) {
        std::size_t i = run_ + 1;
        if (at(i) == c && c != ':')
            ++i;
        const std::size_t end = runWhile(i, isIdent);
        if (end > i)
            return token(end, kVariable);
    }
    if (chars::isDigit(c) || (c == '.' && chars::isDigit(at(run_ + 1)))) {
        NumberSyntax sql;
        sql.hexPrefix = false;
        return token(scanNumber(line_, run_, sql).end, kNumber);
    }
    if (chars::isWordStart(c))
        return scanWord();
    // "a, b" lists more tables; "schema.table" qualifies one; anything else ends the list.
    if (c == ',' && tableList_)
        tableNext_ = true;
    else if (c != '.')
        tableList_ = tableNext_ = false;
    // Commas and dots steer the table list, ":" and "&" begin variables, "-" a comment.
    return symbolRun(kSymbol, ",.:&-");
}

void TSynSQLSyn::scanWord() {
    const std::size_t end = runWhile(run_, isIdent);
    const std::string_view word = line_.substr(run_, end - run_);
    const bool first = firstWord_ && onlyBlanksBefore(run_);
    firstWord_ = false;
    if (first) {
        const int command = plusCommands_.find(word);
        const bool set = word.size() == 3 && (word[0] | 0x20) == 's' && (word[1] | 0x20) == 'e' &&
                         (word[2] | 0x20) == 't';
        if (command == 0) {
            // REM makes the rest of the line a remark.
            remark_ = word.size() >= 3 && (word[0] | 0x20) == 'r' && (word[1] | 0x20) == 'e' &&
                      (word[2] | 0x20) == 'm';
            promptText_ = word.size() == 6 && (word[0] | 0x20) == 'p' && (word[1] | 0x20) == 'r' &&
                          (word[2] | 0x20) == 'o';
            return token(end, kPlus);
        }
        if (set) {
            const std::size_t next = skipBlanks(end);
            const std::size_t optionEnd = runWhile(next, isIdent);
            if (plusCommands_.find(line_.substr(next, optionEnd - next)) == 1)
                return token(end, kPlus);
        }
    }
    // A name after "%" is an attribute of a cursor or a column: %TYPE, %ROWTYPE, %FOUND.
    const bool attribute = run_ > 0 && at(run_ - 1) == '%';
    const int category = words_.find(word);
    if (category < 0 || attribute) {
        if (attribute)
            return token(end, category >= 0 ? kPlsql : kIdentifier);
        if (tableNext_) {
            // schema.table: the part after the dot is the table as well.
            tableNext_ = at(end) == '.';
            return token(end, kTable);
        }
        return token(end, kIdentifier); // a column, or a table's alias
    }
    // These words name a table next.
    auto is = [&](const char* w) {
        const std::string_view s(w);
        if (s.size() != word.size())
            return false;
        for (std::size_t i = 0; i < s.size(); ++i)
            if ((word[i] | 0x20) != s[i])
                return false;
        return true;
    };
    if (is("select"))
        selectSeen_ = true;
    if (is("from") || is("join") || (is("into") && !selectSeen_) || is("update") || is("table"))
        tableList_ = tableNext_ = true;
    else if (!is("as"))
        tableList_ = tableNext_ = false;
    switch (category) {
    case kWordReserved:
        return token(end, kReserved);
    case kWordPlsql:
        return token(end, kPlsql);
    case kWordType:
        return token(end, kDataType);
    case kWordFunction:
        return token(end, kFunction);
    case kWordException:
        return token(end, kException);
    default:
        return token(end, kPackage);
    }
}

} // namespace varlo
