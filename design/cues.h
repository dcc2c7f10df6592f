#pragma once

// The sound cues' files, named without a directory. The build copies them
// beside the program and into the package, and the page embeds them, all by
// the names written here.
inline constexpr const char* InitCue = "pinpon.wav";    // HELP and 初期化
inline constexpr const char* ExitCue = "endpinpon.wav"; // 終了
