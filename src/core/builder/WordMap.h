#pragma once

#include <QString>
#include <QStringView>

#include <cstddef>
#include <cstdint>
#include <unordered_map>

namespace rw {

// Words of the rule language are short and looked up by the hundred
// thousand in a large project: a plain FNV-1a over the UTF-16 units, and
// lookups by view, so that no word is copied to be found.
struct WordHash {
    using is_transparent = void;
    std::size_t operator()(QStringView word) const noexcept {
        std::uint64_t hash = 14695981039346656037ull;
        for (const QChar c : word)
            hash = (hash ^ c.unicode()) * 1099511628211ull;
        return std::size_t(hash);
    }
};

struct WordEqual {
    using is_transparent = void;
    bool operator()(QStringView a, QStringView b) const noexcept { return a == b; }
};

template <typename T> using WordMap = std::unordered_map<QString, T, WordHash, WordEqual>;

} // namespace rw
