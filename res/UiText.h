// Texts the user reads, in one place (code page 932 at run time).
#pragma once

namespace ui {

constexpr char kProductTitle[] = "ぴこもちＭＰ３プレーヤー";

// The ticker's line while no entry is current.
constexpr char kTickerBanner[] = "いまはなんにもえらばれてないよ～。きょくをいれてね♪";

// Exit confirmation (Yes / No).
constexpr char kExitText[] = "どうせすてるんでしょ？";
constexpr char kExitCaption[] = "きえてほしい？";

// A playlist entry whose file cannot be opened for playing (Yes / No); %s is the path.
constexpr char kMissingFileFormat[] = "ふぁいるがみつかんないです。このでーた、消しますか？\n[%s]";
constexpr char kMissingFileCaption[] = "ふぁいるのえら～だよ。";

// A file whose information cannot be read (OK).
constexpr char kOpenErrorText[] = "ふぁいるがおーぷんできなかったよ。";
constexpr char kOpenErrorCaption[] = "ふぁいるおーぷんえらー";

} // namespace ui
