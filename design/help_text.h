#pragma once

#include <array>
#include <string_view>

// The help text, one entry per printed line; an empty entry ends a line
// without text. Full-width spaces indent: one before a heading, eight before
// the start of a sentence and seven before its continuation.
inline constexpr std::array<std::string_view, 23> HelpLines = {
    "",
    "　【問　　題】",
    "　　　　　　　　ここにトランプが１組あります。",
    "　　　　　　　　ジョーカー２枚を除いて５２枚を使います。",
    "　　　　　　　　３の倍数は、スペード、クローバ、ダイヤ、ハートに、それぞれ ３ と ６ と ９ ",
    "　　　　　　　と １２ の４枚ずつあるので、４×４＝１６枚あります。",
    "　　　　　　　　この５２枚のトランプから１枚引いたとき、そのカードが３の倍数である確率",
    "　　　　　　　を考えます。",
    "　　　　　　　　５２枚のうち１６枚が３の倍数のカードなので、数学的には １６／５２ になり",
    "　　　　　　　ます。",
    "　　　　　　　　しかし、実際には、１枚ずつトランプを引いては戻すことを５２回行ったら、",
    "　　　　　　　３の倍数のカードがちょうど１６回出るということはありませんね。",
    "　　　　　　　　では、数学的に求めた理論上の確率の １６／５２ との関係はどうなってい",
    "　　　　　　　るのでしょうか。",
    "",
    "　【操作方法】",
    "　　　　　　　　手動でやる場合は、［トランプをきる］ボタンをクリックし、次に、［トランプを",
    "　　　　　　　引く］ボタンをクリックします。",
    "　　　　　　　　自動でやる場合は、［自動 Start］ボタンをクリックし、次に、［自動 Stop］",
    "　　　　　　　ボタンをクリックします。",
    "　　　　　　　　［グラフ表示］ボタンをクリックすると、実験回数と３の倍数のカードを引いた",
    "　　　　　　　割合の関係がグラフ表示されます。",
    "　　　　　　　　［初期化］ボタンをクリックすると、実験を最初からやり直せます。",
};
