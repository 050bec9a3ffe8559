// The memory game: face-down cards in four rows, two turned per attempt; a
// pair leaves the table, a wrong pair waits face up for the next card. The
// result is the number of attempts.
#pragma once

#include "games/pexeso_table.h"
#include "platform/surface.h"
#include "services/composition.h"
#include "ui/form.h"

#include <array>
#include <memory>
#include <vector>

namespace bafo {

class FrmPexeso : public ui::Form {
public:
    FrmPexeso();
    void on_load() override;
    void on_activate() override;
    void on_mouse_move(const ui::MouseArgs& a) override;

    static constexpr Rect kAreas[6] = {{15, 545, 87, 52}, {245, 540, 72, 57}, {515, 515, 57, 82},
                                       {740, 515, 57, 82}, {745, 10, 57, 77},  {5, 0, 62, 57}};
    static constexpr Point kLit[6] = {{0, 515}, {243, 509}, {512, 515}, {732, 509}, {744, 0}, {0, 0}};
    static constexpr Rect kAttempts{375, 25, 50, 30};
    static constexpr int kTop = 58;
    // Milliseconds a frame or a card takes.
    static constexpr uint32_t kTurnFrame = 5, kRemoveFrame = 15, kShowAllCard = 25, kDealCard = 50;

    // What tests look at.
    const PexesoTable& table() const { return m_table; }
    int level() const { return m_level; }
    Rect card_rect(int card) const;
    bool card_takes_clicks(int card) const;
    const std::string& attempts_text() const;
    bool show_all_enabled() const { return cmd_label[4]->enabled(); }
    const Surface& table_background() const { return zaloha_pozadi; }

private:
    // The card table.
    void naloaduj_klikaci_karticky();
    void unloaduj_klikaci_karticky();
    void rozdej_od_zacatku();
    void odkryj_karticku(int card);
    void vrat_karticky(int first, int second);
    void vyhod_karticky(int first, int second);
    void odkryj_vsechny_karticky();
    void vyhod_vsechny_karticky();
    void klik_karta_Click(int card);
    void konec_hry();
    // One animation frame of a card: the table under it, then `pic` squeezed
    // into `into` (card coordinates), put on the screen in one piece.
    void ukaz_snimek(int card, const Surface& pic, const Rect& into);
    Surface licova_strana(int card) const;
    void sync_cards();

    // The screen.
    void cmd_label_Click(int k);
    void nakresli_uroven();
    void busy_pointer(bool on);

    PexesoTable m_table;
    std::vector<ui::HotArea*> klik_karta;  // [0] is the template: its place is the grid's origin
    std::array<ui::HotArea*, 6> cmd_label{};
    ui::Label& lbl_pokusy;
    ui::PictureBox& zdroj;  // the talking mouth's work picture
    Surface zadni_strana, zaloha_pozadi, michacka;
    int m_level = 1;
    std::unique_ptr<Highlighter> m_highlight;
    ScreenPointers m_pointers;
};

}  // namespace bafo
