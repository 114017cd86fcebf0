#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace varlo {

// The tag names that the HTML highlighter shows as keys, in 251 buckets by name hash. The hash
// of a name is the sum of its letter values (A and a = 1 through Z and z = 26), 123 for "!",
// 122 for "/" and the numeric value of each digit; every name lies in the bucket of its hash.
class HtmlTagTable {
public:
    struct Row {
        int hash;
        std::string_view name; // upper case; closing names begin with "/"
    };
    static constexpr int kBucketCount = 251;
    static constexpr std::size_t kOpeningNames = 111;
    static constexpr std::size_t kClosingNames = 91;

    enum class Kind { Key, UndefinedKey, Identifier };

    static const std::array<Row, kOpeningNames + kClosingNames>& rows();
    static int hashOf(std::string_view name);
    // The kind of a scanned tag name whose hash is already known: a key when its bucket holds it
    // (letter case aside), an undefined key when the hash has a bucket, an identifier otherwise.
    static Kind classify(std::string_view name, int hash);
};

} // namespace varlo
