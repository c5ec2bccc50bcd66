// The main window's skin as one scene: the panel, its seven keys in any look, and the character,
// all fitted to the window outline and the button regions; and the program icon drawn from the
// same figure.
#pragma once

#include "tools/skingen/IconFile.h"
#include "tools/skingen/KeyArt.h"
#include "tools/skingen/Palette.h"
#include "tools/skingen/PixelMask.h"
#include "tools/skingen/SmoothDistance.h"

#include <array>
#include <vector>

namespace skingen {

constexpr int kWindowWidth = 233;
constexpr int kWindowHeight = 206;
const Rgb8 kKeyColour{204, 153, 0};

using KeyLooks = std::array<KeyLook, 7>;

struct PixelRect {
    int x, y, width, height;
};

class SkinScene {
public:
    SkinScene();

    // The part `area` of the window with its keys in `looks`: pixels outside the outline are
    // marked as key colour, every other pixel is painted.
    TrueColourImage Render(const KeyLooks& looks, PixelRect area) const;

    // The character's face on a transparent square of `size` pixels.
    IconImage RenderIcon(int size) const;

private:
    Rgb Sample(const KeyLooks& looks, Vec2 p) const;
    Rgb PanelColour(Vec2 p, double edge, double edgeAbove) const;
    // The key under `p` painted in its look, or the groove around a key; false elsewhere.
    bool PaintKeys(const KeyLooks& looks, Vec2 p, Rgb* colour) const;

    PixelMask m_outline;
    SmoothDistance m_smoothOutline;
    std::vector<PixelMask> m_buttons;
    std::vector<mainwnd::RunBounds> m_buttonBounds;
};

} // namespace skingen
