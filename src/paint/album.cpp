#include "paint/album.h"

#include "platform/bitmap_file.h"
#include "platform/files.h"
#include "platform/trace.h"
#include "services/helpers.h"

namespace bafo {

std::string Album::painting_path(int n)
{
    return game_path("\\OMAL" + std::to_string(n) + ".BMP");
}

std::string Album::thumbnail_path(int n)
{
    return game_path("\\NAHL" + std::to_string(n) + ".BMP");
}

bool Album::occupied(int n)
{
    return soubor_existuje(painting_path(n));
}

Surface Album::reduce(const Surface& painting)
{
    Surface t(kThumbW, kThumbH);
    if (!painting.empty())
        t.stretch(painting, painting.rect(), t.rect());
    return t;
}

Surface Album::thumbnail(int n)
{
    Surface painting;
    if (!load(n, painting))
        return {};
    Surface made = reduce(painting);
    Surface stored;
    if (load_bitmap(thumbnail_path(n), stored) == kBitmapOk && stored.same_pixels(made))
        return stored;
    return made;
}

bool Album::store(int n, const Surface& painting)
{
    const std::string bmp = encode_bitmap(painting);
    if (bmp.empty())
        return false;
    // The painting goes first: a store cut off between the two leaves a new
    // painting whose old thumbnail `thumbnail` no longer believes.
    if (!write_files_atomic({{painting_path(n), bmp}, {thumbnail_path(n), encode_bitmap(reduce(painting))}}))
        return false;

    // The family's copy is a courtesy: the album does not depend on it.
    const std::string png = family_copy_path(n, std::time(nullptr));
    const std::string dir = png.substr(0, png.rfind('/'));
    if (!make_directories(dir) || !write_file_atomic(png, encode_png(painting)))
        trace("album: no copy in " + dir);
    return true;
}

bool Album::load(int n, Surface& painting)
{
    return occupied(n) && load_bitmap(painting_path(n), painting) == kBitmapOk && !painting.empty();
}

std::string Album::family_copy_path(int n, std::time_t when)
{
    std::tm local{};
    localtime_r(&when, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d-%H%M%S", &local);
    return pictures_directory() + "/Bafolino/" + stamp + "-" + std::to_string(n) + ".png";
}

}  // namespace bafo
