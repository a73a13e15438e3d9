#pragma once

#include <cstdint>
#include <initializer_list>

namespace fw {

// A set of values of a small enumeration (at most 64 values), as the framework's properties use
// them: anchors, border icons, control styles and states, shift keys.
template <class E>
class TSet {
public:
    constexpr TSet() = default;
    constexpr TSet(std::initializer_list<E> values)
    {
        for (E v : values) bits_ |= Bit(v);
    }

    constexpr bool Contains(E v) const { return (bits_ & Bit(v)) != 0; }
    constexpr bool Empty() const { return bits_ == 0; }
    constexpr TSet& Include(E v)
    {
        bits_ |= Bit(v);
        return *this;
    }
    constexpr TSet& Exclude(E v)
    {
        bits_ &= ~Bit(v);
        return *this;
    }
    constexpr TSet& Set(E v, bool on) { return on ? Include(v) : Exclude(v); }

    constexpr TSet operator+(TSet o) const { return FromBits(bits_ | o.bits_); }
    constexpr TSet operator-(TSet o) const { return FromBits(bits_ & ~o.bits_); }
    constexpr TSet operator*(TSet o) const { return FromBits(bits_ & o.bits_); }
    constexpr TSet& operator+=(TSet o)
    {
        bits_ |= o.bits_;
        return *this;
    }
    constexpr TSet& operator-=(TSet o)
    {
        bits_ &= ~o.bits_;
        return *this;
    }
    constexpr bool operator==(const TSet&) const = default;

    constexpr std::uint64_t Bits() const { return bits_; }
    static constexpr TSet FromBits(std::uint64_t bits)
    {
        TSet s;
        s.bits_ = bits;
        return s;
    }

private:
    static constexpr std::uint64_t Bit(E v) { return std::uint64_t{1} << unsigned(v); }
    std::uint64_t bits_ = 0;
};

}  // namespace fw
