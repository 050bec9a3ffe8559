// The colouring book: a page on the canvas, the palette down both sides,
// the tools along the bottom, undo, a clean sheet after Bafo asks, and the
// way back to the pictures.
#pragma once

#include "paint/paint_canvas.h"
#include "services/composition.h"
#include "ui/form.h"

#include <array>
#include <memory>

namespace bafo {

class FrmMalovani : public ui::Form {
public:
    FrmMalovani();
    void on_load() override;
    void on_activate() override;
    void on_mouse_move(const ui::MouseArgs& a) override;

    static constexpr Rect kCanvas{80, 0, 640, 480};
    static constexpr Rect kIconAreas[14] = {
        {38, 500, 71, 56},  {115, 500, 66, 56}, {185, 500, 66, 56}, {255, 500, 66, 56}, {330, 500, 71, 56},
        {410, 500, 76, 56}, {490, 500, 66, 56}, {565, 500, 61, 56}, {635, 500, 61, 61}, {705, 500, 61, 61},
        {5, 565, 71, 31},   {395, 560, 51, 41}, {450, 560, 51, 41}, {745, 560, 51, 41}};
    static constexpr Point kBackLit{0, 561}, kAlbumLit{744, 560};
    static constexpr Point kPanel{356, 425};
    static constexpr Rect kYes{30, 15, 41, 36}, kNo{30, 75, 41, 26};
    static constexpr Point kYesLit{24, 12}, kNoLit{24, 71};
    static constexpr Point kMouth{86, 16};
    static constexpr Point kWidthFrom{38, 549}, kWidthTo{62, 549};
    static Rect swatch(int i);

    // What tests look at.
    const PaintCanvas& model() const { return m_paint; }
    uint32_t swatch_colour(int i) const;
    bool asking() const { return otazka_pic.visible(); }

    // A painting from the album replaces the canvas and its undo snapshot;
    // the tool, colours and width stay.
    void open_painting(const Surface& painting);

    // The tool set-up and the icons, as the screen's operations name them.
    void zobraz_ikony();
    void zapni_aktivni_ikonu();
    void vypni_aktivni_ikonu();
    void obarvi_objekty();

private:
    class Previews;
    void klik_iko_Click(int k);
    void klik_iko_MouseMove(int k, const ui::MouseArgs& a);
    void klik_color_MouseDown(int i);
    void canvas_changed(const Rect& r);
    void show_previews();
    void enable_input(bool on);
    void otazka_click_MouseMove(int b);
    void otazka_click_Click(int b);
    void otazka_pic_MouseMove();
    void redraw_icon_bar();

    PaintCanvas m_paint;
    ui::PictureBox& main_pic;
    Previews* m_previews = nullptr;
    ui::PictureBox& zdroj;
    ui::PictureBox& otazka_pic;
    std::array<ui::HotArea*, 14> klik_iko{};
    std::array<ui::HotArea*, 32> klik_color{};
    std::array<ui::HotArea*, 2> otazka_click{};
    std::array<Surface, 10> ikony_vypnute, ikony_zapnute;
    std::array<Point, 10> pozice_ikon{};
    std::unique_ptr<Highlighter> m_highlight;
    Surface m_otazka;
    YesNoLights m_lights;
};

}  // namespace bafo
