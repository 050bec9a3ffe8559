#include "dress/frm_krejci.h"

#include "menus/frm_select.h"
#include "platform/bitmap_file.h"
#include "platform/trace.h"
#include "services/helpers.h"
#include "services/printing.h"
#include "services/sound.h"
#include "services/video.h"
#include "ui/app.h"

namespace bafo {

namespace {

std::string dress_file(const std::string& name)
{
    return data_path("\\BAFO_CS\\KREJCI\\" + name);
}

constexpr const char* kIconFiles[4] = {"ZPET.BMP", "TISK.BMP", "ZAMI.BMP", "BAFO.BMP"};
constexpr const char* kSpotNames[kGarmentKinds] = {"klik_boty", "klik_cepice", "klik_kosile", "klik_trenyrky"};
constexpr uint32_t kPaper = 0xFFFFFF;

}  // namespace

FrmKrejci::FrmKrejci() : ui::Form("frm_krejci"), zdroj(add<ui::PictureBox>("zdroj"))
{
    zdroj.hide();
    for (Garment g : kAllGarments) {
        auto& a = add<ui::HotArea>(kSpotNames[size_t(g)]);
        a.on_mouse_move = [this](const ui::MouseArgs& m) { on_mouse_move(m); };
        klik_obleceni[size_t(g)] = &a;
    }
    klik_obleceni[size_t(Garment::Boots)]->on_click = [this] { klik_boty_Click(); };
    klik_obleceni[size_t(Garment::Hat)]->on_click = [this] { klik_cepice_Click(); };
    klik_obleceni[size_t(Garment::Shirt)]->on_click = [this] { klik_kosile_Click(); };
    klik_obleceni[size_t(Garment::Shorts)]->on_click = [this] { klik_trenyrky_Click(); };
    for (int i = 0; i < 5; ++i) {
        auto& a = add<ui::HotArea>("funny_ani", i);
        a.on_click = [this, i] { funny_ani_Click(i); };
        a.on_mouse_move = [this](const ui::MouseArgs& m) { on_mouse_move(m); };
        funny_ani[size_t(i)] = &a;
    }
    for (int i = 0; i < 4; ++i) {
        auto& a = add<ui::HotArea>("klik_ico", i);
        a.on_click = [this, i] { klik_ico_Click(i); };
        a.on_mouse_move = [this, i](const ui::MouseArgs& m) { klik_ico_MouseMove(i, m); };
        klik_ico[size_t(i)] = &a;
    }
    // The clips play in the box, over everything.
    keep_on_top(zdroj);
}

void FrmKrejci::on_load()
{
    auto& app = ui::App::get();
    caption = "Bafolino";
    Surface bg;
    if (load_bitmap(dress_file("BG.BMP"), bg) != kBitmapOk || bg.width() != 800 || bg.height() != 600)
        bg = Surface(800, 600, 0xFFF4E0);
    set_picture(bg);
    // Without his picture Bafo is what the background shows where he stands.
    if (load_bitmap(dress_file("NAHYBAFO.BMP"), m_nahy) != kBitmapOk || m_nahy.empty())
        m_nahy = bg.crop(kMascotFallback);
    m_satnik = Wardrobe();
    m_nahy_bafo = Surface();
    for (Garment g : kAllGarments)
        drzak(g) = Surface();

    for (Garment g : kAllGarments) {
        klik_obleceni[size_t(g)]->set_rect(kind_of(g).spot);
        klik_obleceni[size_t(g)]->pointer = app.hot_pointer;
    }
    for (int i = 0; i < 5; ++i) {
        funny_ani[size_t(i)]->set_rect(kClips[i].spot);
        funny_ani[size_t(i)]->pointer = app.hot_pointer;
    }
    std::vector<Highlighter::Icon> icons;
    for (int i = 0; i < 4; ++i) {
        klik_ico[size_t(i)]->set_rect(kIconAreas[i]);
        klik_ico[size_t(i)]->pointer = app.hot_pointer;
        klik_ico[size_t(i)]->marked = false;
        icons.push_back({dress_file(kIconFiles[i]), kIconLit[i].x, kIconLit[i].y});
    }
    m_highlight = std::make_unique<Highlighter>(*this, std::vector<ui::HotArea*>(klik_ico.begin(), klik_ico.end()), icons);
}

void FrmKrejci::on_activate()
{
    auto& app = ui::App::get();
    app.dispatch_pending();
    app.set_screen_pointer(std::nullopt);
}

void FrmKrejci::on_mouse_move(const ui::MouseArgs& a)
{
    if (!a.buttons && m_highlight)
        m_highlight->smaz_aktivni_plochy();
}

void FrmKrejci::klik_ico_MouseMove(int i, const ui::MouseArgs& a)
{
    if (!a.buttons)
        m_highlight->highlight(size_t(i));
}

Surface& FrmKrejci::drzak(Garment g)
{
    switch (g) {
    case Garment::Boots: return boty_zdroj;
    case Garment::Hat: return cepice_zdroj;
    case Garment::Shirt: return kosile_zdroj;
    case Garment::Shorts: break;
    }
    return trenky_zdroj;
}

void FrmKrejci::nacti_kus(Garment g)
{
    Surface& holder = drzak(g);
    // A missing garment is simply not drawn.
    if (load_bitmap(Wardrobe::file(g, m_satnik.worn(g)), holder) != kBitmapOk)
        holder = Surface();
}

void FrmKrejci::oblec_dalsi(Garment g)
{
    zvuk_kliknuti();
    const int item = m_satnik.next(g);
    trace(std::string("dress: ") + kind_of(g).name + " " + std::to_string(item));
    nacti_kus(g);
    navlec_aktualni_obleceni();
}

void FrmKrejci::nahodne_obleceni()
{
    zvuk_kliknuti();
    randomize();
    m_satnik.random_outfit(rnd);
    std::string items;
    for (Garment g : kAllGarments) {
        nacti_kus(g);
        items += " " + std::to_string(m_satnik.worn(g));
    }
    trace("dress: random" + items);
    navlec_aktualni_obleceni();
}

void FrmKrejci::navlec_aktualni_obleceni()
{
    m_nahy_bafo = navlec(m_nahy, m_satnik, drzaky());
    draw_both(m_nahy_bafo, kMascotAt.x, kMascotAt.y);
}

Surface FrmKrejci::print_picture() const
{
    Surface paper;
    if (load_bitmap(dress_file("TISK_BFO.BMP"), paper) != kBitmapOk || paper.empty()) {
        // No print picture: the undressed Bafo at his place on white paper.
        paper = Surface(m_nahy.width() + 2 * kMascotAt.x, m_nahy.height() + 2 * kMascotAt.y, kPaper);
        paper.blit(m_nahy, kMascotAt.x, kMascotAt.y);
    }
    return navlec(paper, m_satnik, drzaky(), kMascotAt);
}

void FrmKrejci::tiskni_bafa()
{
    const Surface picture = print_picture();
    trace("dress: print");
    vytiskni(picture, print_inches(picture.width()), print_inches(picture.height()), false, "Bafo");
}

void FrmKrejci::funny_ani_Click(int i)
{
    const std::string script = kClips[i].script;
    trace("dress: clip " + script);
    prehraj_animaci(dress_file(script), zdroj, kClipAt.x, kClipAt.y, 1);
    trace("dress: clip over");
}

void FrmKrejci::klik_ico_Click(int i)
{
    auto& app = ui::App::get();
    switch (i) {
    case kBack:
        set_enabled(false);
        zvuk_kliknuti();
        app.set_screen_pointer(CursorKind::Busy);
        trace("dress: back");
        app.show(app.form<FrmSelect>());
        app.unload(*this);
        return;
    case kPrint:
        zvuk_kliknuti();
        tiskni_bafa();
        return;
    case kRandom:
        nahodne_obleceni();
        return;
    case kHelp:
        set_enabled(false);
        zvuk_kliknuti();
        klip_zdroj.load(dress_file("BAFO_ANI.BMP"), 4);
        trace("dress: help");
        animuj_mluveni(*this, kMouth.x, kMouth.y, klip_zdroj, &zdroj, data_path("\\BAFO_CS\\REC\\OBLEKANI.WAV"));
        trace("dress: help over");
        set_enabled(true);
        return;
    }
}

}  // namespace bafo
