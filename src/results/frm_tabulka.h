// The results table: a panel over the game with the eight best of a level,
// taking the child's name when a new result enters.
#pragma once

#include "platform/surface.h"
#include "results/results_table.h"
#include "ui/form.h"

#include <array>

namespace bafo {

class FrmTabulka : public ui::Form {
public:
    FrmTabulka();
    // Runs the whole dialogue: shown modally from within its own load.
    void on_load() override;
    void on_activate() override;
    void on_mouse_move(const ui::MouseArgs& a) override;

    static constexpr int kWidth = 514, kHeight = 415;
    static constexpr Rect kNameCell{59, 78, 360, 33}, kNumberCell{421, 78, 69, 33};
    static constexpr int kRowStep = 35;
    static constexpr Rect kLevelAreas[4] = {{170, 25, 46, 66}, {235, 25, 46, 66}, {300, 25, 46, 66}, {460, 25, 26, 26}};
    static constexpr Point kCakeAt[3] = {{166, 20}, {231, 20}, {297, 20}};
    static constexpr Point kBackAt{457, 20};

    const ResultsTable& table() const { return m_table; }
    bool entering() const { return txt_jmeno.visible(); }
    Rect entry_box() const { return txt_jmeno.rect(); }

private:
    void serad_do_tabulky();
    void nakresli_dort(int level);
    void obnov_pozadi();
    void level_klik_Click(int k);
    void level_klik_MouseMove(int k);
    bool txt_jmeno_KeyDown(int key);
    void enable_cakes(bool on);

    ui::TextBox& txt_jmeno;
    std::array<ui::Label*, 9> lbl_jmeno{};
    std::array<ui::Label*, 9> lbl_body{};
    std::array<ui::HotArea*, 4> level_klik{};
    ui::PictureBox& zaloha_pozadi;

    ResultsTable m_table;
    std::array<Surface, 3> m_cakes;
    Surface m_back_lit, m_back_plain;
    bool m_back_marked = false;
};

// Hands a result to the table (32000: only show it) and returns when the
// child closes it; the table is unloaded again.
void ukaz_tabulku(const std::string& game_key, int level, int16_t result);

}  // namespace bafo
