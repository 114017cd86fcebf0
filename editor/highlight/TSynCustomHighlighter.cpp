#include "editor/highlight/TSynCustomHighlighter.h"

#include <algorithm>
#include <stdexcept>

namespace varlo {

namespace {

// Display names are ordered and told apart without regard to ASCII letter case, so "Comment" and
// "comment" cannot both be attributes of one highlighter.
int compareNames(std::string_view a, std::string_view b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        auto fold = [](char ch) {
            return (ch >= 'a' && ch <= 'z') ? static_cast<unsigned char>(ch - 'a' + 'A')
                                            : static_cast<unsigned char>(ch);
        };
        const unsigned char ca = fold(a[i]);
        const unsigned char cb = fold(b[i]);
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

std::bitset<256> charSet(std::string_view chars) {
    std::bitset<256> set;
    for (char ch : chars)
        set.set(static_cast<unsigned char>(ch));
    return set;
}

} // namespace

TSynCustomHighlighter::TSynCustomHighlighter()
    : wordBreakChars_(charSet("!'()*+,-./:;=?[\\]^{|}\"")) {
    for (int c = 33; c <= 255; ++c)
        identChars_.set(static_cast<std::size_t>(c));
}

void TSynCustomHighlighter::setEnabled(bool on) {
    if (enabled_ == on)
        return;
    enabled_ = on;
    notifyChanged();
}

TSynHighlighterAttributes* TSynCustomHighlighter::attribute(std::string_view displayName) const {
    auto it = std::lower_bound(sorted_.begin(), sorted_.end(), displayName,
                               [](const TSynHighlighterAttributes* a, std::string_view name) {
                                   return compareNames(a->displayName(), name) < 0;
                               });
    if (it != sorted_.end() && compareNames((*it)->displayName(), displayName) == 0)
        return *it;
    return nullptr;
}

std::vector<const TSynHighlighterAttributes*>
TSynCustomHighlighter::attributesInCreationOrder() const {
    std::vector<const TSynHighlighterAttributes*> inOrder;
    inOrder.reserve(owned_.size());
    for (const auto& a : owned_)
        inOrder.push_back(a.get());
    return inOrder;
}

int TSynCustomHighlighter::addChangeListener(ChangeListener l) {
    const int id = nextListenerId_++;
    listeners_.emplace_back(id, std::move(l));
    return id;
}

void TSynCustomHighlighter::removeChangeListener(int id) {
    std::erase_if(listeners_, [id](const auto& entry) { return entry.first == id; });
}

TSynHighlighterAttributes*
TSynCustomHighlighter::addAttribute(std::unique_ptr<TSynHighlighterAttributes> a) {
    auto it = std::lower_bound(sorted_.begin(), sorted_.end(), a->displayName(),
                               [](const TSynHighlighterAttributes* x, const std::string& name) {
                                   return compareNames(x->displayName(), name) < 0;
                               });
    if (it != sorted_.end() && compareNames((*it)->displayName(), a->displayName()) == 0)
        throw std::logic_error("Duplicate highlighter attribute \"" + a->displayName() + "\"");
    TSynHighlighterAttributes* raw = a.get();
    raw->onChange = [this] { notifyChanged(); };
    sorted_.insert(it, raw);
    owned_.push_back(std::move(a));
    return raw;
}

void TSynCustomHighlighter::notifyChanged() {
    // A listener may add or remove listeners while it is told; it works on a copy.
    const auto listeners = listeners_;
    for (const auto& entry : listeners)
        entry.second();
}

} // namespace varlo
