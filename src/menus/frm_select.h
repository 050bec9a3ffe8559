// The main menu: nine balloons around Bafo, each a game; Bafo asks before
// the child leaves.
#pragma once

#include "platform/surface.h"
#include "services/composition.h"
#include "ui/form.h"

#include <array>
#include <optional>
#include <vector>

namespace bafo {

class FrmSelect : public ui::Form {
public:
    FrmSelect();
    void on_load() override;
    void on_activate() override;
    void on_mouse_move(const ui::MouseArgs& a) override;
    void on_mouse_up(const ui::MouseArgs& a) override;

    // What tests look at.
    int hovered() const { return m_hovered; }
    static constexpr Rect kAreas[10] = {
        {185, 10, 136, 146}, {395, 0, 131, 136},  {540, 75, 126, 141}, {610, 205, 141, 151},
        {555, 370, 146, 156}, {360, 440, 151, 151}, {175, 415, 146, 151}, {50, 290, 141, 161},
        {30, 135, 141, 151},  {275, 165, 196, 276}};
    static constexpr Point kPanel{170, 175};
    static constexpr Rect kYes{30, 15, 41, 36}, kNo{30, 75, 41, 26};
    static constexpr Point kYesLit{24, 12}, kNoLit{24, 71};
    static constexpr Point kMouth{326, 299};

private:
    void klik_plocha_MouseMove(int k);
    void klik_plocha_MouseUp(int k, const ui::MouseArgs& a);
    void otazka_click_MouseMove(int b);
    void otazka_click_Click(int b);
    void otazka_pic_MouseMove();
    void vrat_pozadi();
    void enable_areas(bool on);
    Point pozice(int balloon);
    void chyba_nacteni(int err);

    std::array<ui::HotArea*, 10> klik_plocha{};
    ui::PictureBox& zdroj;
    ui::PictureBox& zaloha_pozadi;
    ui::PictureBox& otazka_pic;
    std::array<ui::HotArea*, 2> otazka_click{};

    std::vector<std::optional<Point>> m_pos;
    bool m_intro_done = false;
    int m_hovered = 99;
    int m_intro_delay = 250;
    Surface m_otazka;
    YesNoLights m_lights;
};

}  // namespace bafo
