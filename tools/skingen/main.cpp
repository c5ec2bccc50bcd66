// Writes the main window's skin bitmaps, the ticker's bitmaps, the mini window's figure, the
// program icon and the editor's row marks into one folder:
//   skingen <folder>
// The output depends on nothing but this program and the run tables, so the committed files in
// res/ can be checked against a fresh run.
#include "tools/skingen/BmpFile.h"
#include "tools/skingen/IconFile.h"
#include "tools/skingen/MiniArt.h"
#include "tools/skingen/RowIcons.h"
#include "tools/skingen/SkinScene.h"
#include "tools/skingen/TickerArt.h"

#include <cstdio>
#include <string>

using namespace skingen;

namespace {

KeyLooks AllKeys(KeyLook look) {
    KeyLooks looks;
    looks.fill(look);
    return looks;
}

KeyLooks PausedKey() {
    KeyLooks looks = AllKeys(KeyLook::Idle);
    looks[mainwnd::BUTTON_PLAYPAUSE] = KeyLook::Paused;
    return looks;
}

struct SkinBitmap {
    const char* fileName;
    KeyLooks looks;
    PixelRect area; // in the window; the state images are drawn at (14, 50)
};

const SkinBitmap kBitmaps[] = {
    {"back.bmp", AllKeys(KeyLook::Idle), {0, 0, kWindowWidth, kWindowHeight}},
    {"pressed.bmp", AllKeys(KeyLook::Pressed), {14, 50, 110, 132}},
    {"playing.bmp", AllKeys(KeyLook::Lit), {14, 50, 110, 132}},
    {"pressed_lit.bmp", AllKeys(KeyLook::PressedLit), {14, 50, 110, 132}},
    {"paused.bmp", PausedKey(), {14, 50, 110, 42}},
};

const int kIconSizes[] = {16, 24, 32, 48, 64};

bool Write(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    if (WriteFileBytes(path, bytes)) return true;
    std::fprintf(stderr, "skingen: cannot write %s\n", path.c_str());
    return false;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: skingen <output folder>\n");
        return 2;
    }
    const std::string folder = std::string(argv[1]) + "/";
    const SkinScene scene;

    std::vector<TrueColourImage> images;
    for (const SkinBitmap& bitmap : kBitmaps)
        images.push_back(scene.Render(bitmap.looks, bitmap.area));
    std::vector<const TrueColourImage*> all;
    for (const TrueColourImage& image : images)
        all.push_back(&image);
    const SharedPalette palette(all, kKeyColour);

    bool ok = true;
    for (size_t i = 0; i < images.size(); ++i)
        ok = Write(folder + kBitmaps[i].fileName, EncodeBmp8(palette.Apply(images[i]))) && ok;

    std::vector<IconImage> icons;
    for (int size : kIconSizes)
        icons.push_back(scene.RenderIcon(size));
    ok = Write(folder + "player.ico", EncodeIco(icons)) && ok;
    ok = Write(folder + "row.ico", EncodeIco({RowIcon()})) && ok;
    ok = Write(folder + "current_row.ico", EncodeIco({CurrentRowIcon()})) && ok;

    for (const NamedBitmap& bitmap : DrawTickerBitmaps())
        ok = Write(folder + bitmap.fileName, EncodeBmp8(bitmap.image)) && ok;
    ok = Write(folder + "mini.bmp", EncodeBmp8(DrawMiniBitmap())) && ok;
    return ok ? 0 : 1;
}
