#pragma once

#include <algorithm>
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>
#include <type_traits>

namespace varlo {

// A gap buffer of trivially copyable values. Insertions and deletions near the previous one cost
// O(1) amortised; the gap moves with memmove. Growth goes through realloc, which for large blocks
// remaps pages instead of copying, so loading a large document never holds two copies at once.
// invariant: lengthBody + gapLength == capacity; the gap is [part1Length, part1Length + gapLength)
template <typename T> class SplitVector {
    static_assert(std::is_trivially_copyable_v<T>);

public:
    using Index = std::ptrdiff_t;

    SplitVector() = default;
    SplitVector(const SplitVector&) = delete;
    SplitVector& operator=(const SplitVector&) = delete;
    SplitVector(SplitVector&& o) noexcept { swap(o); }
    SplitVector& operator=(SplitVector&& o) noexcept {
        swap(o);
        return *this;
    }
    ~SplitVector() { std::free(body_); }

    Index size() const { return lengthBody_; }
    bool empty() const { return lengthBody_ == 0; }

    T operator[](Index i) const {
        assert(i >= 0 && i < lengthBody_);
        return i < part1Length_ ? body_[i] : body_[i + gapLength_];
    }
    T& at(Index i) {
        assert(i >= 0 && i < lengthBody_);
        return i < part1Length_ ? body_[i] : body_[i + gapLength_];
    }

    void insert(Index pos, const T* values, Index n) {
        if (n <= 0)
            return;
        prepareInsert(pos, n);
        std::memcpy(body_ + part1Length_, values, static_cast<std::size_t>(n) * sizeof(T));
        commitInsert(n);
    }
    void insertFill(Index pos, Index n, T value) {
        if (n <= 0)
            return;
        prepareInsert(pos, n);
        std::fill_n(body_ + part1Length_, n, value);
        commitInsert(n);
    }
    void erase(Index pos, Index n) {
        assert(pos >= 0 && n >= 0 && pos + n <= lengthBody_);
        if (n == 0)
            return;
        if (pos == 0 && n == lengthBody_) {
            part1Length_ = 0;
            gapLength_ += lengthBody_;
            lengthBody_ = 0;
            return;
        }
        moveGap(pos);
        gapLength_ += n;
        lengthBody_ -= n;
    }
    void clear() { erase(0, lengthBody_); }

    // Copies n values starting at pos into dest.
    void copyOut(Index pos, Index n, T* dest) const {
        assert(pos >= 0 && n >= 0 && pos + n <= lengthBody_);
        const Index first = std::clamp<Index>(part1Length_ - pos, 0, n);
        if (first > 0)
            std::memcpy(dest, body_ + pos, static_cast<std::size_t>(first) * sizeof(T));
        if (n > first)
            std::memcpy(dest + first, body_ + pos + first + gapLength_,
                        static_cast<std::size_t>(n - first) * sizeof(T));
    }

    // The n values from pos as one contiguous run, or nullptr when the gap splits them.
    const T* contiguous(Index pos, Index n) const {
        if (pos + n <= part1Length_)
            return body_ + pos;
        if (pos >= part1Length_)
            return body_ + pos + gapLength_;
        return n == 0 ? body_ + pos : nullptr;
    }

    // Adds delta to n values starting at pos (used for the line starts).
    void rangeAddDelta(Index pos, Index n, T delta) {
        Index i = pos;
        const Index end = pos + n;
        const Index split = std::min(end, part1Length_);
        for (; i < split; ++i)
            body_[i] += delta;
        for (; i < end; ++i)
            body_[i + gapLength_] += delta;
    }

    // Bytes held, the gap included.
    std::size_t capacityBytes() const {
        return static_cast<std::size_t>(lengthBody_ + gapLength_) * sizeof(T);
    }

private:
    void swap(SplitVector& o) noexcept {
        std::swap(body_, o.body_);
        std::swap(lengthBody_, o.lengthBody_);
        std::swap(part1Length_, o.part1Length_);
        std::swap(gapLength_, o.gapLength_);
    }
    void moveGap(Index pos) {
        if (pos == part1Length_)
            return;
        if (pos < part1Length_) {
            std::memmove(body_ + pos + gapLength_, body_ + pos,
                         static_cast<std::size_t>(part1Length_ - pos) * sizeof(T));
        } else {
            std::memmove(body_ + part1Length_, body_ + part1Length_ + gapLength_,
                         static_cast<std::size_t>(pos - part1Length_) * sizeof(T));
        }
        part1Length_ = pos;
    }
    void prepareInsert(Index pos, Index n) {
        assert(pos >= 0 && pos <= lengthBody_);
        if (gapLength_ < n) {
            // Move the gap to the end first so that realloc keeps the data in place.
            moveGap(lengthBody_);
            const Index capacity = lengthBody_ + gapLength_;
            const Index wanted = std::max<Index>(lengthBody_ + n, capacity + capacity / 2 + 16);
            void* grown = std::realloc(body_, static_cast<std::size_t>(wanted) * sizeof(T));
            if (!grown)
                throw std::bad_alloc();
            body_ = static_cast<T*>(grown);
            gapLength_ = wanted - lengthBody_;
        }
        moveGap(pos);
    }
    void commitInsert(Index n) {
        part1Length_ += n;
        gapLength_ -= n;
        lengthBody_ += n;
    }

    T* body_ = nullptr;
    Index lengthBody_ = 0;
    Index part1Length_ = 0;
    Index gapLength_ = 0;
};

} // namespace varlo
