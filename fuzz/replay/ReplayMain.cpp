// Runs a fuzz target without libFuzzer: a fixed number of pseudo-random inputs from a fixed seed,
// so the run is the same on every machine and every compiler, plus any input files named on the
// command line (to replay a crash that libFuzzer found).
//
// Usage: fuzz_<name>_replay [runs] [input files...]

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size);

namespace {

// Pieces that the targets' parsers care about, spliced in so short runs reach deep paths.
const std::string kTokens[] = {
    "%nom%", "%nom_2%", "%NOM%", "%list%", "%0%", "%1%", "%4%", "%", "\r\n", "\xA6", " ", "    ", std::string(1, '\0'),
    // The CSV reader, the command line and the input gate.
    "\"", ",", "\"\"",
    std::string("--set\0"
                "1043=",
                11),
    std::string("--set\0"
                "nom=",
                10),
    std::string("\0--line\0", 8), "|", "=", "\xCC\x81", "\xC5\x80", "\xE2\x86\x92", "\t", "\x1B",
    // Saved forms.
    R"({"format": "plecta-formulari", "versio": 1, "document": {"nom": "x", "numero": 1}, )", R"("camps": {"nom": ")",
    R"(", "linies": [[")", R"("]]})", "\"}}", "\\u00e0", "\\ud83d\\ude00", "\\n", "[", "]", "{", "}", ":"};

std::vector<std::uint8_t> randomInput(std::mt19937 &random)
{
    std::vector<std::uint8_t> input;
    const std::size_t length = random() % 600;
    while (input.size() < length) {
        if (random() % 4 == 0) {
            const std::string &token = kTokens[random() % std::size(kTokens)];
            input.insert(input.end(), token.begin(), token.end());
        } else {
            input.push_back(static_cast<std::uint8_t>(random()));
        }
    }
    return input;
}

} // namespace

int main(int argc, char **argv)
{
    long runs = 20000;
    int firstFile = 1;
    if (argc > 1 && std::strtol(argv[1], nullptr, 10) > 0) {
        runs = std::strtol(argv[1], nullptr, 10);
        firstFile = 2;
    }
    for (int i = firstFile; i < argc; ++i) {
        std::ifstream in(argv[i], std::ios::binary);
        if (!in) {
            std::fprintf(stderr, "%s: cannot read\n", argv[i]);
            return 1;
        }
        const std::vector<std::uint8_t> input{std::istreambuf_iterator<char>(in), {}};
        LLVMFuzzerTestOneInput(input.data(), input.size());
    }
    std::mt19937 random(20010906);
    for (long run = 0; run < runs; ++run) {
        const std::vector<std::uint8_t> input = randomInput(random);
        LLVMFuzzerTestOneInput(input.data(), input.size());
    }
    std::printf("%ld pseudo-random inputs and %d files ran clean\n", runs, argc - firstFile);
    return 0;
}
