#include "games/frm_pexeso.h"

#include "menus/frm_pex_sel.h"
#include "platform/bitmap_file.h"
#include "platform/trace.h"
#include "results/frm_tabulka.h"
#include "results/results_table.h"
#include "services/globals.h"
#include "services/helpers.h"
#include "services/sound.h"
#include "shell/settings.h"
#include "ui/app.h"

#include <algorithm>

namespace bafo {

namespace {

std::string pexeso_file(const std::string& name)
{
    return data_path("\\BAFO_CS\\PEXESO\\" + name);
}

// Picture r of the chosen set: "\01.BMP" .. "\09.BMP", then "\10.BMP" on.
std::string obrazek_sady(int r)
{
    return pexeso_file(std::to_string(vybrana_sada) + (r < 10 ? "\\0" : "\\") + std::to_string(r) + ".BMP");
}

int nahodne_1_az(int n)
{
    randomize();
    return random_1_to(n);
}

}  // namespace

FrmPexeso::FrmPexeso()
    : ui::Form("frm_pexeso"),
      lbl_pokusy(add<ui::Label>("lbl_pokusy")),
      zdroj(add<ui::PictureBox>("zdroj"))
{
    zdroj.hide();
    lbl_pokusy.set_rect(kAttempts);
    lbl_pokusy.style = TextStyle{22, 0x3B2A20, true};
    lbl_pokusy.align = ui::Label::Align::Centre;
    auto& templ = add<ui::HotArea>("klik_karta", 0);
    templ.hide();
    klik_karta.push_back(&templ);
    for (int k = 0; k < 6; ++k) {
        auto& a = add<ui::HotArea>("cmd_label", k);
        a.set_rect(kAreas[k]);
        a.on_click = [this, k] { cmd_label_Click(k); };
        a.on_mouse_move = [this, k](const ui::MouseArgs& m) {
            if (!m.buttons)
                m_highlight->highlight(size_t(k));
        };
        cmd_label[size_t(k)] = &a;
    }
}

void FrmPexeso::on_load()
{
    caption = "Bafolino";
    const char* lit[6] = {"ZPET.BMP", "SLOZ_11.BMP", "ZAMI.BMP", "BAFO.BMP", "HELP.BMP", "NEJL.BMP"};
    std::vector<Highlighter::Icon> icons;
    for (int k = 0; k < 6; ++k)
        icons.push_back({pexeso_file(lit[k]), kLit[k].x, kLit[k].y});
    m_highlight = std::make_unique<Highlighter>(*this, std::vector<ui::HotArea*>(cmd_label.begin(), cmd_label.end()), icons);
    Surface bg;
    if (load_bitmap(pexeso_file("BG.BMP"), bg) != kBitmapOk)
        bg = Surface(800, 600, 0x7CCB5B);
    set_picture(bg);
    zaloha_pozadi = bg;
    m_level = 1;
    nakresli_uroven();
    if (load_bitmap(pexeso_file("BACK.BMP"), zadni_strana) != kBitmapOk)
        zadni_strana = Surface(118, 116, 0xFF9F43);
    m_pointers.load(pexeso_file(""), ui::App::get().hot_pointer);
    m_table.lay_out(PexesoTable::columns_of(m_level));
    naloaduj_klikaci_karticky();
    rozdej_od_zacatku();
    for (auto* a : cmd_label) {
        a->marked = false;
        a->pointer = m_pointers.hand;
    }
}

void FrmPexeso::on_activate()
{
    ui::App::get().dispatch_pending();
    ui::App::get().set_screen_pointer(std::nullopt);
}

void FrmPexeso::on_mouse_move(const ui::MouseArgs& a)
{
    if (!a.buttons)
        m_highlight->smaz_aktivni_plochy();
}

void FrmPexeso::nakresli_uroven()
{
    // The plain level icon goes into the table's own background too: erased
    // cards and a restored highlight show the new level.
    Surface icon;
    if (load_bitmap(pexeso_file("SLOZ_" + std::to_string(m_level) + ".BMP"), icon) != kBitmapOk)
        return;
    draw_both(icon, kLit[1].x, kLit[1].y);
    zaloha_pozadi.blit(icon, kLit[1].x, kLit[1].y);
    m_highlight->replace_backup(1, icon);
    cmd_label[1]->marked = false;
    m_highlight->set_icon_file(1, pexeso_file("SLOZ_" + std::to_string(m_level) + "1.BMP"));
}

Rect FrmPexeso::card_rect(int card) const
{
    const int cols = m_table.columns();
    const int w = zadni_strana.width(), h = zadni_strana.height();
    const int left0 = (800 - (cols * w + (cols - 1) * 2)) / 2;
    const int row = (card - 1) / cols, col = (card - 1) % cols;
    return {left0 + 4 + col * (w + 2), kTop + row * (h + 1), w, h};
}

bool FrmPexeso::card_takes_clicks(int card) const
{
    return card >= 1 && card < int(klik_karta.size()) && klik_karta[size_t(card)]->visible() &&
           klik_karta[size_t(card)]->enabled();
}

const std::string& FrmPexeso::attempts_text() const
{
    return lbl_pokusy.text();
}

void FrmPexeso::naloaduj_klikaci_karticky()
{
    const int cols = m_table.columns();
    const int w = zadni_strana.width(), h = zadni_strana.height();
    klik_karta[0]->set_rect({(800 - (cols * w + (cols - 1) * 2)) / 2, kTop, w, h});
    for (int card = 1; card <= m_table.count(); ++card) {
        auto& k = add<ui::HotArea>("klik_karta", card);
        k.set_rect(card_rect(card));
        k.on_click = [this, card] { klik_karta_Click(card); };
        k.on_mouse_move = [this](const ui::MouseArgs& m) {
            if (!m.buttons)
                m_highlight->smaz_aktivni_plochy();
        };
        // In play once dealt.
        k.hide();
        klik_karta.push_back(&k);
    }
}

void FrmPexeso::unloaduj_klikaci_karticky()
{
    while (klik_karta.size() > 1) {
        remove(*klik_karta.back());
        klik_karta.pop_back();
    }
}

void FrmPexeso::sync_cards()
{
    for (int card = 1; card < int(klik_karta.size()); ++card) {
        klik_karta[size_t(card)]->set_visible(m_table.in_play(card));
        klik_karta[size_t(card)]->set_enabled(!m_table.given_up());
    }
}

void FrmPexeso::rozdej_od_zacatku()
{
    auto& app = ui::App::get();
    lbl_pokusy.set_text("");
    michacka.resize(zadni_strana.width(), zadni_strana.height());
    m_table.deal(pocet_bitmap(pexeso_file(std::to_string(vybrana_sada) + "\\")), obrazek_sady, nahodne_1_az);
    m_table.shuffle(nahodne_1_az);
    for (int card = 1; card <= m_table.count() && !app.quitting(); ++card) {
        if (!m_table.in_play(card))
            continue;
        const Rect r = card_rect(card);
        if (!visible()) {
            // The first screen already shows the face-down grid.
            image.blit(zadni_strana, r.x, r.y);
            screen.blit(zadni_strana, r.x, r.y);
            continue;
        }
        const uint32_t t = app.now();
        draw_both(zadni_strana, r.x, r.y);
        app.wait_dispatch(t + kDealCard);
    }
    sync_cards();
    cmd_label[4]->set_enabled(true);
}

Surface FrmPexeso::licova_strana(int card) const
{
    Surface face;
    if (load_bitmap(m_table.tag(card), face) != kBitmapOk)
        face = Surface(zadni_strana.width(), zadni_strana.height(), 0xFFF4E0);
    return face;
}

void FrmPexeso::ukaz_snimek(int card, const Surface& pic, const Rect& into)
{
    const Rect r = card_rect(card);
    michacka = zaloha_pozadi.crop(r);
    if (!into.empty())
        michacka.stretch(pic, pic.rect(), into);
    draw_screen(michacka, r.x, r.y);
}

void FrmPexeso::odkryj_karticku(int card)
{
    auto& app = ui::App::get();
    const Surface face = licova_strana(card);
    const int w = zadni_strana.width(), h = zadni_strana.height();
    prehraj_zvuk(game_path("\\SVIST.WAV"));
    // The back squeezes to its middle line, then the face opens from it.
    for (int i = 0; i <= h / 2 && !app.quitting(); i += 2) {
        const uint32_t t = app.now();
        ukaz_snimek(card, zadni_strana, {0, i, w, h - 2 * i});
        app.sleep_until(t + kTurnFrame);
    }
    for (int i = h / 2; i >= 0 && !app.quitting(); i -= 2) {
        const uint32_t t = app.now();
        ukaz_snimek(card, face, {0, i, w, h - 2 * i});
        app.sleep_until(t + kTurnFrame);
    }
    const Rect r = card_rect(card);
    draw_both(face, r.x, r.y);
}

void FrmPexeso::vrat_karticky(int first, int second)
{
    auto& app = ui::App::get();
    const Surface face1 = licova_strana(first), face2 = licova_strana(second);
    const int w = zadni_strana.width(), h = zadni_strana.height();
    // Both cards turn together, squeezed sideways.
    for (int i = 0; i <= w / 2 && !app.quitting(); i += 4) {
        const uint32_t t = app.now();
        ukaz_snimek(first, face1, {i, 0, w - 2 * i, h});
        ukaz_snimek(second, face2, {i, 0, w - 2 * i, h});
        app.sleep_until(t + kTurnFrame);
    }
    for (int i = w / 2; i >= 0 && !app.quitting(); i -= 4) {
        const uint32_t t = app.now();
        ukaz_snimek(first, zadni_strana, {i, 0, w - 2 * i, h});
        ukaz_snimek(second, zadni_strana, {i, 0, w - 2 * i, h});
        app.sleep_until(t + kTurnFrame);
    }
    for (int card : {first, second}) {
        const Rect r = card_rect(card);
        draw_both(zadni_strana, r.x, r.y);
    }
}

void FrmPexeso::vyhod_karticky(int first, int second)
{
    auto& app = ui::App::get();
    m_table.set_busy(true);
    const Surface shown1 = screen.crop(card_rect(first)), shown2 = screen.crop(card_rect(second));
    const int w = zadni_strana.width(), h = zadni_strana.height();
    // The pair shrinks to its centres and the table shows through.
    for (int i = 0; i <= h / 2 && !app.quitting(); i += 2) {
        const Rect into{i, i, std::max(0, w - 2 * i), std::max(0, h - 2 * i)};
        ukaz_snimek(first, shown1, into);
        const uint32_t t = app.now();
        ukaz_snimek(second, shown2, into);
        app.sleep_until(t + kRemoveFrame);
    }
    for (int card : {first, second}) {
        const Rect r = card_rect(card);
        draw_both(zaloha_pozadi, r, r.x, r.y);
    }
    m_table.set_busy(false);
}

void FrmPexeso::odkryj_vsechny_karticky()
{
    auto& app = ui::App::get();
    for (int card = 1; card <= m_table.count() && !app.quitting(); ++card) {
        if (!m_table.in_play(card) || card == m_table.first() || card == m_table.second())
            continue;
        const Rect r = card_rect(card);
        draw_both(licova_strana(card), r.x, r.y);
        app.sleep_until(app.now() + kShowAllCard);
    }
}

void FrmPexeso::vyhod_vsechny_karticky()
{
    auto& app = ui::App::get();
    for (int card = 1; card <= m_table.count() && !app.quitting(); ++card) {
        const Rect r = card_rect(card);
        const uint32_t t = app.now();
        draw_both(zaloha_pozadi, r, r.x, r.y);
        app.wait_dispatch(t + kDealCard);
    }
}

void FrmPexeso::klik_karta_Click(int card)
{
    auto& app = ui::App::get();
    const PexesoTable::Click c = m_table.click(card);
    if (c.ignored)
        return;
    if (c.back_first)
        vrat_karticky(c.back_first, c.back_second);
    odkryj_karticku(c.turn_up);
    if (!c.second)
        return;
    lbl_pokusy.set_text(std::to_string(m_table.attempts()));
    // Clicks made while the second card turned are dropped.
    set_enabled(false);
    app.dispatch_pending();
    set_enabled(true);
    if (!c.match) {
        prehraj_zvuk(game_path("\\NOT_AVA.WAV"));
        return;
    }
    prehraj_zvuk(game_path("\\TUTUTU.WAV"));
    vyhod_karticky(c.first, c.second);
    sync_cards();
    if (c.won && !app.quitting())
        konec_hry();
}

void FrmPexeso::konec_hry()
{
    skryj_kurzor();
    prehraj_fanfaru();
    zobraz_kurzor();
    if (ui::App::get().quitting())
        return;
    trace("win PEX " + std::to_string(m_table.attempts()));
    ukaz_tabulku("PEX", m_level, int16_t(m_table.attempts()));
    if (ui::App::get().is_loaded(*this))
        rozdej_od_zacatku();
}

void FrmPexeso::busy_pointer(bool on)
{
    if (on)
        ui::App::get().set_screen_pointer(m_pointers.busy);
    else
        ui::App::get().set_screen_pointer(std::nullopt);
}

void FrmPexeso::cmd_label_Click(int k)
{
    auto& app = ui::App::get();
    switch (k) {
    case 0:
        zvuk_kliknuti();
        app.show(app.form<FrmPexSel>());
        app.unload(*this);
        return;
    case 1:
        busy_pointer(true);
        set_enabled(false);
        zvuk_kliknuti();
        m_level = m_level % 3 + 1;
        nakresli_uroven();
        app.dispatch_pending();
        vyhod_vsechny_karticky();
        unloaduj_klikaci_karticky();
        m_table.lay_out(PexesoTable::columns_of(m_level));
        naloaduj_klikaci_karticky();
        rozdej_od_zacatku();
        set_enabled(true);
        busy_pointer(false);
        return;
    case 2:
        busy_pointer(true);
        set_enabled(false);
        zvuk_kliknuti();
        lbl_pokusy.set_text("");
        vyhod_vsechny_karticky();
        rozdej_od_zacatku();
        set_enabled(true);
        busy_pointer(false);
        return;
    case 3:
        set_enabled(false);
        zvuk_kliknuti();
        klip_zdroj.load(pexeso_file("BAFO_ANI.BMP"), 4);
        animuj_mluveni(*this, kLit[3].x, kLit[3].y, klip_zdroj, &zdroj, data_path("\\BAFO_CS\\REC\\PEXESO.WAV"));
        set_enabled(true);
        return;
    case 4:
        // The child gives up: every face shows and no card answers until a new deal.
        busy_pointer(true);
        set_enabled(false);
        zvuk_kliknuti();
        cmd_label[4]->set_enabled(false);
        lbl_pokusy.set_text("");
        m_table.give_up();
        sync_cards();
        odkryj_vsechny_karticky();
        set_enabled(true);
        busy_pointer(false);
        return;
    case 5:
        zvuk_kliknuti();
        ukaz_tabulku("PEX", m_level, ResultsTable::kEmpty);
        return;
    }
}

}  // namespace bafo
