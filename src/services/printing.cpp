#include "services/printing.h"

#include "platform/bitmap_file.h"
#include "platform/draw.h"
#include "platform/font.h"
#include "platform/platform.h"
#include "platform/trace.h"
#include "services/composition.h"
#include "services/helpers.h"
#include "services/sound.h"
#include "ui/app.h"

#include <memory>
#include <vector>

namespace bafo {

namespace {

std::string panel_file(const std::string& name)
{
    return data_path("\\BAFO_CS\\TISK\\" + name);
}

constexpr uint32_t kInk = 0x3B2A20, kChosen = 0xFFE98A;
constexpr const char* kNoPrinter = "Принтера нет";
constexpr int kKeyEnter = 13, kKeyEscape = 27, kKeyUp = 38, kKeyDown = 40;

Rect local(const Rect& r)
{
    return {r.x - kPrintPanel.x, r.y - kPrintPanel.y, r.w, r.h};
}

// The longest start of `name` that fits `width`, with an ellipsis when cut.
std::string fitted(const std::string& name, const TextStyle& style, int width)
{
    int w = 0, h = 0;
    text_size(name, style, w, h);
    if (w <= width)
        return name;
    std::string cut = name;
    while (!cut.empty()) {
        do
            cut.pop_back();
        while (!cut.empty() && (static_cast<unsigned char>(cut.back()) & 0xC0) == 0x80);
        if (!cut.empty())
            cut.pop_back();  // the lead byte of the character just stripped, or one more ASCII
        text_size(cut + "…", style, w, h);
        if (w <= width)
            return cut + "…";
    }
    return "…";
}

}  // namespace

// Bafo's printer panel: it lies over the screen that prints and answers once.
class FrmTiskarna : public ui::Form {
public:
    FrmTiskarna() : ui::Form("frm_tiskarna", kPrintPanel.w, kPrintPanel.h)
    {
        for (int i = 0; i < kPrintRows; ++i) {
            auto& a = add<ui::HotArea>("radek", i);
            a.set_rect(local(print_row(i)));
            a.on_click = [this, i] { choose(i); };
            a.on_mouse_move = [this](const ui::MouseArgs& m) { on_mouse_move(m); };
            m_rows[size_t(i)] = &a;
        }
        for (int b = 0; b < 2; ++b) {
            auto& a = add<ui::HotArea>("tlacitko", b);
            a.set_rect(local(b == 0 ? kPrintYes : kPrintNo));
            a.on_click = [this, b] { answer(b == 0); };
            a.on_mouse_move = [this, b](const ui::MouseArgs&) { m_highlight->highlight(size_t(b)); };
            m_buttons[size_t(b)] = &a;
        }
    }

    void on_load() override
    {
        auto& app = ui::App::get();
        caption = "Bafolino";
        x = kPrintPanel.x;
        y = kPrintPanel.y;
        m_printers = platform().printers();
        if (m_printers.size() > size_t(kPrintRows))
            m_printers.resize(size_t(kPrintRows));

        // The panel's rounded card over the screen it prints from.
        Surface under(kPrintPanel.w, kPrintPanel.h);
        under.blit(app.frame(), kPrintPanel, 0, 0);
        Surface panel;
        if (load_bitmap(panel_file("PANEL.BMP"), panel) != kBitmapOk) {
            panel = Surface(kPrintPanel.w, kPrintPanel.h, 0xFFF4E0);
            draw_rectangle(panel, panel.rect(), Pen{kInk, 3});
        }
        m_card = under;
        if (!pruhledna_kopie(panel, panel.width(), panel.height(), panel.pixel(0, 0), under, m_card))
            m_card = panel;

        load_bitmap(panel_file("ANO_0.BMP"), m_yes);
        load_bitmap(panel_file("NE_0.BMP"), m_no);
        if (m_printers.empty()) {
            Surface none;
            if (load_bitmap(panel_file("ZADNA.BMP"), none) == kBitmapOk)
                m_card.blit(none, none.rect(), kListX, kListY);
            const TextStyle words{20, kInk, true};
            int w = 0, h = 0;
            text_size(kNoPrinter, words, w, h);
            draw_text(m_card, kListX, local(kPrintYes).y + (kPrintYes.h - h) / 2, kNoPrinter, words);
        } else if (!m_yes.empty()) {
            m_card.blit(m_yes, m_yes.rect(), local(kPrintYes).x, local(kPrintYes).y);
        }
        if (!m_no.empty())
            m_card.blit(m_no, m_no.rect(), local(kPrintNo).x, local(kPrintNo).y);

        std::vector<ui::HotArea*> areas(m_buttons.begin(), m_buttons.end());
        m_highlight = std::make_unique<Highlighter>(
            *this, areas,
            std::vector<Highlighter::Icon>{{panel_file("ANO_1.BMP"), local(kPrintYes).x, local(kPrintYes).y},
                                           {panel_file("NE_1.BMP"), local(kPrintNo).x, local(kPrintNo).y}});
        m_buttons[0]->set_enabled(!m_printers.empty());
        for (size_t i = 0; i < m_rows.size(); ++i)
            m_rows[i]->set_enabled(i < m_printers.size());
        for (auto* a : m_rows)
            a->pointer = app.hot_pointer;
        for (auto* a : m_buttons)
            a->pointer = app.hot_pointer;
        m_chosen = 0;
        m_answered = false;
        m_print = false;
        draw_list();
        trace("printer panel " + std::to_string(m_printers.size()) + " printers");
    }

