#include "services/video.h"

#include "platform/clip_decoder.h"
#include "platform/files.h"
#include "platform/trace.h"
#include "services/clip_script.h"
#include "services/globals.h"
#include "services/helpers.h"
#include "services/sound.h"
#include "shell/settings.h"
#include "ui/app.h"
#include "ui/form.h"

#include <cmath>

namespace bafo {

namespace {

// cesta_videi + the bare file name when it is there, else the fallback.
std::string prefer_clip_dir(const std::string& bare, const std::string& fallback)
{
    if (cesta_videi != "ERROR" && !cesta_videi.empty()) {
        std::string p = join_path(cesta_videi, bare);
        if (soubor_existuje(p))
            return p;
    }
    return fallback;
}

void start_clip_sound(const std::string& clip_name)
{
    platform().sound_stop();
    const std::string own = join_path(cesta_hry, jmeno_souboru(clip_name) + ".WAV");
    const std::string from = soubor_existuje(own) ? own : data_path("\\" + clip_name + ".WAV");
    const std::string copy = game_path("\\ZVUK.WAV");
    // Any failure here leaves the clip silent.
    if (!soubor_existuje(from) || !copy_file(from, copy))
        return;
    set_normal_attributes(copy);
    prehraj_zvuk(copy);
}

class ClipRun {
public:
    ClipRun(ui::PictureBox& box, double scale, const ClipFrameHook& hook) : m_box(box), m_scale(scale), m_hook(hook) {}

