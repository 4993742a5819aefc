#pragma once

#include <cstddef>
#include <initializer_list>
#include <iterator>
#include <memory>
#include <utility>
#include <vector>

#include "world/Platform.h"

// The map's platforms in order, each at an address of its own for its whole life. The quad
// tree, what a player stands on and the results of collision queries point at platforms, so
// adding one must not move the others and removing one frees that one alone.
class PlatformList {
    using Slots = std::vector<std::unique_ptr<Platform>>;

    // Walks the slots as platforms.
    template <typename Slot, typename Value>
    class Walker {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = Platform;
        using difference_type = std::ptrdiff_t;
        using pointer = Value*;
        using reference = Value&;

        Walker() = default;
        explicit Walker(Slot slot) : slot_(slot) {}
        reference operator*() const { return **slot_; }
        pointer operator->() const { return slot_->get(); }
        Walker& operator++() {
            ++slot_;
            return *this;
        }
        Walker operator++(int) {
            Walker before = *this;
            ++slot_;
            return before;
        }
        bool operator==(const Walker& other) const { return slot_ == other.slot_; }

    private:
        Slot slot_{};
    };

public:
    using value_type = Platform;
    using iterator = Walker<Slots::iterator, Platform>;
    using const_iterator = Walker<Slots::const_iterator, const Platform>;

    PlatformList() = default;
    PlatformList(std::initializer_list<Platform> platforms) {
        for (const Platform& platform : platforms)
            push_back(platform);
    }
    // A copy is a new set of platforms, at addresses of their own.
    PlatformList(const PlatformList& other) {
        for (const Platform& platform : other)
            push_back(platform);
    }
    PlatformList& operator=(const PlatformList& other) {
        if (this != &other) *this = PlatformList(other);
        return *this;
    }
    PlatformList(PlatformList&&) noexcept = default;
    PlatformList& operator=(PlatformList&&) noexcept = default;
    ~PlatformList() = default;

    iterator begin() { return iterator(slots_.begin()); }
    iterator end() { return iterator(slots_.end()); }
    const_iterator begin() const { return const_iterator(slots_.begin()); }
    const_iterator end() const { return const_iterator(slots_.end()); }

    std::size_t size() const { return slots_.size(); }
    bool empty() const { return slots_.empty(); }
    void reserve(std::size_t count) { slots_.reserve(count); }
    void clear() { slots_.clear(); }

    Platform& operator[](std::size_t index) { return *slots_[index]; }
    const Platform& operator[](std::size_t index) const { return *slots_[index]; }
    Platform& at(std::size_t index) { return *slots_.at(index); }
    const Platform& at(std::size_t index) const { return *slots_.at(index); }
    Platform& front() { return *slots_.front(); }
    Platform& back() { return *slots_.back(); }

    template <typename... Args>
    Platform& emplace_back(Args&&... args) {
        return *slots_.emplace_back(std::make_unique<Platform>(std::forward<Args>(args)...));
    }
    void push_back(Platform platform) { emplace_back(std::move(platform)); }
    // Puts a platform before the one at `index` (at the end for the size); the others stay
    // where they are in memory.
    Platform& insert(std::size_t index, Platform platform) {
        const auto at = slots_.begin() + static_cast<std::ptrdiff_t>(index);
        return **slots_.insert(at, std::make_unique<Platform>(std::move(platform)));
    }
    // Frees the platform at `index`: whatever still points at it must have let go.
    void erase(std::size_t index) {
        slots_.erase(slots_.begin() + static_cast<std::ptrdiff_t>(index));
    }

private:
    Slots slots_;
};
