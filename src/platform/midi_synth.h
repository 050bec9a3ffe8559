// The built-in General MIDI synthesiser: FluidSynth with a sound font, played
// into our mixer. The library is opened with the first synthesiser: linked,
// its dozens of dependencies would slow every start for a screen few visit.
#pragma once

#include "platform/mixer.h"

#include <cstdint>
#include <memory>
#include <string>

namespace bafo {

struct FluidLibrary;

class MidiSynth : public Mixer::Source {
public:
    static const char* const kLibrary;     // the soname we were compiled against
    static const char* const kSoundFont;   // TimGM6mb, where Debian puts it

    // A synthesiser at the mixer's rate, or nullptr with `code` (a MidiError)
    // saying why.
    static std::unique_ptr<MidiSynth> create(const std::string& library, const std::string& sound_font, int& code);
    ~MidiSynth() override;
    MidiSynth(const MidiSynth&) = delete;
    MidiSynth& operator=(const MidiSynth&) = delete;

    // Plays a short message (status + 256 × data 1 + 65536 × data 2) at once.
    // 0, or kMidiBadMessage.
    int send(uint32_t message);

    bool sounding() override;
    void render(float* out, size_t frames) override;

private:
    struct Handles;
    explicit MidiSynth(std::unique_ptr<Handles> h);
    std::unique_ptr<Handles> m;
};

}  // namespace bafo
