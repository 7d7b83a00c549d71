#pragma once

namespace rw {

// How scripts are written: the user's own preferences, kept beside the
// program's other settings and never in a project. The defaults write the
// script exactly as it has always been written.
struct EnvironmentSettings {
    bool projectHeader = true; // "プロジェクトヘッダを出力": the title and author block
    bool comments = true;      // "コメントを出力する": the ";" comments of rows and events
    bool debugChat = false; // "デバッグ用チャットを出力する": each rule announces itself

    bool operator==(const EnvironmentSettings&) const = default;
};

} // namespace rw
