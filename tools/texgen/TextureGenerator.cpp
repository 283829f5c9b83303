#include "TextureGenerator.h"

#include "CarTextures.h"
#include "FacadeTextures.h"
#include "GroundTextures.h"
#include "PedTextures.h"
#include "SkyTextures.h"

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <system_error>

namespace texgen {

namespace {

struct TextureFile {
    const char* name;
    Image (*paint)();
    FileLayout layout;
};

// Building walls put texture row t = 0 at the foot of the wall, except the
// wall facing -x, which has it at the top and runs s the other way; each
// facade is laid into its file so that it stands upright where it is drawn.
// Cars and peds use texture row 0 at the top of each part.
constexpr TextureFile Files[] = {
    {"texture.raw", PaintBrickFacade, FileLayout::BottomFirst},
    {"texture1.raw", PaintStuccoFacade, FileLayout::BottomFirst},
    {"texture2.raw", PaintConcreteFacade, FileLayout::MirroredTopFirst},
    {"texture3.raw", PaintGlassFacade, FileLayout::BottomFirst},
    {"texture4.raw", PaintStoneFacade, FileLayout::BottomFirst},
    {"texture5.raw", PaintRoof, FileLayout::TopFirst},
    {"road.raw", PaintRoadAlongRows, FileLayout::TopFirst},
    {"road2.raw", PaintRoadAlongColumns, FileLayout::TopFirst},
    {"sidewalk.raw", PaintSidewalk, FileLayout::TopFirst},
    {"intersection.raw", PaintCrossing, FileLayout::TopFirst},
    {"skytop.raw", PaintSkyTop, FileLayout::TopFirst},
    {"skyside.raw", PaintSkySide, FileLayout::TopFirst},
    {"grass.raw", PaintGrass, FileLayout::TopFirst},
    {"car_front.raw", PaintCarFront, FileLayout::TopFirst},
    {"car_back.raw", PaintCarBack, FileLayout::TopFirst},
    {"car_Top.raw", PaintCarTop, FileLayout::TopFirst},
    {"car_windshield.raw", PaintCarWindshield, FileLayout::TopFirst},
    {"car_wheel.raw", PaintCarWheel, FileLayout::TopFirst},
    {"car_door2.raw", PaintCarDoorOtherSide, FileLayout::TopFirst},
    {"car_door.raw", PaintCarDoor, FileLayout::TopFirst},
    {"car_sidewindow.raw", PaintCarSideWindow, FileLayout::TopFirst},
    {"wc_headface.raw", PaintHeadFace, FileLayout::TopFirst},
    {"wc_headside.raw", PaintHeadSide, FileLayout::TopFirst},
    {"wc_headside2.raw", PaintHeadSideMirrored, FileLayout::TopFirst},
    {"wc_headtop.raw", PaintHeadTop, FileLayout::TopFirst},
    {"wc_headback.raw", PaintHeadBack, FileLayout::TopFirst},
    {"wc_front.raw", PaintShirtFront, FileLayout::TopFirst},
    {"wc_back.raw", PaintShirtBack, FileLayout::TopFirst},
};

void WriteFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

} // namespace

void WriteAllTextures(const std::string& dir) {
    const std::filesystem::path root(dir);
    std::error_code error;
    std::filesystem::create_directories(root, error);
    if (error) {
        throw std::runtime_error("cannot create directory " + dir + ": " + error.message());
    }
    for (const TextureFile& file : Files) {
        WriteFile(root / file.name, file.paint().Bytes(file.layout));
    }
}

} // namespace texgen
