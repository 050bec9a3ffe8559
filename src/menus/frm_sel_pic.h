// The picture chooser: ten thumbnails of one of six sets, a wheel to turn
// to the next set, and back to the menu.
#pragma once

#include "platform/surface.h"
#include "services/composition.h"
#include "ui/form.h"

#include <array>
#include <memory>

namespace bafo {

class FrmSelPic : public ui::Form {
public:
    FrmSelPic();
    void on_load() override;
    void on_activate() override;
    void on_mouse_move(const ui::MouseArgs& a) override;

    static constexpr Rect kAreas[12] = {
        {20, 545, 91, 46},   {110, 80, 176, 136}, {110, 235, 181, 131}, {110, 385, 181, 131},
        {310, 5, 181, 136},  {310, 160, 181, 131}, {310, 305, 181, 136}, {305, 460, 186, 131},
        {510, 85, 181, 131}, {510, 235, 181, 131}, {510, 385, 181, 131}, {710, 510, 71, 76}};
    static constexpr Point kBackLit{0, 520}, kWheel{703, 506};
    static constexpr int kThumbW = 168, kThumbH = 125;
    static Point thumbnail_at(int i);  // i = 1..10
    static std::string thumbnail_path(int set, int i, bool painting);
    static std::string picture_path(int set, int i, bool painting);

private:
    void vykresli_nahledy();
    void vykresli_kolecko();
    void klik_ico_Click(int k);
    void klik_ico_MouseMove(int k, const ui::MouseArgs& a);
    bool painting() const;

    std::array<ui::HotArea*, 12> klik_ico{};
    std::unique_ptr<Highlighter> m_highlight;
    Surface m_bg;
    std::array<Surface, 6> m_wheels;
};

}  // namespace bafo
