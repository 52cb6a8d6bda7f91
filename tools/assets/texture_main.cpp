// prismel_texture_gen: writes every picture of the game's texture archive,
// and the proportional font's glyph list, into one folder.
//
//   prismel_texture_gen <out folder> <DejaVuSans.ttf> <DejaVuSans-Bold.ttf> <DejaVuSansMono-Bold.ttf>
//
// The build runs it; the file names are those the game loads. Exit code 0 on
// success, 1 on any failure (with a message on standard error).
#include <cstdio>
#include <exception>
#include <fstream>
#include <string>

#include "font_atlas.h"
#include "font_grid.h"
#include "footer.h"
#include "medals.h"
#include "menu_text.h"
#include "play_textures.h"
#include "start_picture.h"
#include "symbols.h"

namespace {

bool Write_Text(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
    using namespace assets;
    if (argc != 5) {
        std::fprintf(stderr, "usage: %s <out folder> <sans.ttf> <sans-bold.ttf> <mono-bold.ttf>\n", argv[0]);
        return 1;
    }
    const std::string out = std::string(argv[1]) + "/";
    const std::string sans = argv[2], sans_bold = argv[3], mono_bold = argv[4];
    try {
        const FontLibrary library;
        bool ok = true;
        auto save = [&](const Image& image, const std::string& name) { ok = Write_Png(image, out + name) && ok; };

        const FontAtlas atlas = Build_Font_Atlas(library, sans);
        save(atlas.picture, "font_new.png");
        if (!Write_Text(out + "font_list.txt", Font_List_Text(atlas.glyphs))) {
            std::fprintf(stderr, "could not write %sfont_list.txt\n", out.c_str());
            ok = false;
        }
        save(Build_Font_Grid(library, mono_bold), "font_old.png");

        save(Build_Brick_Texture(), "brick.png");
        save(Build_Ground_Texture(), "ground.png");
        save(Build_Disc_Texture(), "ground_test.png");
        for (const SymbolInfo& symbol : Symbol_List()) save(Build_Symbol(symbol.shape), symbol.file);

        save(Build_Footer(), "menu_footer.png");
        save(Build_Start_Picture(library, sans_bold), "menu_intro.png");
        save(Build_Medals(), "menu_medals.png");
        const struct {
            const char* file;
            const char* words;
            MenuTextKind kind;
        } texts[] = {{"menu_text_continue.png", "Continue", MenuTextKind::Button},
                     {"menu_text_current_level.png", "Current Level", MenuTextKind::Heading},
                     {"menu_text_exit.png", "Exit", MenuTextKind::Button},
                     {"menu_text_high_scores.png", "High Scores", MenuTextKind::Heading},
                     {"menu_text_new_game.png", "New Game", MenuTextKind::Button},
                     {"menu_text_options.png", "Options", MenuTextKind::Heading},
                     {"menu_text_website.png", "Website", MenuTextKind::Button}};
        for (const auto& t : texts) save(Build_Menu_Text(library, sans_bold, t.words, t.kind), t.file);
        return ok ? 0 : 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "prismel_texture_gen: %s\n", e.what());
        return 1;
    }
}
