// The jukebox: twelve records over the studio, one per song file. The child
// chooses a record, stores the studio's tune on it, deletes it, or drops a
// coin to take its song back to the studio, the only way back there.
#pragma once

#include "services/composition.h"
#include "ui/form.h"

#include <array>
#include <memory>
#include <string>

namespace bafo {

class FrmJukebox : public ui::Form {
public:
    FrmJukebox();
    void on_load() override;
    void on_activate() override;
    void on_mouse_move(const ui::MouseArgs& a) override;

    static constexpr int kWidth = 315, kHeight = 325;
    static constexpr Point kPlace{244, 163};
    static constexpr int kRecords = 12;
    static constexpr Rect kIcons[3] = {{30, 230, 51, 86}, {100, 245, 81, 46}, {200, 245, 81, 51}};
    static constexpr Point kIconLit[3] = {{27, 225}, {96, 243}, {194, 243}};
    static constexpr Point kStorePanel{80, 106}, kDeletePanel{120, 106};
    static constexpr Rect kYes{30, 15, 41, 36}, kNo{30, 75, 41, 26};
    static constexpr Point kYesLit{24, 12}, kNoLit{24, 71};
    static constexpr Point kMouth{86, 16};
    static Rect record_area(int i) { return {25 + 70 * (i % 4), 20 + 70 * (i / 4), 66, 61}; }
    static Point label_at(int i) { return {46 + 70 * (i % 4), 40 + 70 * (i / 4)}; }
    // Song file n (1..12) in the program's own directory.
    static std::string song_path(int n);

    // What tests look at.
    int vybrana_deska() const { return m_vybrana_deska; }
    bool asking() const { return otazka_pic.visible(); }
    bool frame_shown() const { return kurzor.visible(); }
    Rect frame_rect() const { return kurzor.rect(); }

    // Draws every record's label: full when its song file exists.
    void obarvi_desky();

private:
    void deska_Click(int i);
    void klik_ico_Click(int i);
    void klik_ico_MouseMove(int i, const ui::MouseArgs& a);
    void otazka_click_Click(int b);
    void otazka_click_MouseMove(int b);
    void otazka_pic_MouseMove();
    void zapni_vstup(bool on);
    void zeptej_se(Point at, const std::string& voice);

    ui::PictureBox& zdroj;
    ui::Shape& kurzor;
    ui::PictureBox& otazka_pic;
    std::array<ui::HotArea*, kRecords> deska{};
    std::array<ui::HotArea*, 3> klik_ico{};
    std::array<ui::HotArea*, 2> otazka_click{};
    std::unique_ptr<Highlighter> m_highlight;
    Surface m_plna, m_prazdna;  // the labels of a record with a song and without
    Surface m_otazka;
    YesNoLights m_lights;
    int m_vybrana_deska = 0;
    std::string otazka_jukeboxu;
};

}  // namespace bafo
