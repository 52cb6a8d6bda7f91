// Ogg Vorbis writer.
#include "ogg_writer.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cstdio>

namespace assets {

namespace {

constexpr int kSerial = 0x50524953;  // fixed stream serial number
constexpr int kBlock = 1024;         // samples handed to the encoder at a time

bool Write_Page(std::FILE* file, const ogg_page& page) {
    return std::fwrite(page.header, 1, static_cast<size_t>(page.header_len), file) == static_cast<size_t>(page.header_len) &&
           std::fwrite(page.body, 1, static_cast<size_t>(page.body_len), file) == static_cast<size_t>(page.body_len);
}

}  // namespace

bool Write_Ogg_Vorbis(const Samples& samples, const std::string& path, float quality) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) {
        std::fprintf(stderr, "could not create %s\n", path.c_str());
        return false;
    }
    vorbis_info info;
    vorbis_info_init(&info);
    if (vorbis_encode_init_vbr(&info, 1, kSampleRate, quality) != 0) {
        std::fprintf(stderr, "vorbis encoder set-up failed for %s\n", path.c_str());
        vorbis_info_clear(&info);
        std::fclose(file);
        return false;
    }
    vorbis_comment comment;
    vorbis_comment_init(&comment);
    vorbis_comment_add_tag(&comment, "TITLE", path.substr(path.find_last_of('/') + 1).c_str());
    vorbis_comment_add_tag(&comment, "ARTIST", "Prismel");

    vorbis_dsp_state dsp;
    vorbis_block block;
    vorbis_analysis_init(&dsp, &info);
    vorbis_block_init(&dsp, &block);
    ogg_stream_state stream;
    ogg_stream_init(&stream, kSerial);

    bool ok = true;
    ogg_page page;
    ogg_packet packet;
    {
        ogg_packet header, header_comment, header_code;
        vorbis_analysis_headerout(&dsp, &comment, &header, &header_comment, &header_code);
        ogg_stream_packetin(&stream, &header);
        ogg_stream_packetin(&stream, &header_comment);
        ogg_stream_packetin(&stream, &header_code);
        // The headers end on their own page, as players expect.
        while (ogg_stream_flush(&stream, &page) != 0) ok = Write_Page(file, page) && ok;
    }

    size_t position = 0;
    bool end_of_stream = false, input_done = false;
    while (!end_of_stream) {
        if (input_done) {  // the encoder drained without ending the stream
            ok = false;
            break;
        }
        const size_t count = std::min<size_t>(kBlock, samples.size() - position);
        if (count == 0) {
            vorbis_analysis_wrote(&dsp, 0);  // marks the end of the input
            input_done = true;
        } else {
            float** buffer = vorbis_analysis_buffer(&dsp, static_cast<int>(count));
            std::copy_n(samples.begin() + static_cast<ptrdiff_t>(position), count, buffer[0]);
            vorbis_analysis_wrote(&dsp, static_cast<int>(count));
            position += count;
        }
        while (vorbis_analysis_blockout(&dsp, &block) == 1) {
            vorbis_analysis(&block, nullptr);
            vorbis_bitrate_addblock(&block);
            while (vorbis_bitrate_flushpacket(&dsp, &packet) != 0) {
                ogg_stream_packetin(&stream, &packet);
                while (ogg_stream_pageout(&stream, &page) != 0) {
                    ok = Write_Page(file, page) && ok;
                    if (ogg_page_eos(&page)) end_of_stream = true;
                }
            }
        }
    }

    ogg_stream_clear(&stream);
    vorbis_block_clear(&block);
    vorbis_dsp_clear(&dsp);
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
    if (std::fclose(file) != 0) ok = false;
    if (!ok) std::fprintf(stderr, "could not write %s\n", path.c_str());
    return ok;
}

}  // namespace assets
