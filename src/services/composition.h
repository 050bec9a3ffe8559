// How every screen is composed: position tables, the highlight-and-restore
// cycle of icons, one-bit masks and the transparent copy.
#pragma once

#include "platform/platform.h"
#include "platform/surface.h"
#include "services/positions.h"
#include "ui/control.h"
#include "ui/form.h"
#include "ui/layers.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace bafo {

// Integer pairs from a text file of fields separated by commas or line
// breaks. A pair with a missing or non-numeric field is empty.
std::vector<std::optional<Point>> nacti_pozice(const std::string& path, size_t pairs);

bool vytvor_masku(const Surface& src, int w, int h, Mask& mask, uint32_t key);
bool pruhledna_kopie(const Surface& src, int w, int h, uint32_t key, const Surface& bg, Surface& dst);

// Lays `panel` over what lies under it at (x, y) of `under`, with the panel's
// pixel (0, 0) as the transparent colour, into `box`'s persistent image.
void sloz_panel(ui::PictureBox& box, const Surface& panel, const Surface& under, int x, int y);

// The yes and no buttons of Bafo's question panel: the one under the pointer
// lights on the panel's screen layer, and the panel itself puts it out.
struct YesNoLights {
    Surface yes, no;        // the lit buttons
    Point yes_at, no_at;    // where they lie on the panel
    std::array<bool, 2> lit{};
    void over_button(ui::PictureBox& panel, int b);
    void over_panel(ui::PictureBox& panel);
    // Bafo asks: `picture` laid over the form's screen at `at` into `panel`,
    // both buttons dark; what is pending runs; then he says `voice` with the
    // mouth strip in klip_zdroj moving at `mouth` of the panel. He says nothing
    // when the form went away or the panel was answered meanwhile.
    void ask(ui::Form& form, ui::PictureBox& panel, const Surface& picture, Point at, Point mouth,
             ui::PictureBox* work, const std::string& voice);
};

// A screen's own pointers, drawn in its directory: KURZOR.BMP while the
// screen is busy, RUKA.BMP over what can be clicked. Missing ones fall back
// to the system's busy pointer and the common hot-area pointer.
struct ScreenPointers {
    Surface busy_image, hand_image;
    Cursor busy{CursorKind::Busy}, hand{CursorKind::Hand};
    // `dir` is a full directory path; `hot` is the pointer over hot areas.
    void load(const std::string& dir, const Cursor& hot);
};

// The icons of a screen that light up under the pointer: one backup and the
// marks of the hot areas.
class Highlighter {
public:
    struct Icon {
        std::string file;  // full path of the lit bitmap
        int x = 0, y = 0;
    };
    Highlighter(ui::Layers& target, std::vector<ui::HotArea*> areas, std::vector<Icon> icons);

    // Lights icon i, restoring any other first; nothing when already lit.
    void highlight(size_t i);
    // smaz_aktivni_plochy: puts back what lay under the lit icon.
    void smaz_aktivni_plochy();
    std::optional<size_t> lit() const;
    // Which bitmap lights icon i from now on (an icon whose look follows a level).
    void set_icon_file(size_t i, const std::string& file)
    {
        if (i < m_icons.size())
            m_icons[i].file = file;
    }
    // What the next restore of icon i puts back, when i is lit (a wheel that changed its face).
    void replace_backup(size_t i, const Surface& s)
    {
        if (lit() == i)
            m_zaloha = s;
    }

private:
    ui::Layers& m_target;
    std::vector<ui::HotArea*> m_areas;
    std::vector<Icon> m_icons;
    Surface m_zdroj;
    Surface m_zaloha;
};

}  // namespace bafo
