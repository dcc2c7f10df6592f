// Writes the two cue files into the folder given on the command line.

#include "design/cues.h"
#include "tools/wavgen/wav_synth.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace {

bool WriteFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: wavgen OUTPUT_FOLDER\n", stderr);
        return 2;
    }
    const std::filesystem::path folder(argv[1]);
    if (!WriteFile(folder / InitCue, PinponWav()) || !WriteFile(folder / ExitCue, EndPinponWav())) {
        std::fprintf(stderr, "wavgen: cannot write into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
