#include "editor/highlight/KeywordTable.h"

namespace varlo {

namespace {

constexpr unsigned char foldAscii(unsigned char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<unsigned char>(c - 'a' + 'A') : c;
}

} // namespace

std::uint32_t KeywordTable::hash(std::string_view word) const {
    std::uint32_t h = 2166136261u;
    for (char ch : word) {
        const auto c = static_cast<unsigned char>(ch);
        h = (h ^ (insensitive_ ? foldAscii(c) : c)) * 16777619u;
    }
    return h;
}

bool KeywordTable::same(std::string_view a, std::string_view b) const {
    if (a.size() != b.size())
        return false;
    if (!insensitive_)
        return a == b;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (foldAscii(static_cast<unsigned char>(a[i])) !=
            foldAscii(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

void KeywordTable::grow() {
    std::vector<Slot> old = std::move(slots_);
    slots_.assign(old.empty() ? 64 : old.size() * 2, Slot{});
    const std::size_t mask = slots_.size() - 1;
    for (auto& s : old) {
        if (s.word.empty())
            continue;
        std::size_t i = s.hash & mask;
        while (!slots_[i].word.empty())
            i = (i + 1) & mask;
        slots_[i] = std::move(s);
    }
}

KeywordTable& KeywordTable::add(std::string_view words, int category) {
    std::size_t i = 0;
    while (i < words.size()) {
        while (i < words.size() && static_cast<unsigned char>(words[i]) <= 32)
            ++i;
        std::size_t j = i;
        while (j < words.size() && static_cast<unsigned char>(words[j]) > 32)
            ++j;
        if (j > i) {
            const std::string_view word = words.substr(i, j - i);
            if (!contains(word)) {
                if ((count_ + 1) * 2 > slots_.size())
                    grow();
                const std::size_t mask = slots_.size() - 1;
                const std::uint32_t h = hash(word);
                std::size_t k = h & mask;
                while (!slots_[k].word.empty())
                    k = (k + 1) & mask;
                slots_[k] = Slot{std::string(word), category, h};
                ++count_;
                if (word.size() > longest_)
                    longest_ = word.size();
            }
        }
        i = j;
    }
    return *this;
}

int KeywordTable::find(std::string_view word) const {
    if (slots_.empty() || word.empty() || word.size() > longest_)
        return -1;
    const std::size_t mask = slots_.size() - 1;
    const std::uint32_t h = hash(word);
    for (std::size_t i = h & mask;; i = (i + 1) & mask) {
        const Slot& s = slots_[i];
        if (s.word.empty())
            return -1;
        if (s.hash == h && same(s.word, word))
            return s.category;
    }
}

} // namespace varlo
