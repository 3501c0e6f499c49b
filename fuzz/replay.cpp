// Runs a fuzz target once over every input file in the folders named, as a
// plain test: the corpus becomes part of every test run, with or without
// sanitizers. A failing input aborts, as under the fuzzer.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);

int main(int argc, char* argv[])
{
    if (LLVMFuzzerInitialize)
        LLVMFuzzerInitialize(&argc, &argv);
    int inputs = 0;
    for (int i = 1; i < argc; ++i)
        for (const auto& file : std::filesystem::directory_iterator(argv[i])) {
            std::ostringstream read;
            read << std::ifstream(file.path(), std::ios::binary).rdbuf();
            const std::string_view input = read.view();
            const auto* bytes = reinterpret_cast<const std::uint8_t*>(input.data());
            LLVMFuzzerTestOneInput(bytes, input.size());
            ++inputs;
        }
    return std::printf("%d inputs replayed\n", inputs) > 0 && inputs > 0 ? 0 : 1;
}
