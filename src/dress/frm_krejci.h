// The dress-up: Bafo without clothes. A click on his feet, head, chest or
// hips puts on the next boots, hat, shirt or shorts; the icons dress him at
// random, print him, let him explain the screen and lead back to the menu;
// five spots of the room play funny clips.
#pragma once

#include "dress/wardrobe.h"
#include "services/composition.h"
#include "ui/form.h"

#include <array>
#include <memory>

namespace bafo {

class FrmKrejci : public ui::Form {
public:
    FrmKrejci();
    void on_load() override;
    void on_activate() override;
    void on_mouse_move(const ui::MouseArgs& a) override;

    enum Icon { kBack, kPrint, kRandom, kHelp };
    static constexpr Rect kIconAreas[4] = {{20, 545, 86, 46}, {255, 535, 81, 56}, {525, 520, 56, 76}, {735, 515, 66, 86}};
    static constexpr Point kIconLit[4] = {{0, 515}, {245, 515}, {522, 515}, {732, 509}};
    struct FunnyClip {
        const char* script;  // in the screen's directory
        Rect spot;
    };
    static constexpr FunnyClip kClips[5] = {{"STOJKA.DAT", {600, 330, 111, 56}},
                                            {"ZASUVKA.DAT", {545, 285, 106, 31}},
                                            {"PTAK.DAT", {655, 200, 51, 121}},
                                            {"MYSI.DAT", {365, 120, 111, 31}},
                                            {"KRYSA.DAT", {525, 100, 81, 36}}};
    static constexpr Point kClipAt{80, 31};
    static constexpr Point kMouth{732, 509};
    // Where Bafo stands when his picture is missing: up to the right and
    // bottom edges of the garment spots.
    static constexpr Rect kMascotFallback{88, 114, 307 - 88, 416 - 114};
    // The print is twice the picture's size on a screen of 15 twips a pixel.
    static constexpr int kPrintScale = 2;
    static constexpr double kTwipsPerPixel = 15, kTwipsPerInch = 1440;
    static double print_inches(int pixels) { return kPrintScale * pixels * kTwipsPerPixel / kTwipsPerInch; }

    // What tests look at.
    const Wardrobe& wardrobe() const { return m_satnik; }
    // The dressed Bafo as last painted; empty before the first garment.
    const Surface& nahy_bafo() const { return m_nahy_bafo; }
    // The undressed Bafo every composition starts from.
    const Surface& undressed() const { return m_nahy; }
    // The print picture with the garments worn now.
    Surface print_picture() const;

    // Composes the dressed Bafo and paints him at his place into both layers.
    void navlec_aktualni_obleceni();
    // Asks for a printer and prints the dressed Bafo; the screen stays as it is.
    void tiskni_bafa();

private:
    void klik_ico_Click(int i);
    void klik_ico_MouseMove(int i, const ui::MouseArgs& a);
    void klik_boty_Click() { oblec_dalsi(Garment::Boots); }
    void klik_cepice_Click() { oblec_dalsi(Garment::Hat); }
    void klik_kosile_Click() { oblec_dalsi(Garment::Shirt); }
    void klik_trenyrky_Click() { oblec_dalsi(Garment::Shorts); }
    void funny_ani_Click(int i);
    void oblec_dalsi(Garment g);
    void nahodne_obleceni();
    void nacti_kus(Garment g);
    Surface& drzak(Garment g);
    GarmentPictures drzaky() const { return {&boty_zdroj, &cepice_zdroj, &kosile_zdroj, &trenky_zdroj}; }

    ui::PictureBox& zdroj;
    std::array<ui::HotArea*, 4> klik_ico{};
    std::array<ui::HotArea*, kGarmentKinds> klik_obleceni{};  // klik_boty, klik_cepice, klik_kosile, klik_trenyrky
    std::array<ui::HotArea*, 5> funny_ani{};
    std::unique_ptr<Highlighter> m_highlight;
    Wardrobe m_satnik;
    // The pictures of the items worn.
    Surface boty_zdroj, cepice_zdroj, kosile_zdroj, trenky_zdroj;
    Surface m_nahy;        // NAHYBAFO.BMP
    Surface m_nahy_bafo;   // the composition shown
};

}  // namespace bafo