    void on_activate() override
    {
        auto& app = ui::App::get();
        app.dispatch_pending();
        app.set_screen_pointer(std::nullopt);
    }

    void on_mouse_move(const ui::MouseArgs& a) override
    {
        if (a.buttons == 0)
            m_highlight->smaz_aktivni_plochy();
    }

    void on_key_down(int key, int) override
    {
        if (key == kKeyEscape)
            answer(false);
        else if (key == kKeyEnter && !m_printers.empty())
            answer(true);
        else if ((key == kKeyUp || key == kKeyDown) && !m_printers.empty()) {
            const int n = int(m_printers.size());
            choose((m_chosen + (key == kKeyUp ? n - 1 : 1)) % n);
        }
    }

    bool answered() const { return m_answered; }
    bool print_chosen() const { return m_print; }
    std::string printer() const { return m_printers.empty() ? std::string() : m_printers[size_t(m_chosen)]; }

private:
    static constexpr int kListX = 160, kListY = 24;

    void choose(int i)
    {
        if (i < 0 || i >= int(m_printers.size()))
            return;
        zvuk_kliknuti();
        m_chosen = i;
        draw_list();
    }

    // The names on the card, the chosen one on a yellow band.
    void draw_list()
    {
        Surface s = m_card;
        const TextStyle style{21, kInk, true};
        for (size_t i = 0; i < m_printers.size(); ++i) {
            const Rect row = local(print_row(int(i)));
            if (int(i) == m_chosen)
                draw_rectangle(s, row, Pen{kInk, 2}, kChosen);
            const std::string name = fitted(m_printers[i], style, row.w - 24);
            int w = 0, h = 0;
            text_size(name, style, w, h);
            draw_text(s, row.x + 12, row.y + (row.h - h) / 2, name, style);
        }
        set_picture(s);
        if (auto lit = m_highlight ? m_highlight->lit() : std::nullopt) {
            // The lit button stays lit over the new picture.
            m_highlight->smaz_aktivni_plochy();
            m_highlight->highlight(*lit);
        }
    }

    void answer(bool print)
    {
        if (m_answered || (print && m_printers.empty()))
            return;
        zvuk_kliknuti();
        m_answered = true;
        m_print = print;
        ui::App::get().hide(*this);
    }

    std::array<ui::HotArea*, kPrintRows> m_rows{};
    std::array<ui::HotArea*, 2> m_buttons{};
    std::unique_ptr<Highlighter> m_highlight;
    std::vector<std::string> m_printers;
    Surface m_card, m_yes, m_no;
    int m_chosen = 0;
    bool m_answered = false, m_print = false;
};

bool vytiskni(const Surface& picture, double width_in, double height_in, bool landscape, const std::string& title)
{
    auto& app = ui::App::get();
    app.present();
    auto& panel = app.form<FrmTiskarna>();
    app.run_modal(panel);
    const bool print = panel.answered() && panel.print_chosen();
    const std::string printer = panel.printer();
    app.unload(panel);
    app.present();
    if (!print)
        return false;

    PrintPage page;
    page.printer = printer;
    page.picture = &picture;
    page.width_in = width_in;
    page.height_in = height_in;
    page.landscape = landscape;
    page.title = title;
    app.set_screen_pointer(CursorKind::Busy);
    const std::string error = platform().print(page);
    app.set_screen_pointer(std::nullopt);
    if (!error.empty()) {
        zprava(error, printer, MessageIcon::Error);
        return false;
    }
    trace("printed " + title + " on " + printer);
    return true;
}

}  // namespace bafo
