// Texts the user reads, in one place (code page 932 at run time).
#pragma once

namespace ui {

constexpr char kProductTitle[] = "ぴこもちＭＰ３プレーヤー";

// The ticker's line while no entry is current.
constexpr char kTickerBanner[] = "いまはなんにもえらばれてないよ～。きょくをいれてね♪";

// The ticker's band, for a moment after the volume changed; %d is the new volume in percent.
constexpr char kVolumeFormat[] = "おとのおおきさ %d％";

// Exit confirmation (Yes / No).
constexpr char kExitText[] = "どうせすてるんでしょ？";
constexpr char kExitCaption[] = "きえてほしい？";

// A playlist entry whose file cannot be opened for playing (Yes / No); %s is the path.
constexpr char kMissingFileFormat[] = "ふぁいるがみつかんないです。このでーた、消しますか？\n[%s]";
constexpr char kMissingFileCaption[] = "ふぁいるのえら～だよ。";

// A file whose information cannot be read (OK).
constexpr char kOpenErrorText[] = "ふぁいるがおーぷんできなかったよ。";
constexpr char kOpenErrorCaption[] = "ふぁいるおーぷんえらー";

// A track the user asked for cannot play: no sound device, or one that another program holds
// (OK).
constexpr char kNoSoundText[] = "おとがでないよ。すぴーかーか、ほかのそふとをみてみてね。";
constexpr char kNoSoundCaption[] = "おとのえら～だよ。";

// The playlist editor's title.
constexpr char kPlaylistTitle[] = "聴きたい曲";
// The file-open dialog's filter: label and pattern pairs, each ended by '|', then one more '|'.
constexpr char kMp3Filter[] = "おんがくふぁいる(*.mp3)|*.mp3||";
// More files chosen at once than the file dialog's name buffer holds (OK).
constexpr char kTooManyFilesText[] = "いっぺんにえらびすぎだよ。もうちょっとへらしてね。";
constexpr char kTooManyFilesCaption[] = "えらびすぎえらー";

// A file whose name has no form the player can hold (OK).
constexpr char kUnusableNameText[] = "このふぁいるのなまえはむずかしくてよめないよ。ごめんね。";
constexpr char kUnusableNameCaption[] = "なまえのえら～だよ。";

// The player's own code failed and it ends at once, leaving the playlist as it was saved (OK).
constexpr char kFatalErrorText[] =
    "ごめんね、ぷれいやーのなかでたいへんなことがおきちゃった。ここでおわるね。"
    "ぷれいりすとはまえのままだよ。";
constexpr char kFatalErrorCaption[] = "たいへんなえら～だよ。";

} // namespace ui
