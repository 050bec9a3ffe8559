// The frame every picture game shares: background, icons, three levels, the
// stopwatch, the hint, the mascot's help, the best results and the win
// sequence. Each screen gives its icons as a table; a game adds its board by
// overriding the board hooks.
#pragma once

#include "platform/surface.h"
#include "services/composition.h"
#include "services/video.h"
#include "ui/form.h"

#include <memory>
#include <string>
#include <vector>

namespace bafo {

class PictureGame : public ui::Form {
public:
    enum class Icon { Back, Level, Shuffle, Help, Hint, Best };
    struct IconSpec {
        Icon role;
        Rect area;         // the hot area
        std::string lit;   // the lit bitmap; the level icon's follows the level
        Point lit_at;      // where the lit bitmap is painted
    };
    struct Config {
        std::string form_name;  // "frm_15"
        std::string dir;        // "\\BAFO_CS\\15\\"
        std::string voice;      // "\\BAFO_CS\\REC\\15.WAV"
        std::string key;        // "15"
        std::vector<IconSpec> icons;
        Point level_at{177, 515};  // the level icon's plain look
        bool stopwatch = true;     // the fifteen puzzle counts moves instead
        Rect label{366, 570, 71, 36};
    };
    static constexpr Rect kPictureArea{80, 31, 640, 480};
    // The six icons of the four boards, at their usual places, with a screen's own hot areas
    // in the order back, level, shuffle, help, hint, best results.
    static std::vector<IconSpec> six_icons(const Rect (&areas)[6]);

    explicit PictureGame(Config c);
    void on_load() override;
    void on_activate() override;
    void on_mouse_move(const ui::MouseArgs& a) override;

    // What tests look at.
    int level() const { return m_level; }
    bool running() const { return m_running; }
    long seconds() const { return m_seconds; }
    bool hint_enabled() const { return icon(Icon::Hint) && icon(Icon::Hint)->enabled(); }
    const std::string& label_text() const { return m_label->text(); }
    bool nosic_visible_in_clip() const { return nosic.visible() && !m_running; }

protected:
    // Where the win's clips play: the box, the origin of the scripts' places,
    // and what happens after each frame.
    struct ClipTarget {
        ui::PictureBox* box;
        Point at;
        ClipFrameHook after_frame;
    };

    // The board.
    virtual void paint_start_board();  // the picture whole in the picture area
    virtual void new_game() = 0;       // the shuffle, ending in game_started()
    // A new level: the default clears the label and disables the hint.
    virtual void reset_for_level();
    // The game's own parts stop (a timer, a carried piece) on back and level change.
    virtual void stop_game() {}
    // The board's own timer stands still while the results table is open.
    virtual void pause_game(bool /*paused*/) {}
    // The hint: the picture whole over the picture area, or whatever the board shows instead.
    virtual void show_hint(bool on);
    virtual const Surface& hint_picture() const { return pic_original; }
    virtual long result() const { return m_seconds; }
    // Steps of the win a board adds: its first (the last tile), just before the
    // fanfare (a sound to finish), after the clips (the board shown again), after
    // the results (the next game's start).
    virtual void on_win_board() {}
    virtual void before_fanfare() {}
    virtual void after_clips() {}
    virtual void after_win() {}
    virtual ClipTarget clip_target() { return {&nosic, {kPictureArea.x, kPictureArea.y}, nullptr}; }

    // What boards call.
    void game_started();
    void stop_stopwatch();
    // The whole win: stopwatch, state, fanfare, clips and the results table.
    void win();
    void set_running(bool running);
    void enable_hint(bool on);
    ui::HotArea* icon(Icon role) const;
    std::string file(const std::string& name) const;
    void set_label(const std::string& text);
    void restore_icons() { m_highlight->smaz_aktivni_plochy(); }

    Surface pic_original;
    ui::PictureBox& nosic;
    ui::PictureBox& hint;
    ui::PictureBox& zdroj;  // the talking mouth's work picture
    std::vector<ui::HotArea*> klik_ico;
    int m_level = 1;
    long m_seconds = 0;
    Config m_config;

private:
    void klik_ico_Click(size_t k);
    void klik_ico_MouseMove(size_t k, const ui::MouseArgs& a);
    void stopky_Timer();
    void next_level();
    std::string level_icon(int level, bool lit) const;

    bool m_running = false;
    ui::Label* m_label = nullptr;
    ui::Timer& stopky;
    std::unique_ptr<Highlighter> m_highlight;
};

}  // namespace bafo
