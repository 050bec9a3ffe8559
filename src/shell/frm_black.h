// The black start-up screen with the welcome picture, and the farewell.
#pragma once

#include "ui/form.h"

namespace bafo {

class FrmBlack : public ui::Form {
public:
    FrmBlack();
    void on_load() override;
    void on_activate() override;

private:
    void konec_uvodu();

    ui::PictureBox& obrazek;
    ui::Timer& casovac;
};

}  // namespace bafo
