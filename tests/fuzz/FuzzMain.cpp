// Runs a fuzz target without libFuzzer: every file of a corpus folder, then seeded random
// mutations of them for a number of iterations or seconds, whichever ends first. A crash or
// a hang ends the process (the test's timeout catches a hang); an oracle that fails aborts.
//
//   fuzz_X CORPUS_DIR [ITERATIONS] [SECONDS] [SEED]
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes readFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Byte-level edits that keep most of the structure, so that mutants get past the first check.
Bytes mutate(const std::vector<Bytes>& corpus, std::mt19937& random)
{
    Bytes bytes = corpus[random() % corpus.size()];
    const int edits = 1 + static_cast<int>(random() % 8);
    for (int e = 0; e < edits; ++e) {
        const std::size_t at = bytes.empty() ? 0 : random() % bytes.size();
        switch (random() % 8) {
        case 0:
            if (!bytes.empty())
                bytes[at] ^= static_cast<std::uint8_t>(1u << (random() % 8));
            break;
        case 1:
            if (!bytes.empty())
                bytes[at] = static_cast<std::uint8_t>(random());
            break;
        case 2:
            bytes.insert(bytes.begin() + static_cast<std::ptrdiff_t>(at), static_cast<std::uint8_t>(random()));
            break;
        case 3:
            if (!bytes.empty())
                bytes.erase(bytes.begin() + static_cast<std::ptrdiff_t>(at),
                            bytes.begin()
                                + static_cast<std::ptrdiff_t>(std::min(bytes.size(), at + 1 + random() % 64)));
            break;
        case 4: { // a slice of another input spliced in
            const Bytes& other = corpus[random() % corpus.size()];
            if (other.empty())
                break;
            const std::size_t from = random() % other.size();
            const std::size_t length = std::min<std::size_t>(other.size() - from, 1 + random() % 256);
            bytes.insert(bytes.begin() + static_cast<std::ptrdiff_t>(at),
                         other.begin() + static_cast<std::ptrdiff_t>(from),
                         other.begin() + static_cast<std::ptrdiff_t>(from + length));
            break;
        }
        case 5: { // interesting characters of the formats under test
            static const char special[] = "[]{}=:;,\"'\r\n\t \xEF\xBB\xBF\xFF\x00";
            bytes.insert(bytes.begin() + static_cast<std::ptrdiff_t>(at),
                         static_cast<std::uint8_t>(special[random() % (sizeof special - 1)]));
            break;
        }
        case 6: { // JSON values that readers get wrong
            static const std::string words[]
                = { "null", "-1", "1e309", "true", "\"\"", "\"id\":", "\"../..\"", "\\u0000" };
            const std::string& word = words[random() % std::size(words)];
            bytes.insert(bytes.begin() + static_cast<std::ptrdiff_t>(at), word.begin(), word.end());
            break;
        }
        default: // a stretch repeated: long lines, long fields
            if (!bytes.empty()) {
                const std::size_t length = std::min<std::size_t>(bytes.size() - at, 1 + random() % 32);
                const Bytes chunk(bytes.begin() + static_cast<std::ptrdiff_t>(at),
                                  bytes.begin() + static_cast<std::ptrdiff_t>(at + length));
                for (int r = static_cast<int>(random() % 64); r > 0; --r)
                    bytes.insert(bytes.begin() + static_cast<std::ptrdiff_t>(at), chunk.begin(), chunk.end());
            }
            break;
        }
    }
    return bytes;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s CORPUS_DIR [ITERATIONS] [SECONDS] [SEED]\n", argv[0]);
        return 1;
    }
    const long iterations = argc > 2 ? std::strtol(argv[2], nullptr, 10) : 2000;
    const double seconds = argc > 3 ? std::strtod(argv[3], nullptr) : 5.0;
    const unsigned seed = argc > 4 ? static_cast<unsigned>(std::strtoul(argv[4], nullptr, 10)) : 12345u;

    std::vector<Bytes> corpus;
    std::vector<std::filesystem::path> paths;
    for (const auto& entry : std::filesystem::directory_iterator(argv[1])) {
        if (entry.is_regular_file())
            paths.push_back(entry.path());
    }
    std::sort(paths.begin(), paths.end());
    for (const auto& path : paths) {
        corpus.push_back(readFile(path));
        LLVMFuzzerTestOneInput(corpus.back().data(), corpus.back().size());
    }
    if (corpus.empty()) {
        std::fprintf(stderr, "%s: the corpus %s is empty\n", argv[0], argv[1]);
        return 1;
    }

    std::mt19937 random(seed);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    long run = 0;
    for (; run < iterations && std::chrono::steady_clock::now() < deadline; ++run) {
        const Bytes input = mutate(corpus, random);
        LLVMFuzzerTestOneInput(input.data(), input.size());
    }
    std::printf("%s: %zu corpus inputs and %ld mutants (seed %u) passed\n", argv[0], corpus.size(), run, seed);
    return 0;
}
