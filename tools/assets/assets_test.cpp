// Checks of the generated game data: the pictures decode at the sizes the
// game's drawing assumes, the two fonts hold what text drawing relies on, the
// pictures keep clear where the menu draws other things over or under them,
// the sounds decode to short, clean clips, and the generators repeat
// themselves byte for byte.
#include <gtest/gtest.h>
#include <png.h>
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Picture {
    int width = 0, height = 0;
    std::vector<unsigned char> rgba;
    unsigned char Alpha(int x, int y) const { return rgba[(static_cast<size_t>(y) * width + x) * 4 + 3]; }
    const unsigned char* Pixel(int x, int y) const { return &rgba[(static_cast<size_t>(y) * width + x) * 4]; }
};

Picture Load(const std::string& name) {
    Picture p;
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    const std::string path = std::string(PRISMEL_TEXTURE_DIR) + "/" + name;
    if (!png_image_begin_read_from_file(&image, path.c_str())) {
        ADD_FAILURE() << "cannot read " << path;
        return p;
    }
    image.format = PNG_FORMAT_RGBA;
    p.rgba.resize(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, p.rgba.data(), 0, nullptr)) {
        ADD_FAILURE() << "cannot decode " << path;
        return p;
    }
    p.width = static_cast<int>(image.width);
    p.height = static_cast<int>(image.height);
    return p;
}

std::string Read_File(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(GeneratedPictures, DecodeAtTheirPowerOfTwoSizes) {
    const struct {
        const char* name;
        int width, height;
    } cases[] = {{"font_old.png", 256, 256},       {"font_new.png", 256, 256},        {"brick.png", 256, 256},
                 {"ground.png", 256, 256},         {"ground_test.png", 256, 256},     {"symbol_blue.png", 128, 128},
                 {"symbol_green.png", 128, 128},   {"symbol_orange.png", 128, 128},   {"symbol_purple.png", 128, 128},
                 {"symbol_red.png", 128, 128},     {"symbol_white.png", 128, 128},    {"symbol_yellow.png", 128, 128},
                 {"menu_footer.png", 512, 512},    {"menu_intro.png", 512, 512},      {"menu_medals.png", 512, 512},
                 {"menu_text_continue.png", 512, 64}, {"menu_text_current_level.png", 512, 64},
                 {"menu_text_exit.png", 512, 64},  {"menu_text_high_scores.png", 512, 64},
                 {"menu_text_new_game.png", 512, 64}, {"menu_text_options.png", 512, 64},
                 {"menu_text_website.png", 512, 64}};
    for (const auto& c : cases) {
        const Picture p = Load(c.name);
        EXPECT_EQ(p.width, c.width) << c.name;
        EXPECT_EQ(p.height, c.height) << c.name;
    }
    // The surfaces the play field tiles and the start picture are opaque.
    for (const char* name : {"brick.png", "ground.png", "ground_test.png", "menu_intro.png"}) {
        const Picture p = Load(name);
        for (int i = 0; i < p.width * p.height; ++i)
            if (p.rgba[i * 4 + 3] != 255) {
                ADD_FAILURE() << name << " has a see-through pixel " << i;
                break;
            }
    }
}

struct Record {
    int code, left, right, bottom, top;
};

TEST(ProportionalFont, ListCoversPrintableAsciiWithSeparateRectanglesOfOneLineHeight) {
    std::istringstream list(Read_File(std::string(PRISMEL_TEXTURE_DIR) + "/font_list.txt"));
    std::vector<Record> records;
    std::string line;
    while (std::getline(list, line)) {
        std::istringstream fields(line);
        Record r{};
        std::string rest;
        ASSERT_TRUE(fields >> r.code >> r.left >> r.right >> r.bottom >> r.top) << "bad line: " << line;
        ASSERT_FALSE(fields >> rest) << "extra fields: " << line;
        records.push_back(r);
    }
    std::set<int> codes;
    for (const Record& r : records) {
        EXPECT_TRUE(codes.insert(r.code).second) << "code twice: " << r.code;
        EXPECT_TRUE(0 <= r.left && r.left <= r.right && r.right <= 255) << r.code;
        EXPECT_TRUE(0 <= r.top && r.top <= r.bottom && r.bottom <= 255) << r.code;
        // Every glyph is centred on the line, so equal heights keep one baseline.
        EXPECT_EQ(r.bottom - r.top, records.front().bottom - records.front().top) << r.code;
    }
    for (int c = 32; c <= 126; ++c) EXPECT_TRUE(codes.count(c)) << "missing code " << c;

    // Rectangles keep a gap, so filtering never pulls in a neighbour's ink.
    for (size_t i = 0; i < records.size(); ++i)
        for (size_t j = i + 1; j < records.size(); ++j) {
            const Record &a = records[i], &b = records[j];
            const bool apart = a.right + 1 < b.left || b.right + 1 < a.left || a.bottom + 1 < b.top || b.bottom + 1 < a.top;
            EXPECT_TRUE(apart) << "rectangles of " << a.code << " and " << b.code << " touch";
        }

    const Picture font = Load("font_new.png");
    ASSERT_EQ(font.width, 256);
    std::vector<int> owner(256 * 256, -1);
    for (const Record& r : records)
        for (int y = r.top; y <= r.bottom; ++y)
            for (int x = r.left; x <= r.right; ++x) owner[y * 256 + x] = r.code;
    std::set<int> inked;
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x) {
            if (font.Alpha(x, y) == 0) continue;
            ASSERT_NE(owner[y * 256 + x], -1) << "ink outside every rectangle at " << x << "," << y;
            inked.insert(owner[y * 256 + x]);
            // The game tints the glyphs, so they must be white.
            const unsigned char* p = font.Pixel(x, y);
            EXPECT_TRUE(p[0] == 255 && p[1] == 255 && p[2] == 255) << "coloured glyph pixel at " << x << "," << y;
        }
    for (int c = 33; c <= 126; ++c) EXPECT_TRUE(inked.count(c)) << "glyph " << c << " is empty";
    EXPECT_FALSE(inked.count(32)) << "the blank has ink";
}

