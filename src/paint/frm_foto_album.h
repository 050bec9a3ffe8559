// The album: nine frames for the child's paintings. It stores the painting
// on the easel, opens a stored one back onto it, and prints one. Bafo asks
// before a stored painting is replaced or the easel's one is.
#pragma once

#include "services/composition.h"
#include "ui/form.h"

#include <array>
#include <memory>
#include <string>

namespace bafo {

class FrmFotoAlbum : public ui::Form {
public:
    FrmFotoAlbum();
    void on_load() override;
    void on_activate() override;
    void on_mouse_move(const ui::MouseArgs& a) override;

    static constexpr Rect kIcons[4] = {{15, 560, 71, 41}, {240, 555, 91, 46}, {485, 555, 81, 46}, {735, 560, 56, 41}};
    static constexpr Point kIconLit[4] = {{0, 552}, {225, 552}, {471, 552}, {733, 552}};
    static constexpr Point kPanel{166, 417};
    static constexpr Rect kYes{30, 15, 41, 36}, kNo{30, 75, 41, 26};
    static constexpr Point kYesLit{24, 12}, kNoLit{24, 71};
    static constexpr Point kMouth{86, 16};
    // Slot i's (1..9) frame; its thumbnail lies 5 pixels inside.
    static constexpr Rect slot_area(int i) { return {61 + 250 * ((i - 1) % 3), 21 + 183 * ((i - 1) / 3), 178, 135}; }

    // What tests look at.
    int vybrana_pozice() const { return m_vybrana_pozice; }
    bool asking() const { return otazka_pic.visible(); }
    bool frame_shown() const { return ukazovatko.visible(); }
    Rect frame_rect() const { return ukazovatko.rect(); }

    // Slot n's thumbnail onto the page, when the slot holds a painting.
    void pridej_nahled(int n);
    void uloz_obrazek_na_disk();
    void tiskni_obrazek();

private:
    void nahled_Click(int i);
    void klik_ico_Click(int i);
    void klik_ico_MouseMove(int i, const ui::MouseArgs& a);
    void otazka_click_Click(int b);
    void otazka_click_MouseMove(int b);
    void otazka_pic_MouseMove();
    void zapni_vstup(bool on);
    void zeptej_se(const std::string& voice);
    void back_to_painting();

    ui::PictureBox& zdroj;
    ui::Shape& ukazovatko;
    ui::PictureBox& otazka_pic;
    std::array<ui::HotArea*, 4> klik_ico{};
    std::array<ui::HotArea*, 9> nahled{};
    std::array<ui::HotArea*, 2> otazka_click{};
    std::unique_ptr<Highlighter> m_highlight;
    Surface m_otazka;
    YesNoLights m_lights;
    int m_vybrana_pozice = 0;
    std::string otazka_alba;
};

}  // namespace bafo
