// prismel_gen_models: writes the play-field's model files and wall file into
// a folder, as the build packs them into the model archive.
//
//   prismel_gen_models <output folder>
//
// The output depends only on this source and the field measures, so two runs
// write identical files. Before writing, the program checks that a fired disc
// clears the shooter at every aim; if the measures break that, it writes
// nothing and fails, so the build stops instead of shipping a shooter that
// catches its own shots.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "field_models.h"
#include "play_objects.h"
#include "shooter_models.h"

namespace {

// A fired disc must pass the shooter with at least this much room, so that
// rounding in the game's own turning of the gun cannot close the gap.
constexpr double kMinMuzzleClearance = 0.05;  // units

bool write_file(const std::filesystem::path& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
  out.close();
  if (!out) {
    std::fprintf(stderr, "prismel_gen_models: cannot write %s\n", path.string().c_str());
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: prismel_gen_models <output folder>\n");
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  try {
    const models::Mesh base = models::make_shooter_base();
    const models::Mesh gun = models::make_shooter_gun();
    const double clearance = models::muzzle_clearance(base, gun);
    if (clearance < kMinMuzzleClearance) {
      std::fprintf(stderr, "prismel_gen_models: a fired disc comes within %.3f units of the shooter\n",
                   clearance);
      return 1;
    }
    const std::vector<models::WallPiece> walls = models::wall_layout();

    const std::vector<std::pair<const char*, std::string>> files = {
        {"brick_normal.dat", models::make_solid_brick().to_text()},
        {"brick_special.dat", models::make_hollow_brick().to_text()},
        {"disc_normal.dat", models::make_plain_disc().to_text()},
        {"disc_special.dat", models::make_ring().to_text()},
        {"shooter_base.dat", base.to_text()},
        {"shooter_gun.dat", gun.to_text()},
        {"ground.dat", models::make_ground(walls).to_text()},
        {"game_collision.dat", models::make_collision_outline().to_text()},
        {"wall_001.dat", models::wall_file_text(walls)},
    };
    std::filesystem::create_directories(folder);
    for (const auto& [name, text] : files) {
      if (!write_file(folder / name, text)) return 1;
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "prismel_gen_models: %s\n", e.what());
    return 1;
  }
  return 0;
}
