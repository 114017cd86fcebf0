#include "editor/highlight/HtmlTagTable.h"

namespace varlo {

namespace {

// Sorted by hash, so each bucket is one run of rows.
constexpr std::array<HtmlTagTable::Row, HtmlTagTable::kOpeningNames + HtmlTagTable::kClosingNames>
    kRows = {{
        {1, "A"},           {2, "B"},           {8, "DD"},
        {9, "H1"},          {9, "I"},           {10, "H2"},
        {11, "H3"},         {12, "H4"},         {13, "H5"},
        {14, "H6"},         {16, "DL"},         {16, "P"},
        {17, "KBD"},        {17, "Q"},          {18, "BIG"},
        {18, "EM"},         {18, "HEAD"},       {19, "S"},
        {20, "BR"},         {21, "BDO"},        {21, "DEL"},
        {21, "LI"},         {21, "U"},          {23, "ABBR"},
        {24, "DFN"},        {24, "DT"},         {24, "TD"},
        {25, "AREA"},       {26, "HR"},         {27, "BASE"},
        {27, "CODE"},       {27, "OL"},         {28, "TH"},
        {29, "EMBED"},      {29, "IMG"},        {30, "COL"},
        {30, "MAP"},        {31, "DIR"},        {32, "LABEL"},
        {33, "UL"},         {35, "DIV"},        {37, "CITE"},
        {38, "THEAD"},      {38, "TR"},         {39, "META"},
        {39, "PRE"},        {40, "TABLE"},      {40, "TT"},
        {41, "VAR"},        {42, "INS"},        {42, "SUB"},
        {43, "FRAME"},      {43, "WBR"},        {46, "BODY"},
        {46, "LINK"},       {47, "LEGEND"},     {48, "BLINK"},
        {49, "NOBR"},       {49, "PARAM"},      {49, "SAMP"},
        {50, "SPAN"},       {52, "FORM"},       {52, "IFRAME"},
        {53, "HTML"},       {53, "MENU"},       {53, "XMP"},
        {55, "FONT"},       {55, "OBJECT"},     {56, "SUP"},
        {57, "SMALL"},      {58, "NOEMBED"},    {61, "LAYER"},
        {62, "SPACER"},     {64, "SELECT"},     {65, "CENTER"},
        {66, "TBODY"},      {66, "TITLE"},      {67, "KEYGEN"},
        {70, "ADDRESS"},    {70, "APPLET"},     {70, "ILAYER"},
        {76, "NEXTID"},     {76, "TFOOT"},      {78, "CAPTION"},
        {80, "FIELDSET"},   {80, "INPUT"},      {80, "MARQUEE"},
        {81, "STYLE"},      {82, "BASEFONT"},   {82, "BGSOUND"},
        {82, "STRIKE"},     {83, "COMMENT"},    {84, "ISINDEX"},
        {85, "SCRIPT"},     {87, "FRAMESET"},   {87, "SERVER"},
        {89, "ACRONYM"},    {89, "OPTION"},     {90, "LISTING"},
        {90, "NOLAYER"},    {91, "NOFRAMES"},   {92, "BUTTON"},
        {93, "STRONG"},     {94, "TEXTAREA"},   {105, "MULTICOL"},
        {107, "COLGROUP"},  {114, "NOSCRIPT"},  {121, "BLOCKQUOTE"},
        {121, "PLAINTEXT"}, {123, "/A"},        {124, "/B"},
        {128, "OPTGROUP"},  {130, "/DD"},       {131, "/H1"},
        {131, "/I"},        {132, "/H2"},       {133, "/H3"},
        {134, "/H4"},       {135, "/H5"},       {136, "/H6"},
        {138, "/DL"},       {138, "/P"},        {139, "/KBD"},
        {139, "/Q"},        {140, "/BIG"},      {140, "/EM"},
        {140, "/HEAD"},     {141, "/S"},        {143, "/BDO"},
        {143, "/DEL"},      {143, "/LI"},       {143, "/U"},
        {145, "/ABBR"},     {146, "/DFN"},      {146, "/DT"},
        {146, "/TD"},       {149, "/CODE"},     {149, "/OL"},
        {150, "/TH"},       {151, "/EMBED"},    {152, "/MAP"},
        {153, "/DIR"},      {154, "/LABEL"},    {155, "/UL"},
        {157, "/DIV"},      {159, "/CITE"},     {160, "/THEAD"},
        {160, "/TR"},       {161, "/PRE"},      {162, "/TABLE"},
        {162, "/TT"},       {163, "/VAR"},      {164, "/INS"},
        {164, "/SUB"},      {168, "/BODY"},     {169, "/LEGEND"},
        {170, "/BLINK"},    {171, "/NOBR"},     {171, "/SAMP"},
        {172, "/SPAN"},     {174, "/FORM"},     {174, "/IFRAME"},
        {175, "/HTML"},     {175, "/MENU"},     {175, "/XMP"},
        {177, "/FONT"},     {177, "/OBJECT"},   {178, "/SUP"},
        {179, "/SMALL"},    {180, "/NOEMBED"},  {183, "/LAYER"},
        {186, "/SELECT"},   {187, "/CENTER"},   {188, "/TBODY"},
        {188, "/TITLE"},    {192, "/ADDRESS"},  {192, "/APPLET"},
        {192, "/ILAYER"},   {198, "/TFOOT"},    {200, "/CAPTION"},
        {202, "/FIELDSET"}, {202, "/MARQUEE"},  {203, "/STYLE"},
        {204, "/STRIKE"},   {205, "/COMMENT"},  {207, "/SCRIPT"},
        {209, "/FRAMESET"}, {209, "/SERVER"},   {211, "!DOCTYPE"},
        {211, "/ACRONYM"},  {211, "/OPTION"},   {212, "/LISTING"},
        {212, "/NOLAYER"},  {213, "/NOFRAMES"}, {214, "/BUTTON"},
        {215, "/STRONG"},   {216, "/TEXTAREA"}, {227, "/MULTICOL"},
        {229, "/COLGROUP"}, {236, "/NOSCRIPT"}, {243, "/BLOCKQUOTE"},
        {250, "/OPTGROUP"},
    }};

constexpr bool sortedByHash() {
    for (std::size_t i = 1; i < kRows.size(); ++i)
        if (kRows[i - 1].hash > kRows[i].hash)
            return false;
    return kRows.back().hash < HtmlTagTable::kBucketCount;
}
static_assert(sortedByHash());

// kBucketStart[h] .. kBucketStart[h + 1] are the rows of bucket h.
constexpr std::array<unsigned char, HtmlTagTable::kBucketCount + 1> makeBucketStarts() {
    std::array<unsigned char, HtmlTagTable::kBucketCount + 1> starts{};
    std::size_t row = 0;
    for (int h = 0; h <= HtmlTagTable::kBucketCount; ++h) {
        while (row < kRows.size() && kRows[row].hash < h)
            ++row;
        starts[static_cast<std::size_t>(h)] = static_cast<unsigned char>(row);
    }
    return starts;
}
constexpr auto kBucketStart = makeBucketStarts();

constexpr unsigned char upper(unsigned char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<unsigned char>(c - 'a' + 'A') : c;
}

bool sameName(std::string_view scanned, std::string_view key) {
    for (std::size_t i = 0; i < key.size(); ++i)
        if (upper(static_cast<unsigned char>(scanned[i])) != static_cast<unsigned char>(key[i]))
            return false;
    return true;
}

} // namespace

const std::array<HtmlTagTable::Row, HtmlTagTable::kOpeningNames + HtmlTagTable::kClosingNames>&
HtmlTagTable::rows() {
    return kRows;
}

int HtmlTagTable::hashOf(std::string_view name) {
    int hash = 0;
    for (char ch : name) {
        const unsigned char c = upper(static_cast<unsigned char>(ch));
        if (c >= 'A' && c <= 'Z')
            hash += c - 'A' + 1;
        else if (c == '!')
            hash += 123;
        else if (c == '/')
            hash += 122;
        else if (c >= '0' && c <= '9')
            hash += c - '0';
    }
    return hash;
}

HtmlTagTable::Kind HtmlTagTable::classify(std::string_view name, int hash) {
    if (hash < 0 || hash >= kBucketCount)
        return Kind::Identifier;
    const auto h = static_cast<std::size_t>(hash);
    for (std::size_t i = kBucketStart[h]; i < kBucketStart[h + 1]; ++i)
        if (kRows[i].name.size() == name.size() && sameName(name, kRows[i].name))
            return Kind::Key;
    return Kind::UndefinedKey;
}

} // namespace varlo
