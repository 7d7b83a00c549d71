#pragma once

#include <QString>
#include <QStringView>

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
        constexpr std::uint64_t kMix = 0x9E3779B97F4A7C15ull;
        const char* bytes = reinterpret_cast<const char*>(word.utf16());
        std::size_t left = std::size_t(word.size()) * 2;
        std::uint64_t hash = left * kMix;
        for (; left >= 8; bytes += 8, left -= 8) {
            std::uint64_t chunk;
            std::memcpy(&chunk, bytes, 8);
            hash = (hash ^ chunk) * kMix;
            hash ^= hash >> 32;
        }
        if (left > 0) {
            std::uint64_t chunk = 0;
            std::memcpy(&chunk, bytes, left);
            hash = (hash ^ chunk) * kMix;
            hash ^= hash >> 32;
        }
        return std::size_t(hash);
    }
};

struct WordEqual {
    using is_transparent = void;
    bool operator()(QStringView a, QStringView b) const noexcept { return a == b; }
};

template <typename T> using WordMap = std::unordered_map<QString, T, WordHash, WordEqual>;
using WordSet = std::unordered_set<QString, WordHash, WordEqual>;

} // namespace rw
