// The music studio: a toy keyboard of thirteen keys played with the mouse,
// the letters or a MIDI keyboard, ten instruments, nine looping rhythms, a
// recorder of one tune, and Bafo dancing whenever something plays.
#pragma once

#include "music/studio.h"
#include "services/midi.h"
#include "services/video.h"
#include "ui/form.h"

#include <array>
#include <vector>

namespace bafo {

class FrmKlavir : public ui::Form {
public:
    FrmKlavir();
    void on_load() override;
    void on_activate() override;
    void on_unload() override;
    void on_key_down(int key, int shift) override;
    void on_key_up(int key, int shift) override;
    void on_midi_note(int note, int velocity) override;

    static constexpr Rect kIcons[8] = {{15, 555, 61, 36}, {730, 560, 61, 26}, {140, 5, 51, 36}, {205, 5, 51, 36},
                                       {270, 5, 51, 36},  {390, 0, 36, 46},   {495, 5, 51, 36}, {560, 5, 51, 36}};
    static constexpr Point kRecordAt{137, 0}, kPlayAt{202, 0};
    static constexpr Rect kRhythmWindow{500, 10, 32, 26};
    static constexpr uint32_t kHelpMs = 3000, kFirstDanceFrameMs = 50;
    static constexpr int kDances = 24;
    static constexpr int kBlackKeyHeight = 36;

    // The tune to and from song file n (1..12), for the jukebox.
    void save_song(int n);
    void load_song(int n);

    // What tests look at.
    const Studio& studio() const { return m_studio; }
    const std::vector<MidiZarizeni>& devices() const { return seznam_zarizeni; }
    bool dancing() const { return m_tanec.running(); }
    const ui::PictureBox& dance_box() const { return video; }
    const std::string& rhythm_text() const { return lbl_rytmus.text(); }
    const std::string& key_text(int key) const { return napoveda[size_t(key)]->text(); }
    bool instruments_take_clicks() const { return klik_nastroj[0]->enabled(); }
    Rect highlight_rect() const { return {m_zaloha_at.x, m_zaloha_at.y, zaloha_nastroje.width(), zaloha_nastroje.height()}; }

private:
    void klavesa_Click(int i);
    void po_klavese(bool nahraval);
    void klik_nastroj_Click(int i);
    void klik_ico_Click(int i);
    void napoveda_klaves();
    void nahravej();
    void zastav();
    void prehraj();
    void podsvit_novy_nastroj(Point at);
    void smaz_stary_nastroj();
    void nastroje_berou_kliky(bool on);
    void spust_tanec();
    void casomira_Timer();
    void ukonci();
    void nakresli(const char* file, Point at);
    void hraj_rytmus();
    void otevri_jukebox();

    Studio m_studio;
    std::array<ui::HotArea*, Studio::kKeys> klavesa{};
    std::array<ui::Label*, Studio::kKeys> napoveda{};
    std::array<ui::HotArea*, Studio::kInstruments> klik_nastroj{};
    std::array<ui::HotArea*, 8> klik_ico{};
    ui::Label& lbl_rytmus;
    ui::PictureBox& video;
    ui::Timer& casomira;
    std::vector<MidiZarizeni> seznam_zarizeni;
    Surface zaloha_nastroje;
    Point m_zaloha_at{0, 0};
    TimedClip m_tanec;
    bool pozadavek_konec = false;
};

}  // namespace bafo
