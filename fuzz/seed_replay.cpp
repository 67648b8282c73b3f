// SPDX-License-Identifier: MIT
// The main of a fuzz target in a plain build: runs the target once on every
// file named on the command line or lying in a folder named there (its seed
// corpus), so that the properties are checked by the test suite and the
// targets keep compiling with the code they exercise.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);

namespace {

void RunOn(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::fprintf(stderr, "%s\n", file.c_str());
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

}  // namespace

int main(int argc, char** argv) {
    if (LLVMFuzzerInitialize != nullptr) LLVMFuzzerInitialize(&argc, &argv);
    std::size_t inputs = 0;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path path = argv[i];
        if (std::filesystem::is_directory(path)) {
            for (const auto& entry : std::filesystem::directory_iterator(path)) {
                if (entry.is_regular_file()) RunOn(entry.path()), ++inputs;
            }
        } else {
            RunOn(path), ++inputs;
        }
    }
    // A corpus folder that went missing must not pass as a clean run.
    if (inputs == 0) {
        std::fprintf(stderr, "no input to run\n");
        return 1;
    }
    std::printf("%zu inputs kept every property\n", inputs);
    return 0;
}
