// Every text the game shows in its level and status labels (UTF-8).
#pragma once

#include <string>
#include <string_view>

namespace veldamo::texts {

inline constexpr std::string_view kLevelBeginner = "難易度：初級";
inline constexpr std::string_view kLevelAdvanced = "難易度：上級";
inline constexpr std::string_view kGreeting =
    "陰極まれば陽に転じ\n 陽極まれば陰に転ず\n  陰陽和して大極に至る";
inline constexpr std::string_view kRestorePlease = "このパンダを\n元に戻してください";
inline constexpr std::string_view kMixed =
    "陰陽の気が乱れている\nこのままではパンダが\n死んでしまう";
inline constexpr std::string_view kWinHead = "おめでとうございます！\nパンダは元に戻りました\n所要時間[ ";
inline constexpr std::string_view kWinTail = " 秒]";
inline constexpr std::string_view kAllBlack = "これじゃ、ただのクマだよ";
inline constexpr std::string_view kAllWhite = "白いパンダにして\n全部ならべるつもり？";

// The win text for a time text such as "12.3".
std::string WinText(std::string_view time_text);

}  // namespace veldamo::texts