TEST(FixedFont, CellsHoldTheirCharactersWithinTheDrawnOverlap) {
    // Row by row from the top; '#' marks cells that must stay empty (the
    // blank's cell and the unused ones).
    const std::string cells =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789#:.-()@_/<=>,?'\"!###########";
    const Picture font = Load("font_old.png");
    ASSERT_EQ(font.width, 256);
    // Cells are drawn 0.65 of a cell apart, so ink must stay in the middle
    // 0.65 of its cell or it would run into the next character.
    const float margin = 32 * (1 - 0.65f) / 2;
    for (int cell = 0; cell < 64; ++cell) {
        const int cx = (cell % 8) * 32, cy = (cell / 8) * 32;
        int ink = 0, min_x = 32, max_x = -1, min_y = 32, max_y = -1;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                if (font.Alpha(cx + x, cy + y) > 8) {
                    ++ink;
                    min_x = std::min(min_x, x), max_x = std::max(max_x, x);
                    min_y = std::min(min_y, y), max_y = std::max(max_y, y);
                }
        if (cells[cell] == '#') {
            EXPECT_EQ(ink, 0) << "cell " << cell << " should be empty";
            continue;
        }
        EXPECT_GT(ink, 8) << "cell of '" << cells[cell] << "' is empty";
        EXPECT_GE(min_x, margin) << cells[cell];
        EXPECT_LE(max_x + 1, 32 - margin) << cells[cell];
        EXPECT_GT(min_y, 0) << cells[cell];
        EXPECT_LT(max_y, 31) << cells[cell];
    }
}

TEST(ColourSymbols, ShapesDifferAndLeaveTheGroundClear) {
    const char* names[] = {"symbol_blue.png", "symbol_green.png", "symbol_orange.png", "symbol_purple.png",
                           "symbol_red.png",  "symbol_white.png", "symbol_yellow.png"};
    std::vector<std::vector<bool>> shapes;
    for (const char* name : names) {
        const Picture p = Load(name);
        ASSERT_EQ(p.width, 128);
        std::vector<bool> solid(128 * 128);
        for (int y = 0; y < 128; ++y)
            for (int x = 0; x < 128; ++x) {
                solid[y * 128 + x] = p.Alpha(x, y) > 127;
                // Drawn black on a square 3.6 units wide over a disc of
                // radius 1.5 (53 pixels here): nothing may show beyond it.
                const float r = std::hypot(x + 0.5f - 64, y + 0.5f - 64);
                if (r > 52) {
                    EXPECT_EQ(p.Alpha(x, y), 0) << name << " at " << x << "," << y;
                }
            }
        shapes.push_back(solid);
    }
    for (size_t i = 0; i < shapes.size(); ++i)
        for (size_t j = i + 1; j < shapes.size(); ++j) {
            int both = 0, either = 0;
            for (size_t k = 0; k < shapes[i].size(); ++k) {
                both += shapes[i][k] && shapes[j][k];
                either += shapes[i][k] || shapes[j][k];
            }
            EXPECT_LT(static_cast<float>(both) / either, 0.8f) << names[i] << " and " << names[j] << " look alike";
        }
}

