#pragma once

#include <QString>
#include <QStringView>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <unordered_map>
#include <unordered_set>

namespace rw {

// Words and short texts of the rule language are looked up by the hundred
// thousand in a large project: a hash that takes four UTF-16 units at a
// step, and lookups by view, so that nothing is copied to be found.
struct WordHash {
    using is_transparent = void;
    std::size_t operator()(QStringView word) const noexcept {
        // Two lanes of eight bytes each, so that the multiplications of a
        // step do not wait for each other.
        constexpr std::uint64_t kMix = 0x9E3779B97F4A7C15ull;
        constexpr std::uint64_t kOther = 0xC2B2AE3D27D4EB4Full;
        const char* bytes = reinterpret_cast<const char*>(word.utf16());
        std::size_t left = std::size_t(word.size()) * 2;
        std::uint64_t a = left * kMix, b = kOther;
        for (; left >= 16; bytes += 16, left -= 16) {
            std::uint64_t x, y;
            std::memcpy(&x, bytes, 8);
            std::memcpy(&y, bytes + 8, 8);
            a = (a ^ x) * kMix;
            b = (b ^ y) * kOther;
            a ^= a >> 29;
            b ^= b >> 31;
        }
        std::uint64_t x = 0, y = 0;
        if (left > 0)
            std::memcpy(&x, bytes, std::min<std::size_t>(left, 8));
        if (left > 8)
            std::memcpy(&y, bytes + 8, left - 8);
        a = (a ^ x) * kMix;
        b = (b ^ y) * kOther;
        const std::uint64_t hash = (a ^ (b >> 32) ^ (b << 32)) * kMix;
        return std::size_t(hash ^ (hash >> 32));
    }
};

struct WordEqual {
    using is_transparent = void;
    bool operator()(QStringView a, QStringView b) const noexcept { return a == b; }
};

template <typename T> using WordMap = std::unordered_map<QString, T, WordHash, WordEqual>;
using WordSet = std::unordered_set<QString, WordHash, WordEqual>;

} // namespace rw
