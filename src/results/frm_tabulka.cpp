#include "results/frm_tabulka.h"

#include "platform/bitmap_file.h"
#include "services/composition.h"
#include "services/globals.h"
#include "services/helpers.h"
#include "services/sound.h"
#include "ui/app.h"

namespace bafo {

namespace {
std::string tab_file(const std::string& name)
{
    return data_path("\\BAFO_CS\\TABULKA\\" + name);
}
const TextStyle kRowText{20, 0x3B2A20, true};
}  // namespace

FrmTabulka::FrmTabulka()
    : ui::Form("frm_tabulka", kWidth, kHeight),
      txt_jmeno(add<ui::TextBox>("txt_jmeno")),
      zaloha_pozadi(add<ui::PictureBox>("zaloha_pozadi"))
{
    zaloha_pozadi.hide();
    for (int i = 0; i <= 8; ++i) {
        auto& name = add<ui::Label>("lbl_jmeno", i);
        auto& number = add<ui::Label>("lbl_body", i);
        name.set_rect({kNameCell.x, kNameCell.y + kRowStep * i, kNameCell.w, kNameCell.h});
        number.set_rect({kNumberCell.x, kNumberCell.y + kRowStep * i, kNumberCell.w, kNumberCell.h});
        name.style = number.style = kRowText;
        name.align = ui::Label::Align::Left;
        number.align = ui::Label::Align::Centre;
        // Row 0 is the template the others are placed from; it never shows.
        name.set_visible(i > 0);
        number.set_visible(i > 0);
        lbl_jmeno[size_t(i)] = &name;
        lbl_body[size_t(i)] = &number;
    }
    bring_to_front(txt_jmeno);
    txt_jmeno.hide();
    txt_jmeno.style = kRowText;
    txt_jmeno.background = 0xFFF4E0;
    txt_jmeno.border = 0xFF9F43;
    txt_jmeno.max_chars = 24;
    txt_jmeno.max_width = kNameCell.w - 12;
    txt_jmeno.on_key_press = [](const std::string& ch) { return name_char_allowed(ch); };
    txt_jmeno.on_key_down = [this](int key, int) { return txt_jmeno_KeyDown(key); };
    for (int k = 0; k < 4; ++k) {
        auto& a = add<ui::HotArea>("level_klik", k);
        a.set_rect(kLevelAreas[k]);
        a.pointer = ui::App::get().hot_pointer;
        a.on_click = [this, k] { level_klik_Click(k); };
        a.on_mouse_move = [this, k](const ui::MouseArgs&) { level_klik_MouseMove(k); };
        level_klik[size_t(k)] = &a;
    }
}

void FrmTabulka::on_load()
{
    auto& app = ui::App::get();
    caption = "Bafolino";
    x = (800 - kWidth) / 2;
    y = (600 - kHeight) / 2;
    // The panel floats over the game: what lies under it shows through the key colour.
    app.present();
    Surface under = app.frame().crop({x, y, kWidth, kHeight});
    Surface panel;
    if (load_bitmap(tab_file("TAB_" + klic_hry + ".BMP"), panel) == kBitmapOk)
        pruhledna_kopie(panel, std::min(panel.width(), kWidth), std::min(panel.height(), kHeight), panel.pixel(0, 0),
                        under, under);
    set_picture(under);
    txt_jmeno.set_text("");
    for (int l = 0; l < 3; ++l)
        load_bitmap(tab_file("TAB_D" + std::to_string(l + 1) + ".BMP"), m_cakes[size_t(l)]);
    load_bitmap(tab_file("TAB_ZPE1.BMP"), m_back_lit);
    load_bitmap(tab_file("TAB_ZPE0.BMP"), m_back_plain);
    nakresli_dort(uroven);

    const bool readable = m_table.load(ResultsTable::file(cesta_hry), klic_hry, uroven);
    if (vysledek == ResultsTable::kEmpty) {
        serad_do_tabulky();
    } else if (!readable || !m_table.qualifies(vysledek)) {
        // A records file that cannot be read cannot take a name either: the game goes on.
        return;
    } else {
        int row = m_table.enter(vysledek);
        txt_jmeno.show();
        serad_do_tabulky();
        txt_jmeno.set_rect({kNameCell.x, kNameCell.y + kRowStep * (row + 1), kNameCell.w, kNameCell.h});
        set_focus(&txt_jmeno);
    }
    enable_cakes(false);
    level_klik[3]->set_enabled(true);
    app.run_modal(*this);
}

void FrmTabulka::on_activate()
{
    if (vysledek == ResultsTable::kEmpty)
        enable_cakes(true);
    ui::App::get().dispatch_pending();
    ui::App::get().set_screen_pointer(std::nullopt);
}

void FrmTabulka::enable_cakes(bool on)
{
    for (int k = 0; k < 3; ++k)
        level_klik[size_t(k)]->set_enabled(on);
}

void FrmTabulka::serad_do_tabulky()
{
    m_table.rank();
    for (int i = 0; i < 8; ++i) {
        const auto& e = m_table.places[size_t(i)];
        lbl_jmeno[size_t(i + 1)]->set_text(e.name);
        lbl_body[size_t(i + 1)]->set_text(format_result(klic_hry, e.number));
    }
}

void FrmTabulka::nakresli_dort(int level)
{
    if (level < 1 || level > 3)
        return;
    const Surface& cake = m_cakes[size_t(level - 1)];
    const Point at = kCakeAt[level - 1];
    zaloha_pozadi.move(at.x, at.y);
    zaloha_pozadi.set_picture(image.crop({at.x, at.y, cake.width(), cake.height()}));
    draw_both(cake, at.x, at.y);
}

void FrmTabulka::obnov_pozadi()
{
    draw_both(zaloha_pozadi.layers.image, zaloha_pozadi.rect().x, zaloha_pozadi.rect().y);
}

void FrmTabulka::level_klik_Click(int k)
{
    zvuk_kliknuti();
    if (k == 3) {
        ui::App::get().hide(*this);
        ui::App::get().set_screen_pointer(std::nullopt);
        return;
    }
    uroven = k + 1;
    obnov_pozadi();
    nakresli_dort(uroven);
    m_table.load(ResultsTable::file(cesta_hry), klic_hry, uroven);
    serad_do_tabulky();
}

void FrmTabulka::level_klik_MouseMove(int k)
{
    if (k != 3) {
        on_mouse_move({});
        return;
    }
    if (!m_back_marked) {
        draw_both(m_back_lit, kBackAt.x, kBackAt.y);
        m_back_marked = true;
    }
}

void FrmTabulka::on_mouse_move(const ui::MouseArgs&)
{
    if (m_back_marked) {
        draw_both(m_back_plain, kBackAt.x, kBackAt.y);
        m_back_marked = false;
    }
}

bool FrmTabulka::txt_jmeno_KeyDown(int key)
{
    if (key != 13)
        return false;
    const std::string name = clean_name(txt_jmeno.text());
    if (!name.empty()) {
        m_table.name_marker(name);
        int row = -1;
        for (int i = 0; i < 8; ++i)
            if (lbl_jmeno[size_t(i + 1)]->text() == ResultsTable::kMarker)
                row = i;
        if (row >= 0)
            lbl_jmeno[size_t(row + 1)]->set_text(name);
        m_table.save(ResultsTable::file(cesta_hry), klic_hry, uroven);
    } else {
        for (int i = 1; i <= 8; ++i)
            if (lbl_jmeno[size_t(i)]->text() == ResultsTable::kMarker) {
                lbl_jmeno[size_t(i)]->set_text("");
                lbl_body[size_t(i)]->set_text("");
            }
        m_table.load(ResultsTable::file(cesta_hry), klic_hry, uroven);
    }
    txt_jmeno.hide();
    set_focus(nullptr);
    enable_cakes(true);
    return true;
}

void ukaz_tabulku(const std::string& game_key, int level, int16_t result)
{
    auto& app = ui::App::get();
    klic_hry = game_key;
    uroven = level;
    vysledek = result;
    FrmTabulka& t = app.form<FrmTabulka>();
    app.unload(t);
}

}  // namespace bafo
