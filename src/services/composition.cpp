#include "services/composition.h"

#include "platform/bitmap_file.h"
#include "platform/files.h"
#include "services/sound.h"
#include "ui/app.h"

#include <cstdlib>

namespace bafo {

std::vector<std::optional<Point>> nacti_pozice(const std::string& path, size_t pairs)
{
    auto text = read_file(path);
    return pozice_z_textu(text ? *text : std::string(), pairs);
}

bool vytvor_masku(const Surface& src, int w, int h, Mask& mask, uint32_t key)
{
    return make_mask(src, w, h, mask, key);
}

bool pruhledna_kopie(const Surface& src, int w, int h, uint32_t key, const Surface& bg, Surface& dst)
{
    return transparent_copy(src, w, h, key, bg, dst);
}

void sloz_panel(ui::PictureBox& box, const Surface& panel, const Surface& under, int x, int y)
{
    box.move(x, y);
    box.set_size(panel.width(), panel.height());
    Surface composed = under.crop({x, y, panel.width(), panel.height()});
    pruhledna_kopie(panel, panel.width(), panel.height(), panel.pixel(0, 0), composed, composed);
    box.layers.set_picture(composed);
}

void YesNoLights::over_button(ui::PictureBox& panel, int b)
{
    if (lit[size_t(b)])
        return;
    if (lit[size_t(1 - b)])
        panel.layers.repaint();
    lit = {false, false};
    if (b == 0)
        panel.layers.draw_screen(yes, yes_at.x, yes_at.y);
    else
        panel.layers.draw_screen(no, no_at.x, no_at.y);
    lit[size_t(b)] = true;
}

void YesNoLights::over_panel(ui::PictureBox& panel)
{
    if (!lit[0] && !lit[1])
        return;
    panel.layers.repaint();
    lit = {false, false};
}

void YesNoLights::ask(ui::Form& form, ui::PictureBox& panel, const Surface& picture, Point at, Point mouth,
                      ui::PictureBox* work, const std::string& voice)
{
    sloz_panel(panel, picture, form.screen, at.x, at.y);
    lit = {false, false};
    panel.show();
    auto& app = ui::App::get();
    app.dispatch_pending();
    if (!app.is_loaded(form) || !panel.visible())
        return;
    animuj_mluveni(panel.layers, mouth.x, mouth.y, klip_zdroj, work, voice);
}

void ScreenPointers::load(const std::string& dir, const Cursor& hot)
{
    // Hot spots: the busy arrow's tip, the paw's fingertip.
    busy = load_bitmap(join_path(dir, "KURZOR.BMP"), busy_image) == kBitmapOk ? Cursor{CursorKind::Custom, &busy_image, 2, 2}
                                                                              : Cursor{CursorKind::Busy};
    hand = load_bitmap(join_path(dir, "RUKA.BMP"), hand_image) == kBitmapOk ? Cursor{CursorKind::Custom, &hand_image, 8, 1}
                                                                           : hot;
}

Highlighter::Highlighter(ui::Layers& target, std::vector<ui::HotArea*> areas, std::vector<Icon> icons)
    : m_target(target), m_areas(std::move(areas)), m_icons(std::move(icons))
{
}

std::optional<size_t> Highlighter::lit() const
{
    for (size_t i = 0; i < m_areas.size(); ++i)
        if (m_areas[i]->marked)
            return i;
    return std::nullopt;
}

void Highlighter::smaz_aktivni_plochy()
{
    for (size_t i = 0; i < m_areas.size(); ++i) {
        if (!m_areas[i]->marked)
            continue;
        if (i < m_icons.size())
            m_target.draw_both(m_zaloha, m_icons[i].x, m_icons[i].y);
        m_areas[i]->marked = false;
    }
}

void Highlighter::highlight(size_t i)
{
    if (i >= m_areas.size() || i >= m_icons.size() || m_areas[i]->marked)
        return;
    smaz_aktivni_plochy();
    m_areas[i]->marked = true;
    if (load_bitmap(m_icons[i].file, m_zdroj) != kBitmapOk) {
        // A missing bitmap lights nothing and leaves an empty backup.
        m_zaloha = Surface();
        return;
    }
    const Icon& ic = m_icons[i];
    m_zaloha = m_target.image.crop({ic.x, ic.y, m_zdroj.width(), m_zdroj.height()});
    m_target.draw_both(m_zdroj, ic.x, ic.y);
}

}  // namespace bafo
