// The frame every picture game shares: background, six icons, three levels,
// the stopwatch, the hint, the mascot's help, the best results and the win
// sequence. A game adds its board by overriding the board hooks.
#pragma once

#include "platform/surface.h"
#include "services/composition.h"
#include "ui/form.h"

#include <array>
#include <memory>
#include <string>

namespace bafo {

class PictureGame : public ui::Form {
public:
    struct Config {
        std::string form_name;  // "frm_15"
        std::string dir;        // "\\BAFO_CS\\15\\"
        std::string voice;      // "\\BAFO_CS\\REC\\15.WAV"
        std::string key;        // "15"
        std::array<Rect, 6> areas;
        bool stopwatch = true;  // the fifteen puzzle counts moves instead
        Rect label{366, 570, 71, 36};
    };
    static constexpr Rect kPictureArea{80, 31, 640, 480};
    static constexpr Point kLit[6] = {{0, 515}, {177, 515}, {577, 515}, {732, 509}, {744, 0}, {0, 0}};

    explicit PictureGame(Config c);
    void on_load() override;
    void on_activate() override;
    void on_mouse_move(const ui::MouseArgs& a) override;

    // What tests look at.
    int level() const { return m_level; }
    bool running() const { return m_running; }
    int seconds() const { return m_seconds; }
    bool hint_enabled() const { return klik_ico[4]->enabled(); }
    const std::string& label_text() const { return m_label->text(); }
    bool nosic_visible_in_clip() const { return nosic.visible() && !m_running; }

protected:
    // The board.
    virtual void paint_start_board();       // the picture whole in the picture area
    virtual void new_game() = 0;            // the shuffle, ending in game_started()
    virtual void reset_for_level() {}
    virtual int16_t result() const { return int16_t(m_seconds); }

    // What boards call.
    void game_started();
    void stop_stopwatch();
    // Steps after the board's own first step of the win: fanfare, clips, results.
    void win_sequence();
    std::string file(const std::string& name) const;
    void set_label(const std::string& text);
    void restore_icons() { m_highlight->smaz_aktivni_plochy(); }

    Surface pic_original;
    ui::PictureBox& nosic;
    ui::PictureBox& hint;
    std::array<ui::HotArea*, 6> klik_ico{};
    int m_level = 1;
    bool m_running = false;
    int m_seconds = 0;
    Config m_config;

private:
    void klik_ico_Click(int k);
    void klik_ico_MouseMove(int k, const ui::MouseArgs& a);
    void stopky_Timer();

    ui::Label* m_label = nullptr;
    ui::Timer& stopky;
    std::unique_ptr<Highlighter> m_highlight;
    std::array<Surface, 3> m_level_icons;
};

}  // namespace bafo