TEST(MenuFooter, StaysClearWhereButtonsAndTotalsAreDrawn) {
    const Picture p = Load("menu_footer.png");
    ASSERT_EQ(p.width, 512);
    // The footer spans overlay y 0.3 .. h, h = 24.564724 x width / height
    // (16 / 15 for the game's window), over 256 rows of each half.
    const float top = 24.564724f * 16.0f / 15.0f;
    auto row_of = [&](float y) { return (top - y) / (top - 0.3f) * 256.0f; };
    const int buttons_first = static_cast<int>(std::floor(row_of(19.0f))), buttons_last = static_cast<int>(std::ceil(row_of(14.7f)));
    const int totals_last = static_cast<int>(std::ceil(row_of(23.6f)));
    for (int strip_row = 0; strip_row < 256; ++strip_row) {
        if (!(strip_row <= totals_last || (strip_row >= buttons_first && strip_row <= buttons_last))) continue;
        for (int x = 0; x < 512; ++x) {
            // Left half: stored turned in the upper half; right half: lower half as is.
            EXPECT_EQ(p.Alpha(511 - x, 255 - strip_row), 0) << "left half, row " << strip_row;
            EXPECT_EQ(p.Alpha(x, 256 + strip_row), 0) << "right half, row " << strip_row;
        }
    }
}

TEST(MenuCaptions, WordsStayInsideTheButtonsHitArea) {
    // Hit width of each button in overlay units; the caption picture spans
    // 24.2 units from 0.9 right of the hit area's left edge.
    const struct {
        const char* name;
        float hit_width;
    } buttons[] = {{"menu_text_new_game.png", 17.0f}, {"menu_text_continue.png", 14.4f},
                   {"menu_text_website.png", 13.2f}, {"menu_text_exit.png", 7.4f}};
    for (const auto& b : buttons) {
        const Picture p = Load(b.name);
        int right = -1;
        for (int y = 0; y < p.height; ++y)
            for (int x = 0; x < p.width; ++x)
                if (p.Alpha(x, y) > 12) right = std::max(right, x);
        EXPECT_GT(right, 40) << b.name << " has no words";
        EXPECT_LE(right, (b.hit_width - 0.9f) / 24.2f * 512.0f) << b.name;
    }
}

TEST(Medals, QuartersHoldGoldSilverAndBronze) {
    const Picture p = Load("menu_medals.png");
    ASSERT_EQ(p.width, 512);
    // Average colour over the middle of a quarter's coin (the medal's centre
    // is below the quarter's centre, under its ribbon).
    auto coin_colour = [&](int qx, int qy) {
        double sum[3] = {0, 0, 0};
        int n = 0;
        for (int y = 0; y < 256; ++y)
            for (int x = 0; x < 256; ++x)
                if (std::hypot(x - 128.0, y - 158.0) < 60 && p.Alpha(qx + x, qy + y) == 255) {
                    for (int c = 0; c < 3; ++c) sum[c] += p.Pixel(qx + x, qy + y)[c];
                    ++n;
                }
        std::vector<double> mean(3);
        for (int c = 0; c < 3; ++c) mean[c] = n ? sum[c] / n / 255.0 : 0.0;
        return mean;
    };
    const auto gold = coin_colour(0, 0), silver = coin_colour(256, 0), bronze = coin_colour(0, 256);
    auto spread = [](const std::vector<double>& c) { return *std::max_element(c.begin(), c.end()) - *std::min_element(c.begin(), c.end()); };
    EXPECT_GT(spread(gold), 0.3) << "gold is colourful";
    EXPECT_GT(gold[1] / gold[0], 0.7) << "gold is yellow";
    EXPECT_LT(spread(silver), 0.15) << "silver is grey";
    EXPECT_GT(spread(bronze), 0.3) << "bronze is colourful";
    EXPECT_LT(bronze[1] / bronze[0], 0.7) << "bronze is brown";
    for (int y = 256; y < 512; ++y)
        for (int x = 256; x < 512; ++x) ASSERT_EQ(p.Alpha(x, y), 0) << "the unused quarter has ink";
}

