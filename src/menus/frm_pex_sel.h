// The memory game's set chooser: four card sets and back to the menu.
#pragma once

#include "services/composition.h"
#include "ui/form.h"

#include <array>
#include <memory>

namespace bafo {

class FrmPexSel : public ui::Form {
public:
    FrmPexSel();
    void on_load() override;
    void on_activate() override;
    void on_mouse_move(const ui::MouseArgs& a) override;

    static constexpr Rect kAreas[5] = {
        {20, 540, 86, 51}, {180, 85, 211, 206}, {410, 80, 211, 206}, {180, 310, 211, 206}, {410, 310, 211, 206}};
    static constexpr Point kLit[5] = {{0, 515}, {180, 78}, {410, 78}, {180, 308}, {410, 308}};

private:
    void klik_ico_Click(int k);

    std::array<ui::HotArea*, 5> klik_ico{};
    std::unique_ptr<Highlighter> m_highlight;
};

}  // namespace bafo
