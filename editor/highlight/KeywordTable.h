#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace varlo {

// A set of words, each with a small category number, looked up with one hash and, as a rule, one
// comparison. Words are compared exactly or without regard to ASCII letter case.
class KeywordTable {
public:
    enum class Case { Sensitive, Insensitive };

    explicit KeywordTable(Case matching) : insensitive_(matching == Case::Insensitive) {}

    // Adds the blank-separated words of `words` under `category`; a word already present keeps its
    // first category.
    KeywordTable& add(std::string_view words, int category = 0);
    // The word's category, or -1 when the word is not in the table.
    int find(std::string_view word) const;
    bool contains(std::string_view word) const { return find(word) >= 0; }
    std::size_t size() const { return count_; }

private:
    struct Slot {
        std::string word; // empty: free
        int category = -1;
        std::uint32_t hash = 0;
    };
    std::uint32_t hash(std::string_view word) const;
    bool same(std::string_view a, std::string_view b) const;
    void grow();

    // invariant: slots_.size() is a power of two and at least twice count_
    std::vector<Slot> slots_;
    std::size_t count_ = 0;
    std::size_t longest_ = 0;
    bool insensitive_;
};

} // namespace varlo