struct Decoded {
    long rate = 0;
    int channels = 0;
    std::vector<float> samples;  // first channel
};

Decoded Decode(const std::string& name) {
    Decoded d;
    const std::string path = std::string(PRISMEL_AUDIO_DIR) + "/" + name;
    OggVorbis_File file;
    if (ov_fopen(path.c_str(), &file) != 0) {
        ADD_FAILURE() << "cannot open " << path;
        return d;
    }
    const vorbis_info* info = ov_info(&file, -1);
    d.rate = info->rate;
    d.channels = info->channels;
    int section = 0;
    for (;;) {
        float** pcm = nullptr;
        const long n = ov_read_float(&file, &pcm, 4096, &section);
        if (n <= 0) break;
        d.samples.insert(d.samples.end(), pcm[0], pcm[0] + n);
    }
    ov_clear(&file);
    return d;
}

TEST(SoundEffects, DecodeToShortCleanClips) {
    const struct {
        const char* name;
        float min_seconds, max_seconds;
    } cases[] = {{"menu_change.ogg", 0.03f, 0.3f},
                 {"menu_select.ogg", 0.1f, 0.8f},
                 {"game_disc_brick.ogg", 0.08f, 0.8f},
                 {"game_disc_disc.ogg", 0.04f, 0.5f},
                 {"game_disc_disc_combine.ogg", 0.3f, 3.0f}};
    for (const auto& c : cases) {
        const Decoded d = Decode(c.name);
        EXPECT_EQ(d.rate, 44100) << c.name;
        EXPECT_EQ(d.channels, 1) << c.name;
        const float seconds = static_cast<float>(d.samples.size()) / 44100.0f;
        EXPECT_GE(seconds, c.min_seconds) << c.name;
        EXPECT_LE(seconds, c.max_seconds) << c.name;
        float peak = 0;
        for (float s : d.samples) peak = std::max(peak, std::fabs(s));
        EXPECT_GT(peak, 0.2f) << c.name << " is nearly silent";
        EXPECT_LT(peak, 0.95f) << c.name << " comes close to clipping";
        // It starts from silence and fades out, so repeats do not click.
        ASSERT_GT(d.samples.size(), 441u);
        EXPECT_LT(std::fabs(d.samples.front()), 0.05f) << c.name;
        double tail = 0;
        for (size_t i = d.samples.size() - 220; i < d.samples.size(); ++i) tail += d.samples[i] * d.samples[i];
        EXPECT_LT(std::sqrt(tail / 220), 0.01) << c.name << " ends abruptly";
    }
}

TEST(Generators, RepeatTheirOutputByteForByte) {
    const std::filesystem::path scratch = std::filesystem::temp_directory_path() / "prismel_assets_repeat";
    std::filesystem::remove_all(scratch);
    std::filesystem::create_directories(scratch / "textures");
    std::filesystem::create_directories(scratch / "audio");
    auto quoted = [](const std::string& s) { return "'" + s + "'"; };
    const std::string textures = quoted(PRISMEL_TEXTURE_GEN) + " " + quoted((scratch / "textures").string()) + " " +
                                 quoted(PRISMEL_FONT_SANS) + " " + quoted(PRISMEL_FONT_SANS_BOLD) + " " + quoted(PRISMEL_FONT_MONO_BOLD);
    const std::string audio = quoted(PRISMEL_SOUND_GEN) + " " + quoted((scratch / "audio").string());
    ASSERT_EQ(std::system(textures.c_str()), 0);
    ASSERT_EQ(std::system(audio.c_str()), 0);
    int compared = 0;
    for (const auto& [folder, built] : {std::pair{"textures", PRISMEL_TEXTURE_DIR}, std::pair{"audio", PRISMEL_AUDIO_DIR}})
        for (const auto& entry : std::filesystem::directory_iterator(scratch / folder)) {
            const std::string name = entry.path().filename().string();
            EXPECT_EQ(Read_File(entry.path().string()), Read_File(std::string(built) + "/" + name)) << name << " differs";
            ++compared;
        }
    EXPECT_EQ(compared, 23 + 5);
    std::filesystem::remove_all(scratch);
}

}  // namespace
