// A buffer of the last N values: its memory is taken once, when it is made,
// and a push beyond N drops the oldest value, so a day of sampling costs no
// more than its first hour.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <vector>

template <typename T>
class TRingBuffer {
public:
    explicit TRingBuffer(std::size_t capacity) : slots_(capacity)
    {
        if (capacity == 0)
            throw std::invalid_argument("a ring buffer holds at least one value");
    }

    std::size_t Capacity() const { return slots_.size(); }
    std::size_t Size() const { return size_; }
    bool Empty() const { return size_ == 0; }

    void Push(const T& value)
    {
        slots_[(first_ + size_) % slots_.size()] = value;
        if (size_ < slots_.size())
            ++size_;
        else
            first_ = (first_ + 1) % slots_.size();
    }

    // i = 0 is the oldest value held, Size() - 1 the newest.
    const T& operator[](std::size_t i) const { return slots_[(first_ + i) % slots_.size()]; }
    const T& Newest() const { return (*this)[size_ - 1]; }

    void Clear()
    {
        first_ = 0;
        size_ = 0;
    }

    // The memory the values take, whether held or not.
    std::size_t Bytes() const { return slots_.capacity() * sizeof(T); }

private:
    std::vector<T> slots_;
    std::size_t first_ = 0;
    std::size_t size_ = 0;
};
