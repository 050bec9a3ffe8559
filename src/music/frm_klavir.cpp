#include "music/frm_klavir.h"

#include "menus/frm_select.h"
#include "music/frm_jukebox.h"
#include "music/song_file.h"
#include "platform/bitmap_file.h"
#include "platform/files.h"
#include "platform/trace.h"
#include "services/globals.h"
#include "services/helpers.h"
#include "services/sound.h"
#include "ui/app.h"

namespace bafo {

namespace {

std::string music_file(const std::string& name)
{
    return data_path("\\BAFO_CS\\MUSIC\\" + name);
}

}  // namespace

FrmKlavir::FrmKlavir()
    : ui::Form("frm_klavir"),
      lbl_rytmus(add<ui::Label>("lbl_rytmus")),
      video(add<ui::PictureBox>("video")),
      casomira(add_timer(kFirstDanceFrameMs, [this] { casomira_Timer(); }))
{
    video.hide();
    // White keys first: a black key lies above them and takes a click on its
    // own area.
    for (int i = 0; i < Studio::kKeys; ++i) {
        auto& k = add<ui::HotArea>("klavesa", i);
        k.set_rect(Studio::kKeyAreas[i]);
        k.on_click = [this, i] { klavesa_Click(i); };
        klavesa[size_t(i)] = &k;
    }
    for (int i = 0; i < Studio::kKeys; ++i) {
        auto& l = add<ui::Label>("napoveda", i);
        // A white key's letter goes below the black keys' row.
        Rect r = Studio::kKeyAreas[i];
        if (i < 8)
            r = {r.x, r.y + kBlackKeyHeight, r.w, r.h - kBlackKeyHeight};
        l.set_rect(r);
        l.align = ui::Label::Align::Centre;
        l.style = TextStyle{24, i < 8 ? 0x000000u : 0xFFFFFFu, true};
        l.hide();
        napoveda[size_t(i)] = &l;
    }
    for (int i = 0; i < Studio::kInstruments; ++i) {
        auto& a = add<ui::HotArea>("klik_nastroj", i);
        a.set_rect(Studio::kNastroje[i].area);
        a.on_click = [this, i] { klik_nastroj_Click(i); };
        klik_nastroj[size_t(i)] = &a;
    }
    for (int i = 0; i < 8; ++i) {
        auto& a = add<ui::HotArea>("klik_ico", i);
        a.set_rect(kIcons[i]);
        a.on_click = [this, i] { klik_ico_Click(i); };
        klik_ico[size_t(i)] = &a;
    }
    // The number sits in the light window of the next-rhythm icon, under its hot area.
    lbl_rytmus.set_rect(kRhythmWindow);
    lbl_rytmus.align = ui::Label::Align::Centre;
    lbl_rytmus.style = TextStyle{24, 0x3B2A20, true};
    // The dance is drawn over the keys' row when its script puts it there.
    keep_on_top(video);
}

void FrmKlavir::on_load()
{
    caption = "Bafolino";
    Surface bg;
    if (load_bitmap(music_file("BG.BMP"), bg) != kBitmapOk)
        bg = Surface(800, 600, 0x2B1B4A);
    set_picture(bg);
    // The studio's notes and the menu's sound channel do not share: the
    // channel is closed and the clips' sound copy goes.
    platform().sound_stop();
    const std::string temp = game_path("\\ZVUK.WAV");
    if (soubor_existuje(temp))
        delete_file(temp);

    midi_seznam_zarizeni(seznam_zarizeni);
    midi_zavri();
    // Without any device the studio still plays its rhythms and dances; the
    // notes go nowhere and nothing is shown to the child.
    if (seznam_zarizeni.empty())
        trace("midi_none");
    else
        midi_otevri(seznam_zarizeni.front().data);
    platform().midi_in_listen(true);

    m_studio.reset();
    pozadavek_konec = false;
    lbl_rytmus.set_text(std::to_string(m_studio.cislo_rytmu()));
    const Cursor hot = ui::App::get().hot_pointer;
    for (auto* k : klavesa)
        k->pointer = hot;
    for (auto* a : klik_nastroj)
        a->pointer = hot;
    for (auto* c : klik_ico)
        c->pointer = hot;
    midi_nastroj(0, 0, Studio::kNastroje[0].program);
    zaloha_nastroje = Surface();
    podsvit_novy_nastroj(Studio::kNastroje[0].lit);
}

void FrmKlavir::on_activate()
{
    ui::App::get().dispatch_pending();
    ui::App::get().set_screen_pointer(std::nullopt);
}

void FrmKlavir::on_unload()
{
    // However the screen goes, no dance, rhythm or listening stays behind.
    casomira.set_enabled(false);
    m_tanec.stop();
    platform().midi_in_listen(false);
}

void FrmKlavir::nakresli(const char* file, Point at)
{
    Surface s;
    if (load_bitmap(music_file(file), s) == kBitmapOk)
        draw_both(s, at.x, at.y);
}

void FrmKlavir::podsvit_novy_nastroj(Point at)
{
    Surface lit;
    if (load_bitmap(music_file(std::string(Studio::kNastroje[m_studio.nastroj()].tag) + ".BMP"), lit) != kBitmapOk) {
        zaloha_nastroje = Surface();
        return;
    }
    zaloha_nastroje = screen.crop({at.x, at.y, lit.width(), lit.height()});
    m_zaloha_at = at;
    draw_both(lit, at.x, at.y);
}

void FrmKlavir::smaz_stary_nastroj()
{
    if (!zaloha_nastroje.empty())
        draw_both(zaloha_nastroje, m_zaloha_at.x, m_zaloha_at.y);
}

void FrmKlavir::nastroje_berou_kliky(bool on)
{
    for (auto* a : klik_nastroj)
        a->set_enabled(on);
}

void FrmKlavir::po_klavese(bool nahraval)
{
    // The tune is full: the recorder has stopped by itself, and shows it.
    if (nahraval && !m_studio.nahravani()) {
        trace("record_full");
        nakresli("RECORD.BMP", kRecordAt);
        nastroje_berou_kliky(true);
    }
}

void FrmKlavir::klavesa_Click(int i)
{
    const bool nahraval = m_studio.nahravani();
    if (!m_studio.zahraj_klavesu(i, ui::App::get().now()))
        return;
    po_klavese(nahraval);
    if (!video.visible())
        spust_tanec();
}

void FrmKlavir::on_key_down(int key, int)
{
    const bool nahraval = m_studio.nahravani();
    if (!m_studio.key_down(key, ui::App::get().now()))
        return;
    po_klavese(nahraval);
    if (!video.visible())
        spust_tanec();
}

void FrmKlavir::on_key_up(int key, int)
{
    const bool nahraval = m_studio.nahravani();
    m_studio.key_up(key, ui::App::get().now());
    po_klavese(nahraval);
}

void FrmKlavir::on_midi_note(int note, int velocity)
{
    // A MIDI keyboard's thirteen notes are the thirteen keys, by their letters.
    const int k = Studio::key_of_note(note);
    if (k < 0)
        return;
    if (velocity > 0)
        on_key_down(Studio::kCodes[k], 0);
    else
        on_key_up(Studio::kCodes[k], 0);
}

void FrmKlavir::klik_nastroj_Click(int i)
{
    zvuk_kliknuti();
    smaz_stary_nastroj();
    m_studio.vyber_nastroj(i);
    podsvit_novy_nastroj(Studio::kNastroje[i].lit);
}

void FrmKlavir::klik_ico_Click(int i)
{
    switch (i) {
    case 0:
        zvuk_kliknuti();
        if (m_studio.prehravani()) {
            // The playback loop ends the screen at its next wait.
            casomira.set_enabled(false);
            m_tanec.stop();
            pozadavek_konec = true;
            return;
        }
        ukonci();
        return;
    case 1: napoveda_klaves(); return;
    case 2: nahravej(); return;
    case 3: prehraj(); return;
    case 4: zastav(); return;
    case 5: otevri_jukebox(); return;
    case 6:
        m_studio.dalsi_rytmus();
        lbl_rytmus.set_text(std::to_string(m_studio.cislo_rytmu()));
        if (m_studio.rytmus_hraje)
            hraj_rytmus();
        return;
    case 7:
        if (m_studio.rytmus_hraje) {
            m_studio.rytmus_hraje = false;
            zastav_wave();
        } else {
            m_studio.rytmus_hraje = true;
            hraj_rytmus();
        }
        return;
    }
}

void FrmKlavir::otevri_jukebox()
{
    auto& app = ui::App::get();
    set_enabled(false);
    // A recording or a playback ends here, as with stop: the jukebox may hand
    // back another tune, and neither may run on under it.
    if (m_studio.nahravani() || m_studio.prehravani()) {
        m_studio.zastav();
        nakresli("RECORD.BMP", kRecordAt);
        nakresli("PLAY.BMP", kPlayAt);
        nastroje_berou_kliky(true);
    }
    zvuk_kliknuti();
    casomira.set_enabled(false);
    m_tanec.stop();
    video.hide();
    trace("jukebox: open");
    app.show(app.form<FrmJukebox>());
}

void FrmKlavir::save_song(int n)
{
    const auto& u = m_studio.udalosti();
    const auto delka = size_t(m_studio.delka_pisne());
    if (!uloz_pisen(FrmJukebox::song_path(n), std::span(u).first(delka)))
        trace("song " + std::to_string(n) + ": not written");
}

void FrmKlavir::load_song(int n)
{
    std::string bytes;
    auto udalosti = m_studio.udalosti();
    // A file that is there but cannot be read is as good as none.
    if (read_file(FrmJukebox::song_path(n), bytes) != ReadStatus::Ok) {
        m_studio.nastav_pisen(udalosti, 0);
        prehraj_zvuk(data_path("\\BAFO_CS\\REC\\HUDBA\\04.WAV"));
        trace("song " + std::to_string(n) + ": none");
        return;
    }
    const int delka = precti_pisen(bytes, udalosti);
    m_studio.nastav_pisen(udalosti, delka);
    trace("song " + std::to_string(n) + ": " + std::to_string(delka) + " events");
}

void FrmKlavir::hraj_rytmus()
{
    hraj_wave(music_file(std::string("RYTMY\\") + m_studio.soubor_rytmu()), true);
}

void FrmKlavir::napoveda_klaves()
{
    auto& app = ui::App::get();
    set_enabled(false);
    zvuk_kliknuti();
    for (int i = 0; i < Studio::kKeys; ++i) {
        napoveda[size_t(i)]->set_text(std::string(1, char(Studio::kCodes[i])));
        napoveda[size_t(i)]->show();
    }
    cekej(kHelpMs);
    if (!app.is_loaded(*this))
        return;
    for (auto* l : napoveda) {
        l->set_text("");
        l->hide();
    }
    set_enabled(true);
}

void FrmKlavir::nahravej()
{
    nastroje_berou_kliky(false);
    m_studio.nahravej();
    nakresli("RECORD1.BMP", kRecordAt);
}

void FrmKlavir::zastav()
{
    m_studio.zastav();
    zvuk_kliknuti();
    nakresli("RECORD.BMP", kRecordAt);
    nakresli("PLAY.BMP", kPlayAt);
    nastroje_berou_kliky(true);
}

void FrmKlavir::prehraj()
{
    auto& app = ui::App::get();
    nastroje_berou_kliky(false);
    const int n = m_studio.zacni_prehravani();
    zvuk_kliknuti();
    nakresli("PLAY1.BMP", kPlayAt);
    trace("play " + std::to_string(n));
    const uint32_t t0 = app.now();
    auto prerusit = [&] { return m_studio.pozadavek_stop() || pozadavek_konec || app.quitting(); };
    for (int i = 1; i <= n; ++i) {
        m_studio.zahraj_udalost(i);
        if (i == n)
            break;
        const uint32_t dalsi = t0 + uint32_t(m_studio.udalost(i + 1).cas);
        bool tancil = false;
        while (!prerusit() && int32_t(dalsi - app.now()) > 0) {
            // One new dance per pause at most: a clip that cannot start is not retried in a loop.
            if (!video.visible() && !tancil) {
                tancil = true;
                spust_tanec();
            }
            const bool tanci = m_tanec.running();
            app.wait_dispatch(dalsi, [&] { return prerusit() || (tanci && !m_tanec.running()); });
            if (tanci && !m_tanec.running())
                tancil = false;
        }
        if (prerusit()) {
            m_studio.umlc(i);
            m_studio.konec_prehravani();
            if (pozadavek_konec)
                ukonci();
            if (!app.is_loaded(*this))
                return;
            break;
        }
    }
    m_studio.konec_prehravani();
    nakresli("PLAY.BMP", kPlayAt);
    nastroje_berou_kliky(true);
}

void FrmKlavir::spust_tanec()
{
    randomize();
    const int n = random_1_to(kDances);
    if (!m_tanec.start(music_file("TANCE\\BAFO" + std::to_string(n) + ".DAT"), video))
        return;
    casomira.interval = kFirstDanceFrameMs;
    casomira.set_enabled(false);
    casomira.set_enabled(true);
}

void FrmKlavir::casomira_Timer()
{
    if (auto ms = m_tanec.step()) {
        casomira.interval = *ms;
        return;
    }
    casomira.set_enabled(false);
}

void FrmKlavir::ukonci()
{
    auto& app = ui::App::get();
    casomira.set_enabled(false);
    m_tanec.stop();
    zastav_wave();
    m_studio.umlc_vse();
    midi_zavri();
    platform().midi_in_listen(false);
    app.show(app.form<FrmSelect>());
    app.unload(*this);
}

}  // namespace bafo