    void draw(const Surface& frame, bool first)
    {
        Surface shown;
        if (m_scale == 1.0) {
            shown = frame;
        } else {
            shown.resize(m_box.rect().w, m_box.rect().h);
            shown.stretch(frame, frame.rect(), shown.rect());
        }
        if (first)
            m_box.layers.draw_both(shown, 0, 0);
        else
            m_box.layers.draw_screen(shown, 0, 0);
        if (m_hook)
            m_hook(m_box.layers.screen, m_box.rect());
    }

private:
    ui::PictureBox& m_box;
    double m_scale;
    const ClipFrameHook& m_hook;
};

// Finds the clip script and its video, opens the video and decodes the
// first frame, reporting failures as the player does. The box is placed at the
// script's area, scaled and offset by (x, y). False when the clip cannot play
// (a missing decoder also ends the program).
bool otevri_klip(const std::string& script_path, ClipScript& script, ClipDecoder& decoder, Surface& frame,
                 std::string& script_file, double scale, int x, int y, ui::PictureBox& box)
{
    auto& app = ui::App::get();
    script_file = prefer_clip_dir(jmeno_souboru(script_path), script_path);
    auto text = read_file(script_file);
    auto parsed = text ? ClipScript::parse(*text) : std::nullopt;
    if (!parsed || !stays_in_data_root(parsed->name)) {
        trace("clip_skipped " + script_file);
        return false;
    }
    script = std::move(*parsed);
    auto scaled = [&](int v) { return int(std::lround(v * scale)); };
    box.set_rect({x + scaled(script.left), y + scaled(script.top), scaled(script.width), scaled(script.height)});

    const std::string video = prefer_clip_dir(jmeno_souboru(script.name) + ".AVI", data_path("\\" + script.name + ".AVI"));
    ClipDecoder::Status st = decoder.open(video);
    if (st.step == ClipDecoder::Step::Codec) {
        zprava("В вашей системе не установлен кодек  Microsoft Video 1. Пожалуйста, установите его.", "Bafolino",
               MessageIcon::Information);
        obnov_rozliseni();
        app.quit(1);
        return false;
    }
    if (st.step != ClipDecoder::Step::None) {
        const bool described = st.step != ClipDecoder::Step::Length;
        zprava("Chyba č. " + std::to_string(described ? st.code : 0) + " funkce " + (described ? step_name(st.step) : "") +
                   " při inicializaci souboru videa " + video,
               "Bafolino", MessageIcon::None);
        return false;
    }
    script.keep_frames_below(decoder.frame_count());
    if (script.entries.empty() || !decoder.frame(script.entries[0].frame, frame)) {
        zprava("Chyba č. 0 funkce  při inicializaci souboru videa " + video, "Bafolino", MessageIcon::None);
        decoder.close();
        return false;
    }
    return true;
}

}  // namespace

void prehraj_animaci(const std::string& script_path, ui::PictureBox& box, int x, int y, double scale,
                     const ClipFrameHook& after_frame)
{
    auto& app = ui::App::get();
    ui::Form& screen = box.form();
    if (scale <= 0)
        scale = 1;
    skryj_kurzor();
    screen.set_enabled(false);
    auto finish = [&] {
        box.hide();
        screen.set_enabled(true);
        zobraz_kurzor();
    };

    ClipScript script;
    ClipDecoder decoder;
    Surface frame;
    std::string script_file;
    if (!otevri_klip(script_path, script, decoder, frame, script_file, scale, x, y, box)) {
        finish();
        return;
    }
    trace("clip " + script_file);
    ClipRun run(box, scale, after_frame);
    run.draw(frame, true);
    start_clip_sound(script.name);
    box.show();

    uint32_t t0 = app.now(), duration = 0;
    for (size_t i = 1; i < script.entries.size() && !app.quitting(); ++i) {
        app.wait_dispatch(t0 + duration);
        t0 = app.now();
        duration = script.entries[i].ms;
        if (decoder.frame(script.entries[i].frame, frame))
            run.draw(frame, false);
    }
    // The last frame is held for its time too; a lone first entry is not.
    if (script.entries.size() > 1)
        app.wait_dispatch(t0 + duration);
    if (script.keep > 0)
        screen.draw_both(box.layers.screen, box.rect().x, box.rect().y);
    decoder.close();
    finish();
}

void prehraj_sekvenci(const std::string& file, ui::PictureBox& box, int x, int y, double scale,
                      const ClipFrameHook& after_frame)
{
    auto text = read_file(file);
    if (!text)
        return;
    auto fields = parse_sequence(*text);
    for (size_t i = 0; i < 4 && !ui::App::get().quitting(); ++i) {
        if (i >= 2 && fields[i].empty())
            continue;
        // A field that points outside the data tree is not played.
        if (!stays_in_data_root(fields[i])) {
            trace("clip_refused " + fields[i]);
            continue;
        }
        prehraj_animaci(data_path("\\" + fields[i]), box, x, y, scale, after_frame);
    }
}

TimedClip::TimedClip() : m_script(std::make_unique<ClipScript>()), m_decoder(std::make_unique<ClipDecoder>()) {}

TimedClip::~TimedClip() = default;

bool TimedClip::start(const std::string& script_path, ui::PictureBox& box)
{
    stop();
    Surface frame;
    std::string script_file;
    if (!otevri_klip(script_path, *m_script, *m_decoder, frame, script_file, 1.0, 0, 0, box))
        return false;
    trace("clip " + script_file);
    box.layers.draw_both(frame, 0, 0);
    box.show();
    m_box = &box;
    m_entry = 0;
    return true;
}

std::optional<uint32_t> TimedClip::step()
{
    if (!m_box)
        return std::nullopt;
    if (++m_entry >= m_script->entries.size()) {
        stop();
        return std::nullopt;
    }
    const auto& e = m_script->entries[m_entry];
    Surface frame;
    if (m_decoder->frame(e.frame, frame))
        m_box->layers.draw_screen(frame, 0, 0);
    return e.ms;
}

void TimedClip::stop()
{
    if (m_box) {
        m_box->hide();
        trace("clip_end");
    }
    m_box = nullptr;
    m_decoder->close();
}

std::string sekvence_obrazku(const std::string& picture)
{
    if (picture.size() < 3)
        return picture;
    return picture.substr(0, picture.size() - 3) + "DAT";
}

}  // namespace bafo
